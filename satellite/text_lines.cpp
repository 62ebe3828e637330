#include "satellite/text_lines.h"

#include <algorithm>
#include <cstring>
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

bool ReadTextLine(std::string_view text, std::size_t& at, std::string_view& line, bool& tooLong) {
    line = {};
    tooLong = false;
    if (at >= text.size()) return false;
    const char* begin = text.data() + at;
    const std::size_t rest = text.size() - at;
    // The first LF, then the first CR before it: whichever comes first ends the line.
    const void* lf = std::memchr(begin, '\n', rest);
    std::size_t length = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : rest;
    std::size_t end = length + (lf ? 1 : 0);
    if (const void* cr = std::memchr(begin, '\r', length)) {
        const std::size_t lfAt = length;
        length = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
        end = lf && length + 1 == lfAt ? lfAt + 1 : length + 1;  // CR LF ends the line as one
    }
    line = std::string_view(begin, std::min(length, kMaxKeptLineLength));
    tooLong = length > kMaxKeptLineLength;
    at += end;
    return true;
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
