// Writes the lunar calendar file: lunar-table UTC-OFFSET-HOURS FIRST-YEAR LAST-YEAR OUTPUT
// [UNCERTAIN-MINUTES]. Prints the month starts that an event near midnight makes uncertain.
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "lunar_months.h"

namespace {

using namespace sorvik::lunartable;

std::string slashed(std::int32_t ymd) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", ymd / 10000, ymd / 100 % 100, ymd % 100);
    return text;
}

std::string describe(const LunarRecord& r) {
    return slashed(r.startYmd) + " " + std::to_string(r.lunarYear) + "/" +
           std::to_string(r.lunarMonth);
}

void printUncertain(const UncertainEvent& u) {
    double minute = u.event.minuteOfDay;
    int hh = static_cast<int>(minute / 60.0);
    int mm = static_cast<int>(std::fmod(minute, 60.0));
    std::string what = u.event.termIndex < 0
                           ? std::string("new moon")
                           : "principal term " + std::to_string(u.event.termIndex * 30) + "°";
    std::printf("%s %02d:%02d %s (%+.1f min):", slashed(ymdFromDayNumber(u.event.day)).c_str(), hh,
                mm, what.c_str(), u.minutesFromMidnight);
    for (const auto& r : u.months)
        std::printf(" %s;", describe(r).c_str());
    std::printf(" otherwise");
    for (const auto& r : u.alternative)
        std::printf(" %s;", describe(r).c_str());
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr,
                     "usage: %s UTC-OFFSET-HOURS FIRST-YEAR LAST-YEAR OUTPUT [UNCERTAIN-MINUTES]\n",
                     argv[0]);
        return 2;
    }
    try {
        double offset = std::stod(argv[1]);
        int firstYear = std::stoi(argv[2]);
        int lastYear = std::stoi(argv[3]);
        std::filesystem::path output = argv[4];
        double minutes = argc == 6 ? std::stod(argv[5]) : 5.0;
        if (firstYear > lastYear || std::abs(offset) > 14) {
            std::fprintf(stderr, "bad year range or UTC offset\n");
            return 2;
        }

        LocalEvents events = localize(computeEvents(firstYear, lastYear), offset);
        std::vector<LunarRecord> records = numberMonths(events, firstYear, lastYear);
        std::string bytes = toRecordBytes(records);

        // Written beside the target and renamed, so a failed run leaves the old file whole.
        std::filesystem::path temporary = output;
        temporary += ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (!out)
                throw std::runtime_error("cannot write " + temporary.string());
        }
        std::filesystem::rename(temporary, output);

        std::printf("%zu months, %s to %s (the last only closes the month before)\n",
                    records.size(), slashed(records.front().startYmd).c_str(),
                    slashed(records.back().startYmd).c_str());
        std::printf("events within %.1f minutes of midnight that change the table:\n", minutes);
        for (const auto& u : findUncertainEvents(events, firstYear, lastYear, minutes))
            printUncertain(u);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lunar-table: %s\n", e.what());
        return 1;
    }
    return 0;
}
