#pragma once

#include "engine/catalogue.h"

namespace sorvik::engine {

// The settings that star placement reads, as a read-only view; the Zi Wei settings store
// provides it, tests provide small fixtures.
class PlacementTables {
  public:
    virtual ~PlacementTables() = default;
    // Power of a star in a branch (the power table's cell); throws ConversionError for a
    // cell that does not hold an integer.
    virtual int power(int starNumber, Branch branch) const = 0;
    // Brightness code 0..7 of a natal star in a branch; an empty cell gives 0.
    virtual int brightness(int starNumber, Branch branch) const = 0;
    // The 天馬 rule: 0 by month, 1 by month (other table), 2 by year branch.
    virtual int tianMaRule() const = 0;
};

}  // namespace sorvik::engine
