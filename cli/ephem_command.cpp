// polaride-cli ephem: one full ephemeris for a place and instant as JSON.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/command_registry.h"
#include "core/ephemeris_report.h"
#include "core/number_text.h"

namespace {

constexpr char kUsage[] =
    "ephem --jd T --lon L --lat B [--height M] [--zone H] [--data VERZEICHNIS]";

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << problem << "\n";
    std::cerr << "Aufruf: polaride-cli " << kUsage << "\n"
              << "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n"
              << "  L: geographische Länge in Grad, östlich positiv; B: Breite in Grad\n"
              << "  M: Höhe über dem Meer in Metern; H: Zeitzone minus UTC in Stunden\n";
    return 2;
}

int RunEphem(const std::vector<std::string>& args) {
    EphemerisRequest request;
    bool haveJd = false, haveLon = false, haveLat = false;
    std::string dataDir;
    const std::string problem = cli::ReadOptions(
        args, {"--jd", "--lon", "--lat", "--height", "--zone", "--data"},
        [&](const std::string& option, const std::string& value) -> std::string {
            if (option == "--data") {
                dataDir = value;
                return {};
            }
            double v = 0.0;
            if (!numtext::ParseReal(value, v))
                return "Ungültiger Wert für " + option + ": " + value;
            if (option == "--jd") {
                request.instant = v;
                haveJd = true;
            } else if (option == "--lon") {
                request.longitudeDeg = v;
                haveLon = true;
            } else if (option == "--lat") {
                if (v < -90.0 || v > 90.0) return "Ungültiger Wert für --lat: " + value;
                request.latitudeDeg = v;
                haveLat = true;
            } else if (option == "--height") {
                request.heightM = v;
            } else {
                if (v < -24.0 || v > 24.0) return "Ungültiger Wert für --zone: " + value;
                request.zoneOffsetHours = v;
            }
            return {};
        });
    if (!problem.empty()) return Usage(problem);
    if (!haveJd || !haveLon || !haveLat) return Usage("--jd, --lon und --lat sind erforderlich");
    if (request.instant < -2.0e8 || request.instant > 2.0e8)
        return Usage("Ungültiger Wert für --jd");
    if (!dataDir.empty()) {
        std::error_code ec;
        std::filesystem::current_path(dataDir, ec);
        if (ec) return Usage("Verzeichnis nicht gefunden: " + dataDir);
    }
    const EphemerisReport report = ComputeEphemerisReport(request);
    for (const std::string& w : report.warnings) std::cerr << w << " (Eintrag ausgelassen)\n";
    std::cout << EphemerisReportJson(report) << "\n";
    return 0;
}

cli::RegisterCommand reg{"ephem", kUsage, RunEphem};

}  // namespace
