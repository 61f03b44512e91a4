#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/catalogue.h"
#include "engine/date.h"
#include "engine/sex.h"

namespace sorvik::engine {

inline constexpr int kPalaceSlots = 31;
inline constexpr int kStarRows = 132;  // row 0 header, 1..129 stars, 130/131 second palaces
inline constexpr int kRowFields = 11;

// Slot 0 = natal star count + 1 (the first free slot); then star numbers; 0 = empty.
using PalaceStarList = std::array<std::int32_t, kPalaceSlots>;
using PalaceStarLists = std::array<PalaceStarList, 12>;
using StarRow = std::array<std::int32_t, kRowFields>;
using StarRows = std::array<StarRow, kStarRows>;

// Fields of the header row (row 0).
enum HeaderField {
    kHeaderYearStem = 0,
    kHeaderYearBranch = 1,
    kHeaderDirection = 2,
    kHeaderBureau = 3,
    kHeaderLifePalace = 4,
    kHeaderBodyPalace = 5,
    kHeaderAge = 6,
    kHeaderLunarMonth = 7,
    kHeaderLunarDay = 8,
    kHeaderHourBranch = 9,
    kHeaderLeapAdjust = 10,
};

// Fields of a star row.
enum StarField {
    kStarBranch = 0,
    kStarClass = 1,
    kStarBrightness = 2,
    kStarDipper = 3,
    kStarPower = 4,
    kStarElement = 5,
};

// The centre texts of a chart window.
struct ChartLabels {
    std::string Name, Date, Inyo, InDate, Kyoku, Kazoe, Mei, Sin, Nat, ZNen, ZKS;
};

// One computed chart, owned by its chart window.
struct ChartRecord {
    DateTime birthMoment;
    Branch selectedPalace = Branch::Zi;
    StarRows rows{};  // row 0 is the header
    PalaceStarLists palaceStarLists{};
    std::array<std::array<std::uint8_t, kPalaceSlots>, 12> palaceStarBytes{};
    Sex sex = Sex::Male;

    const StarRow& header() const { return rows[0]; }
    StarRow& header() { return rows[0]; }
    Stem yearStem() const { return stemAt(header()[kHeaderYearStem]); }
    Branch yearBranch() const { return branchAt(header()[kHeaderYearBranch]); }
    Branch lifePalace() const { return branchAt(header()[kHeaderLifePalace]); }
    Branch bodyPalace() const { return branchAt(header()[kHeaderBodyPalace]); }
    Branch hourBranch() const { return branchAt(header()[kHeaderHourBranch]); }
    // Refreshes the one-byte copy of the palace star lists.
    void narrowPalaceStarLists();
};

}  // namespace sorvik::engine
