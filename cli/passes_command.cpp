// polaride-cli passes: the pass search of the pass dialog without windows. The text
// output is the list the pass list window saves ("Speichern"); --out writes that file
// byte for byte (Latin-1, CR LF), and --json gives the same passes as a JSON array,
// each with the start, highest point and end of its visible part. --ics and --csv
// write the passes as a calendar and a table besides.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/civil_time.h"
#include "core/displayed_instant.h"
#include "core/json_text.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/element_age.h"
#include "prediction/night_window.h"
#include "prediction/pass_dialog_display.h"
#include "prediction/pass_events.h"
#include "prediction/pass_export.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list_file.h"
#include "prediction/pass_search.h"
#include "prediction/search_limits.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"

namespace {

constexpr char kCommand[] = "passes";
constexpr int kMaxThreads = 64;
constexpr char kUsage[] =
    "passes --tle DATEI (--select PRÄFIX | --catnr C[,C...] | --all) --date tt.mm.jjjj "
    "[--time hh:mm:ss] [--nights N | --minutes M] [--min-alt 10] [--max-sun -5] [--mag 6] "
    "[--no-shadow] [--first-half] [--second-half] [--brightest] [--lon L --lat B] [--height H] "
    "[--zone Z | --tz NAME] [--place NAME] [--model sgp4|sgp] [--data VERZEICHNIS] [--json] "
    "[--out DATEI] [--ics DATEI] [--csv DATEI] [--threads N]";

std::string Help() {
    return std::string() + "  --nights: Anzahl Tage (Nächte ab dem Abend des Datums, bis " +
           std::to_string(kMaxSearchNights) +
           ");\n"
           "  --minutes: Dauer in Minuten ab Datum und Uhrzeit (bis " +
           std::to_string(kMaxSearchMinutes) +
           ")\n"
           "  --min-alt, --max-sun: minimale Satellitenhöhe, maximale Sonnenhöhe (Grad);\n"
           "  --mag: Grenzhelligkeit; --no-shadow, --brightest, --first-half, --second-half:\n"
           "  die Schalter des Dialogs (--shadow, --no-brightest schalten aus polaride.cfg um)\n" +
           cli::kPlaceHelp + cli::kModelHelp +
           "Ausgabe: die Liste des Fensters (UTF-8) oder mit --json ein JSON-Feld; --out schreibt\n"
           "die Datei wie \"Speichern\" des Fensters (Latin-1, CR LF).\n"
           "In JSON trägt jeder Durchgang den sichtbaren Teil um seinen Zeitpunkt: start,\n"
           "highest und end (mit --brightest auch brightest), je mit jd1900, utc (ISO 8601),\n"
           "alt_deg, az_deg (von Nord über Ost), compass und magnitude; start_reason (rise,\n"
           "shadow, twilight), end_reason (set, shadow, twilight) und duration_s in Sekunden.\n"
           "--ics schreibt zusätzlich einen Kalender (iCalendar, ein Termin je Durchgang mit\n"
           "sichtbarem Teil, von dessen Beginn bis Ende), --csv eine Tabelle (UTF-8, Komma,\n"
           "Zeiten in ISO 8601 mit Zonenversatz), beide wie --out geschrieben.\n"
           "  --threads: Anzahl der Rechenthreads (1 bis " +
           std::to_string(kMaxThreads) +
           ", ohne Angabe einer je Prozessorkern);\n"
           "  die Liste ist bei jeder Anzahl dieselbe.\n";
}

struct Options {
    std::string tlePath, selectPrefix, outPath, icsPath, csvPath;
    std::vector<double> catalogNumbers;
    bool selectAll = false, json = false, dateGiven = false;
    cli::CivilDate date;
    cli::CivilTime time{12, 0, 0};
    std::optional<int> nights, minutes;
    int threads = 0;  // 0: one per core
    std::optional<double> minAltitude, maxSunAltitude, magnitude;
    std::optional<bool> shadow, brightest, firstHalf, secondHalf;
    cli::PlaceOptions place;
    cli::ModelOption model;
};

std::string TakeOption(Options& o, const std::string& option, const std::string& value) {
    std::string problem;
    if (o.place.Take(option, value, problem)) return problem;
    if (o.model.Take(option, value, problem)) return problem;
    double number = 0.0;
    int count = 0;
    if (option == "--json") {
        o.json = true;
    } else if (option == "--all") {
        o.selectAll = true;
    } else if (option == "--shadow" || option == "--no-shadow") {
        o.shadow = option == "--shadow";
    } else if (option == "--brightest" || option == "--no-brightest") {
        o.brightest = option == "--brightest";
    } else if (option == "--first-half" || option == "--second-half") {
        if (!o.firstHalf) o.firstHalf = o.secondHalf = false;
        (option == "--first-half" ? o.firstHalf : o.secondHalf) = true;
    } else if (option == "--tle") {
        o.tlePath = value;
    } else if (option == "--select") {
        o.selectPrefix = value;
    } else if (option == "--out") {
        o.outPath = value;
    } else if (option == "--ics") {
        o.icsPath = value;
    } else if (option == "--csv") {
        o.csvPath = value;
    } else if (option == "--catnr") {
        std::stringstream list(value);
        std::string item;
        while (problem.empty() && std::getline(list, item, ',')) {
            problem = cli::ReadCatalogNumber(option, item, number);
            o.catalogNumbers.push_back(number);
        }
    } else if (option == "--date") {
        o.dateGiven = true;
        problem = cli::ReadDate(option, value, o.date);
    } else if (option == "--time") {
        problem = cli::ReadTime(option, value, o.time);
    } else if (option == "--threads") {
        problem = cli::ReadInteger(option, value, o.threads);
        if (problem.empty() && (o.threads < 1 || o.threads > kMaxThreads))
            problem = option + ": " + value + " liegt nicht zwischen 1 und " +
                      std::to_string(kMaxThreads);
    } else if (option == "--nights" || option == "--days" || option == "--minutes") {
        problem = cli::ReadInteger(option, value, count);
        (option == "--minutes" ? o.minutes : o.nights) = count;
    } else {
        problem = cli::ReadNumber(option, value, number);
        (option == "--min-alt"   ? o.minAltitude
         : option == "--max-sun" ? o.maxSunAltitude
                                 : o.magnitude) = number;
    }
    return problem;
}

std::string ParseOptions(const std::vector<std::string>& args, Options& o) {
    cli::OptionNames names = cli::kPlaceOptions;
    names.insert(names.end(), {"--place", "--tle", "--select", "--catnr", "--date", "--time",
                               "--nights", "--days", "--minutes", "--min-alt", "--max-sun", "--mag",
                               "--out", "--ics", "--csv", "--model", "--threads"});
    const std::string problem =
        cli::ReadOptions(args, names,
                         {"--json", "--all", "--shadow", "--no-shadow", "--brightest",
                          "--no-brightest", "--first-half", "--second-half"},
                         [&o](const std::string& option, const std::string& value) {
                             return TakeOption(o, option, value);
                         });
    if (!problem.empty()) return problem;
    if (o.tlePath.empty()) return "--tle fehlt";
    if (!o.dateGiven) return "--date fehlt";
    if (o.nights && o.minutes) return "--nights und --minutes schließen sich aus";
    const int choices = (o.selectAll ? 1 : 0) + (o.selectPrefix.empty() ? 0 : 1) +
                        (o.catalogNumbers.empty() ? 0 : 1);
    if (choices != 1) return "genau eine Auswahl angeben: --select, --catnr oder --all";
    return {};
}

// The search parameters: the options, and for each one not given the pass dialog's
// field of the settings file, converted as the dialog converts it. Sets count to the
// nights or, in duration mode, the minutes; returns the message of a field that does
// not convert.
std::string SearchParameters(const Options& o, cli::SettingsSource& settings,
                             PassSearchParameters& p, int& count) {
    const PassDialogSettings& dialog = settings.PassDialog();
    auto flag = [&](const std::optional<bool>& option, bool fileValue, const char* label) {
        if (option) return *option;
        settings.Taken(std::string(label) + (fileValue ? " an" : " aus"));
        return fileValue;
    };
    auto number = [&](const std::optional<double>& option, const std::string& text,
                      const char* label, double& value) -> std::string {
        if (option) {
            value = *option;
            return {};
        }
        settings.Taken(std::string(label) + " " + text);
        return cli::ReadNumber(std::string(label) + " in polaride.cfg", text, value);
    };

    p.durationMode = o.minutes ? true : o.nights ? false : dialog.options[3];
    if (o.minutes || o.nights) {
        count = o.minutes ? *o.minutes : *o.nights;
    } else {
        const char* label = p.durationMode ? "Dauer (Min)" : "Anzahl Tage";
        settings.Taken(std::string(label) + " " + dialog.days);
        if (std::string problem =
                cli::ReadInteger(std::string(label) + " in polaride.cfg", dialog.days, count);
            !problem.empty())
            return problem;
    }
    p.nights = p.durationMode ? 1 : count;
    if (std::string problem = number(o.minAltitude, dialog.minSatelliteAltitude,
                                     "minimale Satellitenhöhe", p.minAltitudeDeg);
        !problem.empty())
        return problem;
    if (!p.durationMode) {
        if (std::string problem = number(o.maxSunAltitude, dialog.maxSunAltitude,
                                         "maximale Sonnenhöhe", p.maxSunAltitudeDeg);
            !problem.empty())
            return problem;
        // The dialog ticks the first half whenever the second is not ticked.
        p.firstHalf =
            flag(o.firstHalf, dialog.options[1] || !dialog.options[2], "erste Nachthälfte");
        p.secondHalf = flag(o.secondHalf, dialog.options[2], "zweite Nachthälfte");
    }
    if (std::string problem =
            number(o.magnitude, dialog.limitingMagnitude, "Grenzhelligkeit", p.limitingMagnitude);
        !problem.empty())
        return problem;
    p.shadow = flag(o.shadow, dialog.options[0], "Schattenberechnung");
    p.brightest = flag(o.brightest, dialog.options[4], "maximale Helligkeit suchen");
    return {};
}

// The selection as the selection window makes it, in table order: "alle wählen", the
// catalogue numbers, or the name filter on an empty selection (case ignored).
void Select(const Options& o) {
    if (o.selectAll)
        SelectAllRows();
    else if (!o.catalogNumbers.empty())
        SelectCatalogNumbers(o.catalogNumbers);
    else
        ApplyNameFilter(Utf8ToLatin1(o.selectPrefix));  // name lines are Latin-1
}

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    return s;
}

