// polaride-cli chart: the main sky chart for a place and instant, drawn offscreen
// exactly as the main window draws it (design-size geometry), written as a PNG.
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/clock.h"
#include "app/settings_file.h"
#include "chart/canvas.h"
#include "chart/sky_chart.h"
#include "chart/stern_interaction.h"
#include "cli/command_registry.h"
#include "core/number_text.h"
#include "core/observer_state.h"
#include "passes/selection_model.h"
#include "satellite/satellite_table.h"

namespace {

constexpr char kUsage[] =
    "chart --out DATEI.png [--jd T | --date TT.MM.JJJJ --time hh:mm[:ss]] [--lon L --lat B] "
    "[--height M] [--zone H] [--flags 11100] [--limit MAG] [--tle DATEI [--select PRÄFIX]] "
    "[--data VERZEICHNIS]";

// Client area of the main window at its design size (outer 648 x 488).
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 442;

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << problem << "\n";
    std::cerr
        << "Aufruf: polaride-cli " << kUsage << "\n"
        << "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n"
        << "  --date/--time: bürgerliche Zeit in der Zone H (Vorgabe 1 h)\n"
        << "  L: geographische Länge in Grad, östlich positiv; B: Breite in Grad\n"
        << "  --flags: Planetennamen, Sternbildnamen, Sternbildlinien, Höhenlinien, Tierkreis\n"
        << "  --select: wählt die Satelliten, deren Name so beginnt\n"
        << "Ohne Ort gilt Berlin, ohne Zeitpunkt die Uhr des Rechners.\n";
    return 2;
}

struct ChartOptions {
    std::string out, tle, select, dataDir, date, time, flags;
    double jd = 0, lon = 0, lat = 0, height = 0, zone = 1, limit = 5;
    bool haveJd = false, haveLon = false, haveLat = false, haveHeight = false, haveZone = false,
         haveLimit = false;
};

bool IsNumberOption(const std::string& o) {
    return o == "--jd" || o == "--lon" || o == "--lat" || o == "--height" || o == "--zone" ||
           o == "--limit";
}

// Parses the options; returns an error text (empty when fine).
std::string ParseOptions(const std::vector<std::string>& args, ChartOptions& opt) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool known = IsNumberOption(option) || option == "--out" || option == "--tle" ||
                           option == "--select" || option == "--data" || option == "--date" ||
                           option == "--time" || option == "--flags";
        if (!known) return "Unbekannte Option: " + option;
        if (i + 1 >= args.size()) return "Wert fehlt für " + option;
        const std::string& value = args[++i];
        if (!IsNumberOption(option)) {
            if (option == "--out") opt.out = value;
            if (option == "--tle") opt.tle = value;
            if (option == "--select") opt.select = value;
            if (option == "--data") opt.dataDir = value;
            if (option == "--date") opt.date = value;
            if (option == "--time") opt.time = value;
            if (option == "--flags") opt.flags = value;
            continue;
        }
        double v = 0.0;
        if (!numtext::ParseReal(value, v)) return "Ungültiger Wert für " + option + ": " + value;
        if (option == "--jd") {
            if (v < -2.0e6 || v > 2.0e6) return "Ungültiger Wert für --jd: " + value;
            opt.jd = v;
            opt.haveJd = true;
        } else if (option == "--lon") {
            if (v < -180.0 || v > 360.0) return "Ungültiger Wert für --lon: " + value;
            opt.lon = v;
            opt.haveLon = true;
        } else if (option == "--lat") {
            if (v < -90.0 || v > 90.0) return "Ungültiger Wert für --lat: " + value;
            opt.lat = v;
            opt.haveLat = true;
        } else if (option == "--height") {
            opt.height = v;
            opt.haveHeight = true;
        } else if (option == "--zone") {
            if (v < -24.0 || v > 24.0) return "Ungültiger Wert für --zone: " + value;
            opt.zone = v;
            opt.haveZone = true;
        } else {
            opt.limit = v;
            opt.haveLimit = true;
        }
    }
    if (opt.out.empty()) return "--out ist erforderlich";
    if (opt.haveLon != opt.haveLat) return "--lon und --lat gehören zusammen";
    if (opt.haveJd && (!opt.date.empty() || !opt.time.empty()))
        return "--jd oder --date/--time, nicht beides";
    if (!opt.select.empty() && opt.tle.empty()) return "--select braucht --tle";
    if (!opt.flags.empty() && opt.flags.size() != 5) return "--flags braucht fünf Ziffern 0/1";
    return {};
}

