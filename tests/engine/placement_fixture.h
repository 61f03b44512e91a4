#pragma once

#include "engine/conversion.h"
#include "engine/placement_tables.h"

namespace sorvik::engine::testing {

// Powers and brightness that name their own cell, so a test sees which cell a row read.
class CellTables : public PlacementTables {
  public:
    explicit CellTables(int rule = 0) : rule_(rule) {}
    int power(int starNumber, Branch branch) const override {
        return starNumber * 100 + index(branch);
    }
    int brightness(int starNumber, Branch branch) const override {
        return (starNumber + index(branch)) % 8;
    }
    int tianMaRule() const override { return rule_; }

  private:
    int rule_;
};

// A converted moment with the 命宮 and 身宮 that the conversion derives from month and hour.
inline ConvertedMoment lunarMoment(Stem stem, Branch yearBranch, int month, int day, Branch hour) {
    ConvertedMoment m;
    m.lunar = {1984, month, day, hour};
    m.yearStem = stem;
    m.yearBranch = yearBranch;
    m.lifePalace = Branch::Yin + (month - 1) - index(hour);
    m.bodyPalace = Branch::Yin + (month - 1) + index(hour);
    return m;
}

}  // namespace sorvik::engine::testing
