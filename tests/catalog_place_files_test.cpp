// The place and map data files ("ORTE", "Grenzen", "Staedte") when they exist but
// cannot be read: the reader's error names the file; no stream exception escapes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "catalog/map_files.h"
#include "catalog/place_list.h"
#include "catalog/text_lines.h"
#include "support/test_paths.h"
#include "support/unreadable_file.h"

using namespace location;

namespace {

TEST(LocationDataFiles, UnreadableFilesAreNamed) {
    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd(dir.path());
    struct Case {
        const char* file;
        std::function<void()> read;
    } cases[] = {
        {"ORTE", [] { ReadPlaceFile("ORTE"); }},
        {"Grenzen", [] { ReadBorders("Grenzen"); }},
        {"Staedte", [] { ReadTowns("Staedte", "-16"); }},
    };
    for (const std::string& form : testsupport::UnreadableForms()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " " + form);
            testsupport::MakeUnreadable(dir / c.file, form);
            std::string message;
            try {
                c.read();
            } catch (const FileOpenError& error) {
                message = error.what();
                EXPECT_EQ(error.fileName(), c.file);
            } catch (const MapFileError& error) {
                message = error.what();
            }
            EXPECT_EQ(message, "Datei kann nicht gelesen werden: " + std::string(c.file));
        }
    }
}

}  // namespace
