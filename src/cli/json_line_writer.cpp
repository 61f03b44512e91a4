#include "json_line_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace sorvik::cli {

namespace {

// The escape of each byte below 0x20 and of '"' and '\\'; empty for bytes that pass through
// (all of UTF-8's bytes from 0x80 on pass through).
constexpr std::array<std::string_view, 128> makeEscapes() {
    std::array<std::string_view, 128> escapes{};
    constexpr std::array<std::string_view, 32> controls = {
        "\\u0000", "\\u0001", "\\u0002", "\\u0003", "\\u0004", "\\u0005", "\\u0006", "\\u0007",
        "\\b",     "\\t",     "\\n",     "\\u000b", "\\f",     "\\r",     "\\u000e", "\\u000f",
        "\\u0010", "\\u0011", "\\u0012", "\\u0013", "\\u0014", "\\u0015", "\\u0016", "\\u0017",
        "\\u0018", "\\u0019", "\\u001a", "\\u001b", "\\u001c", "\\u001d", "\\u001e", "\\u001f"};
    for (std::size_t c = 0; c < controls.size(); ++c) {
        escapes[c] = controls[c];
    }
    escapes['"'] = "\\\"";
    escapes['\\'] = "\\\\";
    return escapes;
}

constexpr std::array<std::string_view, 128> kEscapes = makeEscapes();

// Whether eight bytes hold one that needs an escape: below 0x20, '"' or '\\'. Bytes of 0x80
// and above never count.
bool anyEscapeIn(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighs; };
    const std::uint64_t control = (word - kOnes * 0x20) & ~word & kHighs;
    return (control | zeroByte(word ^ (kOnes * '"')) | zeroByte(word ^ (kOnes * '\\'))) != 0;
}

}  // namespace

void JsonLineWriter::grow(std::size_t bytes) {
    // Add room past what is written, not past the whole string: the batch hands one string to
    // many writers in turn, and doubling it each time zero-filled far more than was written.
    // The string's own capacity still grows geometrically.
    const std::size_t used = written();
    out_.resize(used + bytes + 4096);
    point(used);
}

char* JsonLineWriter::writeString(char* end, std::string_view text) {
    *end++ = '"';
    const char* from = text.data();
    const char* const stop = from + text.size();
    // Eight bytes at a time while none needs an escape, most often the whole text, its end as
    // the last eight bytes again; then byte by byte.
    for (; stop - from >= 8; from += 8, end += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, from, sizeof word);
        if (anyEscapeIn(word)) {
            break;
        }
        std::memcpy(end, &word, sizeof word);
    }
    // Before the last eight bytes all went through unescaped.
    if (const auto rest = static_cast<std::size_t>(stop - from);
        rest > 0 && rest < 8 && text.size() >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, stop - 8, sizeof word);
        if (!anyEscapeIn(word)) {
            std::memcpy(end + rest - 8, &word, sizeof word);
            end += rest;
            from = stop;
        }
    }
    for (; from < stop; ++from) {
        const auto byte = static_cast<unsigned char>(*from);
        if (byte < kEscapes.size() && !kEscapes[byte].empty()) {
            const std::string_view escape = kEscapes[byte];
            end = std::copy(escape.begin(), escape.end(), end);
        } else {
            *end++ = *from;
        }
    }
    *end++ = '"';
    return end;
}

}  // namespace sorvik::cli