// The instant as it has always been written: to nine decimals of a day (under 0.1 ms).
double NineDecimals(JD1900 time) { return numtext::ParseNumber(FixedText(time, 9)).value_or(time); }

// One moment of the visible part: the instant (as the pass's own, to nine decimals) and
// in UTC, altitude, azimuth from north through east, magnitude.
jsontext::Json EventJson(const PassEvent& e) {
    using jsontext::JsonNumber;
    return {{"jd1900", JsonNumber(NineDecimals(e.time))},
            {"utc", jsontext::JsonString(UtcIsoText(e.time))},
            {"alt_deg", JsonNumber(e.altitudeDeg)},
            {"az_deg", JsonNumber(e.azimuthDeg)},
            {"compass", jsontext::JsonString(EventCompassWord(e))},
            {"magnitude", JsonNumber(e.magnitude)}};
}

// The visible part's members of a pass; null where no moment around the listed instant
// is visible. "brightest" only with "maximale Helligkeit suchen".
void AddEventsJson(const PassEvents& events, jsontext::Json& pass) {
    const bool found = events.found;
    pass["start"] = found ? EventJson(events.start) : nullptr;
    pass["highest"] = found ? EventJson(events.highest) : nullptr;
    pass["end"] = found ? EventJson(events.end) : nullptr;
    if (events.brightestFound) pass["brightest"] = EventJson(events.brightest);
    pass["start_reason"] =
        found ? jsontext::Json(std::string(StartReasonText(events.startLimit))) : nullptr;
    pass["end_reason"] =
        found ? jsontext::Json(std::string(EndReasonText(events.endLimit))) : nullptr;
    pass["duration_s"] = found ? jsontext::JsonNumber(events.DurationSeconds()) : nullptr;
}

