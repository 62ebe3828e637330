#include "satellite/text_lines.h"

bool ReadTextLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (!buffer) return false;
    bool readAny = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        readAny = true;
        if (c == '\n') break;
        if (line.size() < kMaxKeptLineLength) line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!readAny) in.setstate(std::ios::failbit);
    return readAny;
}
