#include "strength/double_stars.h"

#include "strength/one_decimal.h"

namespace sorvik::strength {

namespace {

constexpr int kLastSlot = engine::kPalaceSlots - 1;

class Scanner {
  public:
    Scanner(const engine::PalaceStarLists& lists, std::array<DoubleStarRelation, 5>& relations)
        : lists_(lists), relations_(relations) {}

    int slot(int palace, int k) const {
        return lists_[static_cast<std::size_t>(((palace % 12) + 12) % 12)]
                     [static_cast<std::size_t>(k)];
    }

    // For every pair whose first (or, backward, second) star stands in slot k of palace c: one
    // entry for each slot holding the other star in palace c + b or c + a.
    void scan(int k, int c, bool forward, int a, int b, Relation relation) {
        std::vector<int>& found = relations_[relation].pairs;
        for (int j = 0; j < kDoubleStarPairCount; ++j) {
            const DoubleStarPair& pair = kDoubleStarPairs[static_cast<std::size_t>(j)];
            const int x = forward ? pair.first : pair.second;
            const int y = forward ? pair.second : pair.first;
            if (slot(c, k) != x) {
                continue;
            }
            for (int i = 1; i <= kLastSlot; ++i) {
                if (slot(c + b, i) == y || slot(c + a, i) == y) {
                    if (found.size() < kMaxRelationEntries) {
                        found.push_back(j);
                    }
                }
            }
        }
    }

  private:
    const engine::PalaceStarLists& lists_;
    std::array<DoubleStarRelation, 5>& relations_;
};

std::string entryText(const DoubleStarPair& pair, int power,
                      const engine::StarDisplayNames& names) {
    std::string number = std::to_string(power);
    if (number.size() < 2) {
        number.insert(0, 1, ' ');
    }
    return names[pair.first] + names[pair.second] + number;
}

}  // namespace

DoubleStarEvaluation evaluateDoubleStars(const engine::PalaceStarLists& lists,
                                         engine::Branch palace, const StrengthTables& tables,
                                         const engine::StarDisplayNames& names) {
    const DoubleStarNumbers& numbers = tables.doubleStarNumbers();
    DoubleStarEvaluation result;
    Scanner scanner(lists, result.relations);
    const int p = palace;

    // Every step runs for the slot numbers that are occupied in palace p, even where it looks
    // at another palace.
    const auto forEachSlot = [&](auto step) {
        for (int k = 1; k <= kLastSlot; ++k) {
            if (scanner.slot(p, k) != 0) {
                step(k);
            }
        }
    };
    forEachSlot([&](int k) { scanner.scan(k, p, true, 0, 0, kSamePalace); });
    forEachSlot([&](int k) {
        scanner.scan(k, p, true, 8, 4, kTrine);
        scanner.scan(k, p + 4, true, 8, 4, kTrine);
        scanner.scan(k, p + 8, true, 8, 4, kTrine);
    });
    forEachSlot([&](int k) {
        scanner.scan(k, p, true, 6, 6, kOpposite);
        scanner.scan(k, p, false, 6, 6, kOpposite);
    });
    forEachSlot([&](int k) {
        scanner.scan(k, p + 11, true, 14, 14, kFlanking);
        scanner.scan(k, p + 1, true, 10, 10, kFlanking);
    });
    forEachSlot([&](int k) {
        scanner.scan(k, p + 11, true, 12, 12, kNeighbour);
        scanner.scan(k, p + 1, true, 12, 12, kNeighbour);
    });

    for (int r = 0; r < kRelationCount; ++r) {
        DoubleStarRelation& relation = result.relations[static_cast<std::size_t>(r)];
        std::int64_t sum = 0;
        for (const int j : relation.pairs) {
            const int power = numbers.pairPowers[static_cast<std::size_t>(j)];
            relation.entries.push_back(
                entryText(kDoubleStarPairs[static_cast<std::size_t>(j)], power, names));
            sum += power;
        }
        // weight × sum / 100 has at most two decimals; it is rounded as that decimal.
        const std::int64_t hundredths = numbers.relationWeights[static_cast<std::size_t>(r)] * sum;
        relation.powerTenths = hundredthsToTenths(hundredths);
        relation.power = formatTenths(relation.powerTenths, kPowerWidth);
        result.totalTenths += relation.powerTenths;
    }
    result.total = "計：" + formatTenths(result.totalTenths, kPowerWidth);
    return result;
}

}  // namespace sorvik::strength