// One pass, members in a fixed order; the time also as the list shows it.
jsontext::Json PassJson(const PassRecord& p) {
    using jsontext::JsonNumber;
    using jsontext::JsonString;
    FormatDateTime1900(p.time);
    double az = p.azimuthDeg + 180.0;
    if (az >= 360.0) az -= 360.0;
    jsontext::Json pass = {
        {"time_jd1900", JsonNumber(NineDecimals(p.time))},
        {"date", JsonString(DateText)},
        {"time", JsonString(TimeText)},
        {"name", JsonString(TrimRight(CharSlice(p.name, 0, 24)))},
        {"catnr", JsonNumber(p.catalogNumber)},
        {"sat_index", p.satelliteNumber},
        {"alt_deg", JsonNumber(p.altitudeDeg)},
        {"az_deg", JsonNumber(az)},
        {"compass", JsonString(TrimRight(CompassWord(p.azimuthDeg)))},
        {"range_km", JsonNumber(p.rangeKm)},
        {"direction_deg", JsonNumber(p.directionDeg)},
        {"magnitude", JsonNumber(p.magnitude)},
        {"magnitude_known", p.magnitudeKnown},
        {"sun_alt_deg", JsonNumber(p.sunAltitudeDeg)},
        {"shadow_boundary", p.shadowBoundary},
        {"element_age_days", JsonNumber(ElementAgeDays(p.satelliteNumber, p.time).value_or(0.0))}};
    AddEventsJson(p.events, pass);
    return pass;
}