std::string Number(double v) { return QString::number(v, 'g', 10).toStdString(); }

std::string ZoneName(double offset) {
    if (offset == 1.0) return " MEZ";
    if (offset == 2.0) return " MESZ";
    if (offset == 0.0) return " UT";
    std::string number = Number(offset);
    return " UT" + std::string(offset > 0 ? "+" : "") + number;
}

int RunChart(const std::vector<std::string>& args) {
    ChartOptions opt;
    if (const std::string problem = ParseOptions(args, opt); !problem.empty())
        return Usage(problem);

    // Paths given relative to the caller's folder stay valid after the change into
    // the data folder.
    std::error_code ec;
    const std::filesystem::path out = std::filesystem::absolute(opt.out, ec);
    const std::filesystem::path tle =
        opt.tle.empty() ? std::filesystem::path() : std::filesystem::absolute(opt.tle, ec);
    if (!opt.dataDir.empty()) {
        std::filesystem::current_path(opt.dataDir, ec);
        if (ec) return Usage("Verzeichnis nicht gefunden: " + opt.dataDir);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "polaride-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    ObserverState& o = Observer();
    ApplyDefaultObserverSettings(o);
    if (opt.haveLon) {
        o.placeName = "L " + Number(opt.lon) + " B " + Number(opt.lat);
        o.longitudeDeg = opt.lon;
        o.setLatitude(opt.lat);
    }
    if (opt.haveHeight) o.heightM = opt.height;
    if (opt.haveZone) {
        o.zoneOffsetHours = opt.zone;
        o.zoneName = ZoneName(opt.zone);
    }
    if (opt.haveLimit) o.limitingMagnitude = opt.limit;
    if (!opt.flags.empty()) {
        const auto flags = FlagsFromWord(opt.flags);
        o.showPlanetNames = flags[0];
        o.showConstellationNames = flags[1];
        o.showConstellationLines = flags[2];
        o.showAltitudeLines = flags[3];
        o.showZodiac = flags[4];
    }
    o.setChartGeometry(648, 488);

    if (opt.haveJd) {
        o.currentJD = opt.jd;
        FormatDateTime1900(o.currentJD);
        o.year = CivilFromJD1900(o.currentJD, o.zoneOffsetHours).year;
    } else {
        SetInstantFromClock(o, QDateTime::currentDateTime());
        FormatDateTime1900(o.currentJD);
        QString date = QString::fromStdString(DateText), time = QString::fromStdString(TimeText);
        if (!opt.date.empty() && !ParseChartDate(QString::fromStdString(opt.date), &date))
            return Usage("Ungültiges Datum: " + opt.date);
        if (!opt.time.empty() && !ParseChartTime(QString::fromStdString(opt.time), &time))
            return Usage("Ungültige Uhrzeit: " + opt.time);
        CivilInstant instant;
        if (!InstantFromDateTimeTexts(date.toStdString(), time.toStdString(), o.zoneOffsetHours,
                                      instant))
            return Usage("Ungültiges Datum oder Uhrzeit");
        o.currentJD = instant.instant;
        o.year = instant.year;
    }
    o.timeChanged = true;

    if (!tle.empty()) {
        const LoadResult load = LoadElementFile(tle.string());
        if (!load.opened) {
            std::cerr << load.errorText << ": " << tle.string() << "\n";
            return 1;
        }
        if (!opt.select.empty()) {
            EnsureLeftList();
            ApplyNameFilter(opt.select);
        }
        o.timeChanged = true;
    }

    Canvas canvas(kClientWidth, kClientHeight, Qt::black);
    std::string error;
    const bool complete = DrawSkyChart(canvas, &error);
    if (!complete) std::cerr << error << " (Zeichnung unvollständig)\n";
    if (!canvas.Image().save(QString::fromStdString(out.string()), "PNG")) {
        std::cerr << "Datei kann nicht geschrieben werden: " << out.string() << "\n";
        return 1;
    }
    return complete ? 0 : 1;
}

cli::RegisterCommand reg{"chart", kUsage, RunChart};

}  // namespace
