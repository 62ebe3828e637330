// polaride-cli sgp: one satellite of an element file at given instants as JSON.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/command_registry.h"
#include "core/number_text.h"
#include "satellite/sgp_report.h"
#include "satellite/text_lines.h"

namespace {

constexpr char kUsage[] =
    "sgp --tle DATEI (--index N | --catnr C) (--jd T | --minutes M)... [--lon L --lat B --height "
    "H]";

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << problem << "\n";
    std::cerr
        << "Aufruf: polaride-cli " << kUsage << "\n"
        << "  DATEI: Bahnelemente-Datei (Namenszeile und zwei Elementzeilen je Satellit)\n"
        << "  N: Nummer des Satelliten in der Datei (ab 1); C: Katalognummer\n"
        << "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n"
        << "  M: Minuten nach der Epoche der Elemente; beide Angaben mehrfach möglich\n"
        << "  L: geographische Länge in Grad, östlich positiv; B: Breite in Grad;\n"
        << "  H: Höhe über dem Meer in Metern (Vorgabe: polaride.cfg im Arbeitsverzeichnis)\n";
    return 2;
}

// Place from lines 2 to 4 of the settings file in the working directory, where readable.
void PlaceFromSettings(SgpReportRequest& request, bool& haveLon, bool& haveLat, bool& haveHeight) {
    std::ifstream in("polaride.cfg", std::ios::binary);
    if (!in) return;
    std::string line;
    for (int number = 1; number <= 4 && ReadTextLine(in, line); ++number) {
        double value = 0.0;
        if (number == 1 || !numtext::ParseReal(line, value)) continue;
        if (number == 2 && !haveLon) {
            request.longitudeDeg = value;
            haveLon = true;
        } else if (number == 3 && !haveLat && value >= -90.0 && value <= 90.0) {
            request.latitudeDeg = value;
            haveLat = true;
        } else if (number == 4 && !haveHeight) {
            request.heightM = value;
            haveHeight = true;
        }
    }
}

int RunSgp(const std::vector<std::string>& args) {
    SgpReportRequest request;
    bool haveTle = false, haveIndex = false, haveCatnr = false;
    bool haveLon = false, haveLat = false, haveHeight = false;
    const std::string problem = cli::ReadOptions(
        args, {"--tle", "--index", "--catnr", "--jd", "--minutes", "--lon", "--lat", "--height"},
        [&](const std::string& option, const std::string& value) -> std::string {
            if (option == "--tle") {
                if (haveTle) return "--tle ist doppelt angegeben";
                request.elementFile = value;
                haveTle = true;
                return {};
            }
            if (option == "--index") {
                int index = 0;
                if (haveIndex || haveCatnr) return "Nur eine Angabe --index oder --catnr";
                if (!numtext::ParseInteger(value, index) || index < 1)
                    return "Ungültiger Wert für --index: " + value;
                request.index = index;
                haveIndex = true;
                return {};
            }
            double v = 0.0;
            if (!numtext::ParseReal(value, v))
                return "Ungültiger Wert für " + option + ": " + value;
            if (option == "--catnr") {
                if (haveIndex || haveCatnr) return "Nur eine Angabe --index oder --catnr";
                if (v < 0.0 || v > 99999.0) return "Ungültiger Wert für --catnr: " + value;
                request.catalogNumber = v;
                haveCatnr = true;
            } else if (option == "--jd" || option == "--minutes") {
                if (v < -1.0e9 || v > 1.0e9) return "Ungültiger Wert für " + option + ": " + value;
                request.instants.push_back({option == "--minutes", v});
            } else if (option == "--lon") {
                if (v < -360.0 || v > 360.0) return "Ungültiger Wert für --lon: " + value;
                request.longitudeDeg = v;
                haveLon = true;
            } else if (option == "--lat") {
                if (v < -90.0 || v > 90.0) return "Ungültiger Wert für --lat: " + value;
                request.latitudeDeg = v;
                haveLat = true;
            } else {
                if (v < -1.0e5 || v > 1.0e6) return "Ungültiger Wert für --height: " + value;
                request.heightM = v;
                haveHeight = true;
            }
            return {};
        });
    if (!problem.empty()) return Usage(problem);
    if (!haveTle) return Usage("--tle ist erforderlich");
    if (!haveIndex && !haveCatnr) return Usage("--index oder --catnr ist erforderlich");
    if (request.instants.empty())
        return Usage("Mindestens ein --jd oder --minutes ist erforderlich");
    PlaceFromSettings(request, haveLon, haveLat, haveHeight);
    if (!haveLon || !haveLat)
        std::cerr
            << "Hinweis: kein Beobachtungsort aus polaride.cfg; Länge und Breite 0 angenommen\n";

    const SgpReport report = ComputeSgpReport(request);
    if (!report.ok) {
        std::cerr << report.errorText << "\n";
        return 1;
    }
    std::cout << report.json << "\n";
    return 0;
}

cli::RegisterCommand reg{"sgp", kUsage, RunSgp};

}  // namespace
