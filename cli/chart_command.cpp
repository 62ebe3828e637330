// polaride-cli chart: the main sky chart for a place and instant, drawn offscreen
// exactly as the main window draws it (design-size geometry, shown at the design size
// or scaled to a given client size), written as a PNG.
#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <string>
#include <vector>

#include "catalog/place_numbers.h"
#include "chart/canvas.h"
#include "chart/canvas_fit.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/civil_time.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/pass_list_file.h"
#include "prediction/selection_model.h"
#include "satellite/satellite_table.h"

namespace {

constexpr char kCommand[] = "chart";
constexpr char kUsage[] =
    "chart --out DATEI.png [--jd T | --date TT.MM.JJJJ --time hh:mm[:ss]] [--lon L --lat B] "
    "[--height M] [--zone H | --tz NAME] [--flags 11100] [--limit MAG] "
    "[--tle DATEI [--select PRÄFIX]] [--size BxH] [--model sgp4|sgp] [--data VERZEICHNIS]";

// Client area of the main window at its design size (outer 648 x 488).
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 442;
// Largest picture side that --width and --height accept.
constexpr int kMaxPictureSide = 10000;

std::string Help() {
    return std::string() +
           "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n"
           "  --date/--time: bürgerliche Zeit in der Zone (ohne Angabe: die Uhr des "
           "Rechners)\n"
           "  --flags: Planetennamen, Sternbildnamen, Sternbildlinien, Höhenlinien, "
           "Tierkreis\n"
           "  --limit: Grenzgröße der Sterne (mag)\n"
           "  --select: wählt die Satelliten, deren Name so beginnt\n"
           "  --size: Bildgröße in Pixeln, Breite x Höhe (z. B. 1600x1000): die Karte, wie\n"
           "          sie ein Hauptfenster mit dieser Fläche zeigt (ohne Angabe 640x442)\n" +
           cli::kPlaceHelp + cli::kModelHelp;
}

struct ChartOptions {
    std::string out, tle, select, date, time, flags;
    std::optional<double> jd, limit;
    std::optional<QSize> size;
    cli::PlaceOptions place;
    cli::ModelOption model;
};

// "BxH" with whole numbers from 1 to kMaxPictureSide.
std::string ReadPictureSize(const std::string& text, std::optional<QSize>& size) {
    const std::string::size_type x = text.find('x');
    int width = 0, height = 0;
    const std::string problem =
        x == std::string::npos ? std::string("--size braucht Breite x Höhe, z. B. 1600x1000")
        : !cli::ReadInteger("--size", text.substr(0, x), width).empty() ||
                !cli::ReadInteger("--size", text.substr(x + 1), height).empty()
            ? std::string("--size braucht Breite x Höhe, z. B. 1600x1000")
            : std::string();
    if (!problem.empty()) return problem;
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
        return "--size: Breite und Höhe von 1 bis " + std::to_string(kMaxPictureSide) +
               " Pixel (--size " + text + ")";
    size = QSize(width, height);
    return {};
}

std::string ParseOptions(const std::vector<std::string>& args, ChartOptions& opt) {
    cli::OptionNames names = cli::kPlaceOptions;
    names.insert(names.end(), {"--place", "--out", "--tle", "--select", "--date", "--time",
                               "--flags", "--jd", "--limit", "--size", "--model"});
    const std::string problem =
        cli::ReadOptions(args, names, {}, [&](const std::string& option, const std::string& value) {
            std::string problem;
            double number = 0.0;
            if (opt.place.Take(option, value, problem)) return problem;
            if (opt.model.Take(option, value, problem)) return problem;
            if (option == "--jd") {
                problem = cli::ReadInstant(option, value, number);
                opt.jd = number;
            } else if (option == "--limit") {
                problem = cli::ReadNumber(option, value, number);
                if (problem.empty() && !location::ChartMagnitudeWithinBounds(number))
                    problem = cli::InvalidEntry(std::string(location::kChartMagnitudeError) +
                                                " (--limit " + value + ")");
                opt.limit = number;
            } else if (option == "--size") {
                problem = ReadPictureSize(value, opt.size);
            } else if (option == "--date") {
                cli::CivilDate date;
                problem = cli::ReadDate(option, value, date);
                opt.date = value;
            } else if (option == "--time") {
                cli::CivilTime time;
                problem = cli::ReadTime(option, value, time);
                opt.time = value;
            } else if (option == "--flags") {
                if (value.size() != 5 || value.find_first_not_of("01") != std::string::npos)
                    problem = "--flags braucht fünf Ziffern 0/1";
                opt.flags = value;
            } else {
                (option == "--out" ? opt.out : option == "--tle" ? opt.tle : opt.select) = value;
            }
            return problem;
        });
    if (!problem.empty()) return problem;
    if (opt.out.empty()) return "--out fehlt";
    if (opt.jd && (!opt.date.empty() || !opt.time.empty()))
        return "--jd oder --date/--time, nicht beides";
    if (!opt.select.empty() && opt.tle.empty()) return "--select braucht --tle";
    return {};
}

// The instant: --jd, or the civil date and time in the configured zone (each defaults
// to that of the computer clock's instant, whatever zone the computer is set to). The
// message of a time the zone skips (at a change to summer time); empty when set.
std::string SetInstant(const ChartOptions& opt, const ObservingPlace& place, DisplayedInstant& o) {
    if (opt.jd) {
        o.currentJD = *opt.jd;
        o.year = CivilFromJD1900(o.currentJD, place.zoneOffsetAt(o.currentJD)).year;
        return {};
    }
    const JD1900 clock = InstantFromUnixSeconds(QDateTime::currentSecsSinceEpoch());
    const CivilDateTime now = CivilFromJD1900(clock, place.zoneOffsetAt(clock));
    cli::CivilDate date{now.day, now.month, now.year};
    cli::CivilTime time{now.hour, now.minute, now.second};
    if (!opt.date.empty()) cli::ReadDate("--date", opt.date, date);
    if (!opt.time.empty()) cli::ReadTime("--time", opt.time, time);
    const LocalTimeResolution local = place.instantFromLocal(date.year, date.month, date.day,
                                                             time.hour, time.minute, time.second);
    if (local.kind == LocalTimeKind::Skipped) return local.message;
    if (local.kind == LocalTimeKind::Repeated) cli::PrintNote(local.message);
    o.currentJD = local.instant.instant;
    o.year = local.instant.year;
    return {};
}

int RunChart(const std::vector<std::string>& args) {
    ChartOptions opt;
    if (const std::string problem = ParseOptions(args, opt); !problem.empty())
        return cli::UsageProblem(kCommand, kUsage, problem);

    if (std::string error = cli::EnterDataFolder(opt.place.dataDir, {&opt.out, &opt.tle});
        !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);

    ApplyDefaultObserverSettings(Place(), ViewOptions());
    cli::SettingsSource settings;
    const std::string placeProblem = cli::ApplyPlace(
        opt.place, cli::kUseHeight | cli::kUseZone | cli::kUseName, settings, Place());
    const DisplayOptions& file = settings.FileDisplay();
    ViewOptions().limitingMagnitude = opt.limit.value_or(file.limitingMagnitude);
    if (!opt.limit)
        settings.Taken("Grenzgröße " + cli::NumberText(ViewOptions().limitingMagnitude) + " mag");
    const std::array<bool, 5> fileFlags = {file.showPlanetNames, file.showConstellationNames,
                                           file.showConstellationLines, file.showAltitudeLines,
                                           file.showZodiac};
    const std::array<bool, 5> flags = opt.flags.empty() ? fileFlags : FlagsFromWord(opt.flags);
    if (opt.flags.empty()) settings.Taken("Anzeige " + FlagWord(flags));
    if (!opt.tle.empty()) cli::ApplyOrbitModel(opt.model, settings);
    settings.PrintNote();
    if (!placeProblem.empty()) return cli::UsageProblem(kCommand, kUsage, placeProblem);
    ViewOptions().showPlanetNames = flags[0];
    ViewOptions().showConstellationNames = flags[1];
    ViewOptions().showConstellationLines = flags[2];
    ViewOptions().showAltitudeLines = flags[3];
    ViewOptions().showZodiac = flags[4];
    ChartView().setChartGeometry(648, 488);
    if (const std::string problem = SetInstant(opt, Place(), Shown()); !problem.empty())
        return cli::UsageProblem(kCommand, kUsage, problem);
    FormatDateTime1900(Shown().currentJD);
    Shown().timeChanged = true;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "polaride-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    if (!opt.tle.empty()) {
        cli::LoadSatelliteMagnitudes();
        const LoadResult load = LoadElementFile(opt.tle);
        if (!load.opened) return cli::Failure(kCommand, load.errorText);
        cli::PrintNote(load.noticeText);
        if (!opt.select.empty()) {
            EnsureLeftList();
            ApplyNameFilter(Utf8ToLatin1(opt.select));  // name lines are Latin-1
        }
        Shown().timeChanged = true;
    }

    Canvas canvas(kClientWidth, kClientHeight, Qt::black);
    if (opt.size) FitCanvas(canvas, QSize(kClientWidth, kClientHeight), *opt.size, 1.0);
    std::string error;
    const bool complete = DrawSkyChart(canvas, &error);
    if (!complete) cli::PrintErr("polaride-cli chart: " + error + " (Zeichnung unvollständig)");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!canvas.Image().save(&buffer, "PNG"))
        return cli::Failure(kCommand, "Bild kann nicht erzeugt werden");
    if (std::string problem =
            cli::WriteWholeFile(opt.out, std::string_view(png.constData(), png.size()));
        !problem.empty())
        return cli::Failure(kCommand, problem);
    return complete ? cli::kSuccess : cli::kFailure;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunChart};

}  // namespace
