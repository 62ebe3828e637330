#include "satellite/text_lines.h"

bool ReadTextLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    if (!buffer || !in.good()) {
        in.setstate(std::ios::failbit);
        return false;
    }
    bool readAny = false;
    std::size_t length = 0;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        readAny = true;
        if (c == '\n') break;
        if (length < kMaxKeptLineLength) line.push_back(static_cast<char>(c));
        ++length;
    }
    if (length > kMaxKeptLineLength) tooLong = true;
    if (!line.empty() && line.back() == '\r' && length <= kMaxKeptLineLength) line.pop_back();
    if (!readAny) in.setstate(std::ios::failbit);
    return readAny;
}

bool ReadTextLine(std::istream& in, std::string& line) {
    bool tooLong = false;
    return ReadTextLine(in, line, tooLong);
}

bool AtEndOfText(std::istream& in) {
    std::streambuf* buffer = in.rdbuf();
    return !buffer || !in.good() || buffer->sgetc() == std::char_traits<char>::eof();
}
