#include "calendar_table.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "errors.h"

namespace sorvik::engine {

namespace {

constexpr std::size_t kRecordSize = 12;

std::int32_t readLittleEndian(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return static_cast<std::int32_t>(value);
}

void appendLittleEndian(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
}

std::int32_t parseInteger(std::string_view text, std::string_view line) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw ConversionError("暦データの行『" + std::string(line) +
                              "』は、3つの整数ではありません。");
    }
    return value;
}

std::string recordFault(const CalendarRecord& record, std::size_t number) {
    return "暦データファイルの" + std::to_string(number) + "件目のデータ『" +
           formatCalendarLine(record) + "』が不正です。";
}

// A record the look-ups can work with: a real start day after the previous month's, a
// four-digit lunar year and a month of ±1..12. A damaged file stops here, with the record
// named, instead of reaching the conversion.
void checkRecord(const CalendarRecord& record, const CalendarRecord* previous, std::size_t number) {
    const bool month =
        record.lunarMonth != 0 && record.lunarMonth >= -12 && record.lunarMonth <= 12;
    if (!isValidDate(dateFromYmd(record.startYmd)) || record.startYmd < 10000101 ||
        record.lunarYear < 1 || record.lunarYear > 9999 || !month ||
        (previous != nullptr && record.startYmd <= previous->startYmd)) {
        throw CalendarError(recordFault(record, number));
    }
}

// The first day of the Gregorian month that bears the lunar month's number in the lunar year:
// how the editor tells that a year changes only between month 12 and month 1.
long long monthNumberDay(const CalendarRecord& record) {
    return daysFromCivil({record.lunarYear, std::abs(record.lunarMonth), 1});
}

}  // namespace

std::vector<SuccessionFault> checkSuccession(const std::vector<CalendarRecord>& records) {
    std::vector<SuccessionFault> faults;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CalendarRecord& q = records[r - 1];
        const CalendarRecord& c = records[r];
        const long long length =
            daysFromCivil(dateFromYmd(c.startYmd)) - daysFromCivil(dateFromYmd(q.startYmd));
        if (length < 29 || length > 30) {
            faults.push_back({r, SuccessionFault::Kind::MonthLength});
            break;
        }
        const long long p = q.lunarMonth;
        const long long m = c.lunarMonth;
        if (p == 0 || m == 0 || std::abs(p) > 12 || std::abs(m) > 12) {
            faults.push_back({r, SuccessionFault::Kind::LunarMonth});
            continue;
        }
        const long long years = static_cast<long long>(c.lunarYear) - q.lunarYear;
        long long step = std::abs(m) - std::abs(p);
        if ((std::abs(m) == std::abs(p) && p < m) ||  // an ordinary month after its leap month
            (m < 0 && step != 0) ||                   // a leap month repeats the month before
            (p < 0 && m < 0) || p == m) {
            step = 99;
        }
        if (step == -11) {
            step = 0;  // 12 → 1
        }
        const long long gap = monthNumberDay(c) - monthNumberDay(q);
        if (gap < 0 || gap > 33) {
            step = 99;
        }
        if ((years != 0 && years != 1) || (step != 0 && step != 1)) {
            faults.push_back({r, SuccessionFault::Kind::LunarMonth});
        }
    }
    return faults;
}

CalendarRecord ParseCalendarLine(std::string_view line) {
    const std::size_t first = line.find(',');
    const std::size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
    if (second == std::string_view::npos) {
        parseInteger({}, line);  // throws the conversion message
    }
    return {parseInteger(line.substr(0, first), line),
            parseInteger(line.substr(first + 1, second - first - 1), line),
            parseInteger(line.substr(second + 1), line)};
}

std::string formatCalendarLine(const CalendarRecord& record) {
    return std::to_string(record.startYmd) + "," + std::to_string(record.lunarYear) + "," +
           std::to_string(record.lunarMonth);
}

CalendarTable CalendarTable::fromRecordBytes(std::string_view bytes) {
    if (bytes.size() % kRecordSize != 0) {
        throw CalendarError("暦データファイルの長さが不正です（12バイト単位ではありません）。");
    }
    if (bytes.size() < 2 * kRecordSize) {
        throw CalendarError("暦データファイルには、少なくとも2か月分のデータが必要です。");
    }
    CalendarTable table;
    const std::size_t count = bytes.size() / kRecordSize;
    table.lines_.reserve(count);
    table.records_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char* record = bytes.data() + i * kRecordSize;
        const CalendarRecord parsed{readLittleEndian(record), readLittleEndian(record + 4),
                                    readLittleEndian(record + 8)};
        checkRecord(parsed, i == 0 ? nullptr : &table.records_.back(), i + 1);
        table.records_.push_back(parsed);
        table.lines_.push_back(formatCalendarLine(parsed));
    }
    // Months that make no sense (all leap, one year throughout, a day long) are damage too.
    if (const auto faults = checkSuccession(table.records_); !faults.empty()) {
        const std::size_t at = faults.front().index;
        throw CalendarError(recordFault(table.records_[at], at + 1));
    }
    table.first_ = table.records_.front().startYmd;
    table.last_ = table.records_.back().startYmd;
    return table;
}

std::string CalendarTable::toRecordBytes() const {
    std::string bytes;
    bytes.reserve(lines_.size() * kRecordSize);
    for (const std::string& line : lines_) {
        const CalendarRecord record = ParseCalendarLine(line);
        appendLittleEndian(bytes, record.startYmd);
        appendLittleEndian(bytes, record.lunarYear);
        appendLittleEndian(bytes, record.lunarMonth);
    }
    return bytes;
}

void CalendarTable::setLines(std::vector<std::string> lines) {
    // Parse before taking the lines, so a bad line leaves the table as it was.
    std::vector<CalendarRecord> records;
    records.reserve(lines.size());
    for (const std::string& line : lines) {
        records.push_back(ParseCalendarLine(line));
    }
    lines_ = std::move(lines);
    records_ = std::move(records);
}

bool CalendarTable::inRange(const Date& date) const {
    const int ymd = DateToYmd(date);
    return ymd >= first_ && ymd < last_;
}

RangeCheck CalendarTable::CheckCalendarRange(const std::optional<Date>& date) const {
    if (!date || !isValidDate(*date)) {
        return {false, "日付データが不正です。"};
    }
    if (!inRange(*date)) {
        return {false, "『" + formatSlashed(*date) + "』は、日付変換可能範囲外です。"};
    }
    return {true, {}};
}

std::optional<CalendarMonth> CalendarTable::monthOf(const Date& date) const {
    // The first month that starts after the day; the day belongs to the one before it.
    const int ymd = DateToYmd(date);
    const auto next = std::upper_bound(
        records_.begin(), records_.end(), ymd,
        [](int day, const CalendarRecord& record) { return day < record.startYmd; });
    if (next == records_.begin() || next == records_.end()) {
        return std::nullopt;
    }
    const auto month = std::prev(next);
    return CalendarMonth{*month, next->startYmd,
                         static_cast<std::size_t>(month - records_.begin())};
}

}  // namespace sorvik::engine
