#pragma once

#include <map>
#include <utility>

#include "engine/chart_record.h"
#include "strength/strength_tables.h"

namespace sorvik::strength::testing {

// Powers default to 0; weights and pair powers start at the shipped defaults.
class FixtureTables : public StrengthTables {
  public:
    FixtureTables() {
        weights.life = 10000;
        weights.body = 10000;
        weights.opposite = 500000;
        weights.trine = 300000;
        weights.neighbour = 10000;
        numbers.pairPowers = {10, 10, 8,  8, 6,  6, -4, -4, 5, 5, 5,  5, 5,
                              3,  3,  -4, 2, -1, 1, 1,  1,  1, 1, -1, -1};
        numbers.relationWeights = {30, 15, 15, 8, 8};
    }
    int power(int starNumber, engine::Branch branch) const override {
        const auto it = powers.find({starNumber, engine::index(branch)});
        return it == powers.end() ? 0 : it->second;
    }
    const PalaceWeights& palaceWeights() const override { return weights; }
    const DoubleStarNumbers& doubleStarNumbers() const override { return numbers; }

    std::map<std::pair<int, int>, int> powers;  // by star number and branch index
    PalaceWeights weights;
    DoubleStarNumbers numbers;
};

// Lists as a placement leaves them: natal stars, one empty slot, then yearly stars.
class ListBuilder {
  public:
    ListBuilder& natal(engine::Branch b, std::initializer_list<int> stars) {
        auto& list = lists[static_cast<std::size_t>(engine::index(b))];
        int slot = 1;
        for (const int s : stars) {
            list[static_cast<std::size_t>(slot++)] = s;
        }
        list[0] = slot;
        return *this;
    }
    ListBuilder& yearly(engine::Branch b, std::initializer_list<int> stars) {
        auto& list = lists[static_cast<std::size_t>(engine::index(b))];
        int slot = (list[0] == 0 ? 1 : list[0]) + 1;
        if (list[0] == 0) {
            list[0] = 1;
        }
        for (const int s : stars) {
            list[static_cast<std::size_t>(slot++)] = s;
        }
        return *this;
    }
    engine::PalaceStarLists lists{};
};

}  // namespace sorvik::strength::testing
