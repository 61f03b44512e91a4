#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <cstddef>
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
    explicit JsonLineWriter(std::string& out) : out_(out), used_(out.size()) {}
    // Writes over the string from its start and leaves it as long as it is, as room for the
    // next use (the string's new room is filled before it is written): what was written are
    // the first written() bytes.
    struct OverRoom {};
    JsonLineWriter(std::string& out, OverRoom) : out_(out), used_(0), keepsRoom_(true) {}
    ~JsonLineWriter() {
        if (!keepsRoom_) {
            out_.resize(used_);
        }
    }
    std::size_t written() const { return used_; }
    JsonLineWriter(const JsonLineWriter&) = delete;
    JsonLineWriter& operator=(const JsonLineWriter&) = delete;

    // Ends a line of JSON Lines: the next value starts the next line.
    void endLine() {
        put('\n');
        needComma_ = false;
    }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view key) {
        separate();
        appendString(key);
        put(':');
    }
    void key(const JsonName& name) {
        separate();
        appendName(name);
        put(':');
    }
    void value(int number) { value(static_cast<long long>(number)); }
    void value(long long number) {
        char* const start = room(kNumberRoom + 1);
        char* end = start;
        if (needComma_) {
            *end++ = ',';
        }
        end = writeNumber(end, number);
        used_ += static_cast<std::size_t>(end - start);
        needComma_ = true;
    }
    void value(std::string_view text) {
        separate();
        appendString(text);
        needComma_ = true;
    }
    void value(const JsonName& name) {
        separate();
        appendName(name);
        needComma_ = true;
    }
    // An array of integers at once: a chart line holds some two thousand of them, nearly all
    // small, and most of its star rows end in a run of zeros.
    template <typename Range>
    void intArray(const Range& numbers) {
        open('[');
        const std::size_t size = std::size(numbers);
        char* const start = room(size * (kNumberRoom + 1) + 1 + kZeros.size());
        char* end = start;
        std::size_t nonZero = size;  // up to the trailing zeros
        while (nonZero > 0 && std::data(numbers)[nonZero - 1] == 0) {
            --nonZero;
        }
        for (std::size_t i = 0; i < nonZero; ++i) {
            end = writeElement(end, static_cast<long long>(std::data(numbers)[i]));
        }
        end = writeZeros(end, size - nonZero);
        if (end == start) {
            *end++ = ']';
        } else {
            end[-1] = ']';  // in place of the last comma
        }
        used_ += static_cast<std::size_t>(end - start);
        needComma_ = true;
    }

  private:
    static constexpr std::size_t kNumberRoom = 20;  // digits and sign of any long long

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
    // The number and a comma. A small one is copied from a table in one move of four bytes.
    static char* writeElement(char* at, long long number) {
        if (number >= 0 && number < static_cast<long long>(kSmallNumbers.size())) {
            const SmallNumber& small = kSmallNumbers[static_cast<std::size_t>(number)];
            std::memcpy(at, small.text.data(), small.text.size());
            return at + small.length;
        }
        at = writeNumber(at, number);
        *at++ = ',';
        return at;
    }
    // "0," as often as asked, copied sixteen at a time: it may write up to kZeros.size() bytes
    // past what it keeps.
    static constexpr std::string_view kZeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";
    static char* writeZeros(char* at, std::size_t count) {
        while (count > 0) {
            const std::size_t now = std::min(count, kZeros.size() / 2);
            std::memcpy(at, kZeros.data(), kZeros.size());
            at += now * 2;
            count -= now;
        }
        return at;
    }
    struct SmallNumber {
        std::array<char, 4> text;  // the digits and a comma
        std::uint8_t length;
    };
    static constexpr std::array<SmallNumber, 1000> kSmallNumbers = [] {
        std::array<SmallNumber, 1000> table{};
        for (std::size_t n = 0; n < table.size(); ++n) {
            SmallNumber& small = table[n];
            std::size_t length = 0;
            if (n >= 100) {
                small.text[length++] = static_cast<char>('0' + n / 100);
            }
            if (n >= 10) {
                small.text[length++] = static_cast<char>('0' + n / 10 % 10);
            }
            small.text[length++] = static_cast<char>('0' + n % 10);
            small.text[length++] = ',';
            small.length = static_cast<std::uint8_t>(length);
        }
        return table;
    }();

    char* room(std::size_t bytes) {
        if (out_.size() - used_ < bytes) {
            grow(bytes);
        }
        return out_.data() + used_;
    }
    void grow(std::size_t bytes);
    void put(char c) {
        *room(1) = c;
        ++used_;
    }
    void separate() {
        if (needComma_) {
            put(',');
        }
        needComma_ = false;
    }
    void open(char bracket) {
        separate();
        put(bracket);
    }
    void close(char bracket) {
        put(bracket);
        needComma_ = true;
    }
    void appendString(std::string_view text);
    void appendName(const JsonName& name) {
        std::memcpy(room(JsonName::kRoom), name.quoted(), JsonName::kRoom);
        used_ += name.quotedSize();
    }

    std::string& out_;
    std::size_t used_;  // bytes of out_ that hold text; the rest is room
    bool keepsRoom_ = false;
    // A member or element came before; a key clears it so that its value follows directly.
    bool needComma_ = false;
};

}  // namespace sorvik::cli
