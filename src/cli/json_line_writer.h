#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "cli/json_name.h"

namespace sorvik::cli {

// A writer (see chart_json.h) that appends compact JSON to a string, for the batch, where the
// JSON library would take longer than the charts. Tested against the library's reading of the
// same objects. Texts must be UTF-8.
//
// It writes into room it adds to the string beforehand and cuts the string to what it wrote
// when it goes: read the string only after the writer's end.
class JsonLineWriter {
  public:
    explicit JsonLineWriter(std::string& out) : out_(out) { point(out.size()); }
    // Writes over the string from its start and leaves it as long as it is, as room for the
    // next use (the string's new room is filled before it is written): what was written are
    // the first written() bytes.
    struct OverRoom {};
    JsonLineWriter(std::string& out, OverRoom) : out_(out), keepsRoom_(true) { point(0); }
    ~JsonLineWriter() {
        if (!keepsRoom_) {
            out_.resize(written());
        }
    }
    std::size_t written() const { return static_cast<std::size_t>(at_ - out_.data()); }
    JsonLineWriter(const JsonLineWriter&) = delete;
    JsonLineWriter& operator=(const JsonLineWriter&) = delete;

    // Ends a line of JSON Lines: the next value starts the next line.
    void endLine() {
        *room(1) = '\n';
        ++at_;
        needComma_ = false;
    }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view key) {
        char* at = writeString(next(key.size() * kEscapeRoom + 3), key);
        *at++ = ':';
        at_ = at;
        needComma_ = false;
    }
    void key(const JsonName& name) {
        char* at = writeName(next(JsonName::kRoom + 1), name);
        *at++ = ':';
        at_ = at;
        needComma_ = false;
    }
    void value(int number) { value(static_cast<long long>(number)); }
    void value(long long number) {
        at_ = writeNumber(next(kNumberRoom), number);
        needComma_ = true;
    }
    void value(std::string_view text) {
        at_ = writeString(next(text.size() * kEscapeRoom + 2), text);
        needComma_ = true;
    }
    void value(const JsonName& name) {
        at_ = writeName(next(JsonName::kRoom), name);
        needComma_ = true;
    }
    // An array of integers at once: a chart line holds some two thousand of them, nearly all
    // small.
    template <typename Range>
    void intArray(const Range& numbers) {
        char* at = next(std::size(numbers) * (kNumberRoom + 1) + 2);
        char* const start = at;
        *at++ = '[';
        // Zeros too go through the table: a fixed count of moves beats looking for the
        // trailing zeros of a star row.
        for (const auto number : numbers) {
            at = writeElement(at, static_cast<long long>(number));
        }
        if (at == start + 1) {
            *at++ = ']';
        } else {
            at[-1] = ']';  // in place of the last comma
        }
        at_ = at;
        needComma_ = true;
    }

  private:
    static constexpr std::size_t kNumberRoom = 20;  // digits and sign of any long long
    static constexpr std::size_t kEscapeRoom = 6;   // the most a text's byte takes: "\u001f"

    // Inline and without a bounds check per digit; most numbers are below 100.
    static char* writeNumber(char* at, long long number) {
        if (number >= 0 && number < 100) {
            if (number >= 10) {
                *at++ = static_cast<char>('0' + number / 10);
            }
            *at++ = static_cast<char>('0' + number % 10);
            return at;
        }
        return std::to_chars(at, at + kNumberRoom, number).ptr;
    }
    // The number and a comma. A small one (star powers go down to -9) is copied from a table
    // in one move of four bytes.
    static char* writeElement(char* at, long long number) {
        if (number >= kSmallestNumber && number < kSmallestNumber + kSmallNumberCount) {
            const SmallNumber& small =
                kSmallNumbers[static_cast<std::size_t>(number - kSmallestNumber)];
            std::memcpy(at, small.text.data(), small.text.size());
            return at + small.length;
        }
        at = writeNumber(at, number);
        *at++ = ',';
        return at;
    }
    struct SmallNumber {
        std::array<char, 4> text;  // the digits and a comma
        std::uint8_t length;
    };
    static constexpr long long kSmallestNumber = -99;
    static constexpr long long kSmallNumberCount = 1099;  // up to 999
    static constexpr std::array<SmallNumber, kSmallNumberCount> kSmallNumbers = [] {
        std::array<SmallNumber, kSmallNumberCount> table{};
        for (long long n = kSmallestNumber; n < kSmallestNumber + kSmallNumberCount; ++n) {
            SmallNumber& small = table[static_cast<std::size_t>(n - kSmallestNumber)];
            const long long magnitude = n < 0 ? -n : n;
            std::size_t length = 0;
            if (n < 0) {
                small.text[length++] = '-';
            }
            if (magnitude >= 100) {
                small.text[length++] = static_cast<char>('0' + magnitude / 100);
            }
            if (magnitude >= 10) {
                small.text[length++] = static_cast<char>('0' + magnitude / 10 % 10);
            }
            small.text[length++] = static_cast<char>('0' + magnitude % 10);
            small.text[length++] = ',';
            small.length = static_cast<std::uint8_t>(length);
        }
        return table;
    }();

    // Room for `bytes` at the end of what is written, where a writing step starts.
    char* room(std::size_t bytes) {
        if (static_cast<std::size_t>(limit_ - at_) < bytes) {
            grow(bytes);
        }
        return at_;
    }
    void grow(std::size_t bytes);
    void point(std::size_t written) {
        at_ = out_.data() + written;
        limit_ = out_.data() + out_.size();
    }
    // Room for a value of at most `bytes` and the comma before it; where the value goes.
    char* next(std::size_t bytes) {
        char* at = room(bytes + 1);
        if (needComma_) {
            *at++ = ',';
        }
        return at;
    }
    void open(char bracket) {
        char* at = next(1);
        *at++ = bracket;
        at_ = at;
        needComma_ = false;
    }
    void close(char bracket) {
        *room(1) = bracket;
        ++at_;
        needComma_ = true;
    }
    // The quoted text at `at`, escaped; returns its end. Needs room for kEscapeRoom bytes a
    // byte and the quotes.
    static char* writeString(char* at, std::string_view text);
    // Copies the whole room of the name, which needs no escape.
    static char* writeName(char* at, const JsonName& name) {
        std::memcpy(at, name.quoted(), JsonName::kRoom);
        return at + name.quotedSize();
    }

    std::string& out_;
    // Where the next byte goes and where the room ends, in out_; past at_ it is room.
    char* at_ = nullptr;
    char* limit_ = nullptr;
    bool keepsRoom_ = false;
    // A member or element came before; a key clears it so that its value follows directly.
    bool needComma_ = false;
};

}  // namespace sorvik::cli
