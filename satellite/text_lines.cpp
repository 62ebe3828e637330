#include "satellite/text_lines.h"

#include <algorithm>
#include <exception>

namespace {

constexpr int kEof = std::char_traits<char>::eof();

}  // namespace

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
    // The kept part is gathered here and stored with one allocation.
    char kept[kMaxKeptLineLength];
    try {
        for (;;) {
            const int c = buffer->sbumpc();
            if (c == kEof) {
                in.setstate(std::ios::eofbit);
                break;
            }
            readAny = true;
            if (c == '\n') break;
            if (c == '\r') {
                if (buffer->sgetc() == '\n') buffer->sbumpc();
                break;
            }
            if (length < kMaxKeptLineLength) kept[length] = static_cast<char>(c);
            ++length;
        }
    } catch (const std::exception&) {
        line.assign(kept, std::min(length, kMaxKeptLineLength));
        in.setstate(std::ios::badbit);
        return false;
    }
    line.assign(kept, std::min(length, kMaxKeptLineLength));
    if (length > kMaxKeptLineLength) tooLong = true;
    if (!readAny) in.setstate(std::ios::failbit);
    return readAny;
}

bool ReadTextLine(std::istream& in, std::string& line) {
    bool tooLong = false;
    return ReadTextLine(in, line, tooLong);
}

bool AtEndOfText(std::istream& in) {
    std::streambuf* buffer = in.rdbuf();
    if (!buffer || !in.good()) return true;
    try {
        return buffer->sgetc() == kEof;
    } catch (const std::exception&) {
        in.setstate(std::ios::badbit);
        return true;
    }
}
