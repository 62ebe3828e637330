// Every data file the program reads, missing or unreadable: the message names the file,
// once, in the same words for every reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "catalog/constellations.h"
#include "catalog/map_files.h"
#include "catalog/named_stars.h"
#include "catalog/nebulae.h"
#include "catalog/place_list.h"
#include "catalog/settings_file.h"
#include "catalog/star_catalog.h"
#include "catalog/text_lines.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/text_file.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/unreadable_file.h"

namespace {

constexpr JD1900 kInstant = 45350.75;

// The message a read ends with ("" when it succeeds).
std::string MessageOf(const std::function<std::string()>& read) {
    try {
        return read();
    } catch (const std::exception& error) {
        return error.what();
    }
}

std::string Thrown(const std::function<void()>& read) {
    read();
    return {};
}

std::size_t Occurrences(const std::string& text, const std::string& word) {
    std::size_t count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

TEST(DataFileMessages, NameTheFileOnceInTheSameWords) {
    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd(dir.path());
    struct Case {
        const char* file;
        std::function<std::string()> read;
    } cases[] = {
        {"STERNKAT", [] { return Thrown([] { ReadStarRecords([](int, const StarRecord&) {}); }); }},
        {"SLINIEN", [] { return Thrown([] { ReadConstellationLines(); }); }},
        {"SNAMEN",
         [] {
             return Thrown(
                 [] { ReadConstellationLabels([](int, const ConstellationLabelRecord&) {}); });
         }},
        {"NEBEL", [] { return Thrown([] { ReadNebulae([](int, const NebulaRecord&) {}); }); }},
        {"STERNNAM",
         [] { return Thrown([] { ReadNamedStars([](int, const NamedStarRecord&) {}); }); }},
        {"SATMAG",
         [] {
             std::string error;
             LoadMagnitudeTable("SATMAG", &error);
             return error;
         }},
        {"ASTEROID.TXT",
         [] { return Thrown([] { PlanetPositions(kInstant, Place(), Shown()); }); }},
        {"KOMET", [] { return Thrown([] { MinorBodyPosition(kInstant, Place(), Shown()); }); }},
        {"ORTE", [] { return Thrown([] { location::ReadPlaceFile("ORTE"); }); }},
        {"Grenzen", [] { return Thrown([] { location::ReadBorders("Grenzen"); }); }},
        {"Staedte", [] { return Thrown([] { location::ReadTowns("Staedte", "-16"); }); }},
        {"polaride.cfg",
         [] {
             ObserverRecords observer;
             SettingsFields fields;
             return ReadSettingsFile("polaride.cfg", observer, observer, fields).errorText;
         }},
        {"bahnen.tle", [] { return LoadElementFile("bahnen.tle").errorText; }},
        // The map windows load the bitmap themselves and report it so.
        {"welt.bmp", [] { return FailedFileMessage("welt.bmp"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string message = MessageOf(c.read);
        EXPECT_EQ(message, "Datei nicht gefunden: " + std::string(c.file));
        EXPECT_EQ(Occurrences(message, c.file), 1u);
    }
    for (const std::string& form : testsupport::UnreadableForms()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " " + form);
            testsupport::MakeUnreadable(dir / c.file, form);
            EXPECT_EQ(MessageOf(c.read), "Datei kann nicht gelesen werden: " + std::string(c.file));
            std::filesystem::remove_all(dir / c.file);
        }
    }
    ResetObserverRecords();
    ResetSatelliteTable();
    ResetMagnitudeTable();
}

}  // namespace