// The passes as a JSON array, one pass per line, handed to `sink` pass by pass: the
// array of a long search never stands in memory whole.
void WritePassesJson(const PassListState& list, const jsontext::JsonRowsWriter::Sink& sink) {
    jsontext::JsonRowsWriter rows(jsontext::Layout::Spaced, "  ", sink);
    for (std::size_t i = 0; i < list.size(); ++i) rows.Add(PassJson(list.Record(i)));
    rows.Finish();
    sink("\n");
}

// Output in pieces of some kilobytes as they come (a piece ends on a whole character,
// so each is made valid UTF-8 as the whole would be).
class BufferedOut {
  public:
    explicit BufferedOut(std::function<void(std::string_view)> sink) : sink_(std::move(sink)) {}
    ~BufferedOut() { Flush(); }
    void Write(std::string_view piece) {
        buffer_ += piece;
        if (buffer_.size() >= kPieceBytes) Flush();
    }
    void Flush() {
        if (!buffer_.empty()) sink_(buffer_);
        buffer_.clear();
    }

  private:
    static constexpr std::size_t kPieceBytes = 64 * 1024;
    std::function<void(std::string_view)> sink_;
    std::string buffer_;
};

// A Sun limit that the Sun never gets down to on the first or the last night is raised
// to just above its lowest altitude, at most to the horizon, as the pass dialog raises
// its field before the search, and said as the dialog says it. A night whose Sun stays
// above the horizon has no window; the search names it.
void RaiseSunLimitAsTheDialog(const Options& o, PassSearchParameters& p) {
    const NightSpan span =
        ComputeNightSpan(o.date.year, o.date.month, o.date.day, o.time.hour, p.nights,
                         p.maxSunAltitudeDeg, p.firstHalf, p.secondHalf, Place());
    for (const double raised : span.raisedLimitsDeg)
        cli::PrintNote("max Sonnenhöhe zu klein: neue maximale Sonnenhöhe " +
                       cli::NumberText(raised));
    if (!span.raisedLimitsDeg.empty()) p.maxSunAltitudeDeg = span.raisedLimitsDeg.back();
}

