#include "cli/cli_output.h"

#include <iostream>

#include "core/json_text.h"
#include "core/replace_file.h"

namespace cli {

namespace {

// Valid UTF-8 without the control characters a terminal would act on (C0 but line
// feed and tab, DEL, C1): those become "?".
std::string TerminalText(std::string_view text) {
    std::string out = jsontext::ReadableUtf8(text);
    std::size_t w = 0;
    for (std::size_t r = 0; r < out.size(); ++r) {
        const auto c = static_cast<unsigned char>(out[r]);
        const auto next = r + 1 < out.size() ? static_cast<unsigned char>(out[r + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F
            out[w++] = '?';
            ++r;
        } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
            out[w++] = '?';
        } else {
            out[w++] = out[r];
        }
    }
    out.resize(w);
    return out;
}

}  // namespace

void PrintOut(std::string_view text) { std::cout << TerminalText(text) << std::flush; }

void PrintErr(std::string_view line) {
    if (!line.empty()) std::cerr << TerminalText(line) << "\n";
}

void PrintNote(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) PrintErr("Hinweis: " + std::string(line));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

int UsageProblem(std::string_view command, std::string_view usage, const std::string& problem) {
    PrintErr("polaride-cli " + std::string(command) + ": " + problem);
    PrintErr("Aufruf: polaride-cli " + std::string(usage));
    return kBadUsage;
}

int Failure(std::string_view command, const std::string& problem) {
    PrintErr("polaride-cli " + std::string(command) + ": " + problem);
    return kFailure;
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
    return WriteWholeFile(path, [bytes](const ContentSink& write) { write(bytes); });
}

std::string WriteWholeFile(const std::string& path, const ContentProducer& produce) {
    const ReplaceFileResult result = ReplaceFileContents(path, produce);
    if (result.ok) return {};
    return "Fehler beim Schreiben von " + path + ": " + result.errorText +
           (result.targetExisted ? " (die bisherige Datei bleibt unverändert)" : "");
}

}  // namespace cli
