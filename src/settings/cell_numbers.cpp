#include "settings/cell_numbers.h"

#include <limits>

namespace sorvik::settings {

namespace {

// Over the UTF-16 units themselves: a store converts some three thousand cells at a time.
struct Cursor {
    explicit Cursor(QStringView text) : at(text.utf16()), end(text.utf16() + text.size()) {}

    bool atEnd() const { return at >= end; }
    char16_t peek() const { return *at; }
    bool isDigit() const { return !atEnd() && peek() >= u'0' && peek() <= u'9'; }
    int digit() { return *at++ - u'0'; }
    void skip() { ++at; }

    const char16_t* at;
    const char16_t* end;
};

QStringView trimmedBlanks(const QString& text) {
    QStringView view(text);
    while (!view.isEmpty() && view.front() == u' ') {
        view = view.sliced(1);
    }
    while (!view.isEmpty() && view.back() == u' ') {
        view.chop(1);
    }
    return view;
}

bool readSign(Cursor& c) {
    if (!c.atEnd() && (c.peek() == u'-' || c.peek() == u'+')) {
        const bool negative = c.peek() == u'-';
        c.skip();
        return negative;
    }
    return false;
}

}  // namespace

std::optional<int> parseCellInteger(const QString& text) {
    Cursor c{trimmedBlanks(text)};
    const bool negative = readSign(c);
    if (!c.isDigit()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    while (c.isDigit()) {
        value = value * 10 + c.digit();
        if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) {
            return std::nullopt;
        }
    }
    if (!c.atEnd()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<std::int64_t> parseCellTenThousandths(const QString& text) {
    constexpr std::int64_t kLimit = 1'000'000'000;  // far beyond any weight
    Cursor c{trimmedBlanks(text)};
    const bool negative = readSign(c);
    std::int64_t whole = 0;
    bool anyDigit = false;
    while (c.isDigit()) {
        whole = whole * 10 + c.digit();
        anyDigit = true;
        if (whole > kLimit) {
            return std::nullopt;
        }
    }
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (!c.atEnd() && c.peek() == u'.') {
        c.skip();
        while (c.isDigit()) {
            const int d = c.digit();
            anyDigit = true;
            if (fractionDigits < 4) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (fractionDigits == 4) {
                roundUp = d >= 5;
                ++fractionDigits;
            }
        }
    }
    if (!anyDigit || !c.atEnd()) {
        return std::nullopt;
    }
    for (; fractionDigits < 4; ++fractionDigits) {
        fraction *= 10;
    }
    std::int64_t value = whole * 10000 + fraction + (roundUp ? 1 : 0);
    return negative ? -value : value;
}

}  // namespace sorvik::settings