// Whether the pass list file (Latin-1) holds every character of the lines.
bool Latin1Holds(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (jsontext::ReadableUtf8(Utf8ToLatin1(line)) != jsontext::ReadableUtf8(line))
            return false;
    return true;
}

// "--csv: ... ist schon die Ausgabe von --ics" when two outputs name the same file.
std::string SharedOutputProblem(const Options& o) {
    namespace fs = std::filesystem;
    const std::vector<std::pair<const char*, const std::string*>> outputs = {
        {"--out", &o.outPath}, {"--ics", &o.icsPath}, {"--csv", &o.csvPath}};
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) {
            const std::string& a = *outputs[i].second;
            const std::string& b = *outputs[j].second;
            std::error_code ec;
            if (!a.empty() && !b.empty() &&
                fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec))
                return std::string(outputs[i].first) + ": '" + a + "' ist schon die Ausgabe von " +
                       outputs[j].first;
        }
    return {};
}

// The moment the calendar is made: the computer clock, or SOURCE_DATE_EPOCH when set
// (for files that are the same from run to run).
JD1900 CalendarStamp() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch != nullptr) {
        double seconds = 0.0;
        if (numtext::ParseReal(epoch, seconds))
            return InstantFromUnixSeconds(std::llround(seconds));
    }
    return InstantFromUnixSeconds(static_cast<long long>(std::time(nullptr)));
}

// The calendar (--ics) and the table (--csv); the message of a failed write.
std::string WriteExports(const Options& o, const PassListState& passes,
                         const ObservingPlace& observer) {
    if (!o.icsPath.empty()) {
        const PassCalendar calendar = PassCalendarText(passes, observer, CalendarStamp());
        cli::PrintNote(LeftOutOfCalendarText(calendar.leftOut));
        if (std::string error = cli::WriteWholeFile(o.icsPath, calendar.text); !error.empty())
            return error;
    }
    if (!o.csvPath.empty()) return cli::WriteWholeFile(o.csvPath, PassTableText(passes, observer));
    return {};
}

class CliListener : public PassSearchListener {
  public:
    void searchFailed(const std::string& message) override {
        cli::PrintErr(std::string("polaride-cli passes: ") + message);
    }
    void noPasses() override { cli::PrintNote(kNoPassesText); }
    void nightsWithoutDarkness(const std::string& text) override { cli::PrintNote(text); }
    bool listsLines() const override { return false; }
};

int RunPasses(const std::vector<std::string>& args) {
    Options o;
    if (std::string problem = ParseOptions(args, o); !problem.empty())
        return cli::UsageProblem(kCommand, kUsage, problem);
    if (std::string error =
            cli::EnterDataFolder(o.place.dataDir, {&o.tlePath, &o.outPath, &o.icsPath, &o.csvPath});
        !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);
    if (std::string problem = SharedOutputProblem(o); !problem.empty())
        return cli::UsageProblem(kCommand, kUsage, problem);

    ObservingPlace& observer = Place();
    DisplayedInstant& shown = Shown();
    cli::SettingsSource settings;
    PassSearchParameters search;
    int count = 0;
    std::string problem = cli::ApplyPlace(o.place, cli::kUseHeight | cli::kUseZone | cli::kUseName,
                                          settings, observer);
    cli::ApplyOrbitModel(o.model, settings);
    if (problem.empty()) problem = SearchParameters(o, settings, search, count);
    settings.PrintNote();
    if (problem.empty())
        if (const auto limit = SearchParameterProblem(search, count))
            problem = cli::InvalidEntry(*limit);
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);

    const LocalTimeResolution local = observer.instantFromLocal(
        o.date.year, o.date.month, o.date.day, o.time.hour, o.time.minute, o.time.second);
    if (local.kind == LocalTimeKind::Skipped)
        return cli::UsageProblem(kCommand, kUsage, local.message);
    if (local.kind == LocalTimeKind::Repeated) cli::PrintNote(local.message);
    const CivilInstant start = local.instant;
    shown.year = start.year;
    shown.currentJD = start.instant;
    shown.dynamicJD = shown.currentJD + DeltaT(start.year) / 24.0;
    FormatDateTime1900(shown.currentJD);

    if (!search.durationMode) RaiseSunLimitAsTheDialog(o, search);

    cli::LoadSatelliteMagnitudes();
    // The selection lists follow the load as the selection window's do.
    SatelliteUi ui;
    ui.clearSatelliteViews = ClearSelectionLists;
    const LoadResult load = LoadElementFile(o.tlePath, ui, AppendLeftListName);
    if (!load.opened) return cli::Failure(kCommand, load.errorText);
    cli::PrintNote(load.noticeText);
    if (load.satelliteCount == 0)
        return cli::Failure(kCommand, "Keine Satelliten geladen aus " + o.tlePath);
    ElementFile().elementFilePath = o.tlePath;
    Select(o);
    if (Satellites().selectedCount == 0) return cli::Failure(kCommand, "Kein Satellit ausgewählt");

    if (search.durationMode) {
        PassWindow().windowStart = shown.currentJD;
        PassWindow().windowEnd = shown.currentJD + count / 1440.0;
    }
    const JD1900 searchEnd =
        search.durationMode ? PassWindow().windowEnd : shown.currentJD + search.nights + 1.0;
    cli::PrintNote(StaleElementsText(StaleSelectedElements(shown.currentJD, searchEnd)));
    search.threads = o.threads;
    CliListener listener;
    // A search in which no selected set could be searched fails with the reasons
    // (the listener's searchFailed); otherwise the sets left out are named.
    const PassSearchResult result = PassSearch(search, listener);
    if (result.outcome == PassSearchOutcome::Failed) return cli::kFailure;
    cli::PrintNote(SkippedSatellitesText(result.skipped));

    const PassListState& list = PassList();
    if (std::string error = WriteExports(o, list, observer); !error.empty())
        return cli::Failure(kCommand, error);
    if (o.json) {
        // Written as it is made, to the terminal or into the file.
        auto produce = [&list](const ContentSink& sink) {
            BufferedOut out(sink);
            WritePassesJson(list, [&out](std::string_view piece) { out.Write(piece); });
        };
        if (o.outPath.empty()) {
            produce([](std::string_view piece) { cli::PrintOut(piece); });
        } else if (std::string error = cli::WriteWholeFile(o.outPath, produce); !error.empty()) {
            return cli::Failure(kCommand, error);
        }
        return cli::kSuccess;
    }
    const std::vector<std::string> header = PassListFileLines(
        observer.placeName, PassSearchSpanText(list.span, observer), observer.longitudeDeg,
        observer.latitudeDeg, PassListZoneText(observer, PassInstants(list), shown.currentJD),
        ElementFile().elementFilePath, {});
    // The lines are made as they are written: a long list never stands in memory whole.
    const bool file = !o.outPath.empty();
    bool latin1Holds = true;
    auto produce = [&](const ContentSink& sink) {
        BufferedOut out(sink);
        auto write = [&](const std::string& line) {
            if (file) {
                latin1Holds = latin1Holds && Latin1Holds({line});
                out.Write(PassListFileText({line}));
            } else {
                out.Write(line);
                out.Write("\n");
            }
        };
        for (const std::string& line : header) write(line);
        list.WriteLines(write);
    };
    if (!file) {
        produce([](std::string_view piece) { cli::PrintOut(piece); });
        return cli::kSuccess;
    }
    const std::string error = cli::WriteWholeFile(o.outPath, produce);
    if (!latin1Holds)
        cli::PrintNote("Latin-1 kennt nicht alle Zeichen von Ort und Dateiname; in " + o.outPath +
                       " stehen sie als \"?\".");
    if (!error.empty()) return cli::Failure(kCommand, error);
    return cli::kSuccess;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunPasses};

}  // namespace
