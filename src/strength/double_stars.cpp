#include "strength/double_stars.h"

#include <bit>

#include "strength/one_decimal.h"

namespace sorvik::strength {

namespace {

constexpr int kLastSlot = engine::kPalaceSlots - 1;

// By star number, the pairs (as bits by pair index) that have the star first, or second: most
// stars are in no pair, and the scan below runs some thirty thousand times a chart.
using PairsOfStar = std::array<std::uint32_t, engine::kStarCount + 1>;
constexpr PairsOfStar pairsOfStar(bool first) {
    PairsOfStar pairs{};
    for (std::size_t j = 0; j < kDoubleStarPairs.size(); ++j) {
        const DoubleStarPair& pair = kDoubleStarPairs[j];
        pairs[static_cast<std::size_t>(first ? pair.first : pair.second)] |= 1U << j;
    }
    return pairs;
}
constexpr PairsOfStar kPairsByFirst = pairsOfStar(true);
constexpr PairsOfStar kPairsBySecond = pairsOfStar(false);
static_assert(kDoubleStarPairCount <= 32);

class Scanner {
  public:
    Scanner(const engine::PalaceStarLists& lists, std::array<DoubleStarRelation, 5>& relations)
        : lists_(lists), relations_(relations) {}

    const engine::PalaceStarList& list(engine::Branch palace) const {
        return lists_[static_cast<std::size_t>(index(palace))];
    }
    int slot(engine::Branch palace, int k) const {
        return list(palace)[static_cast<std::size_t>(k)];
    }

    // For every pair whose first (or, backward, second) star stands in slot k of palace c: one
    // entry for each slot holding the other star in palace c + b or c + a.
    void scan(int k, engine::Branch c, bool forward, int a, int b, Relation relation) {
        std::vector<int>& found = relations_[relation].pairs;
        const int x = slot(c, k);
        if (x < 0 || x >= static_cast<int>(kPairsByFirst.size())) {
            return;  // in no pair
        }
        const engine::PalaceStarList& atB = list(c + b);
        const engine::PalaceStarList& atA = list(c + a);
        // Lowest bit first keeps the pair order.
        for (std::uint32_t pairs = (forward ? kPairsByFirst : kPairsBySecond)[x]; pairs != 0;
             pairs &= pairs - 1) {
            const int j = std::countr_zero(pairs);
            const DoubleStarPair& pair = kDoubleStarPairs[static_cast<std::size_t>(j)];
            const int y = forward ? pair.second : pair.first;
            for (std::size_t i = 1; i <= kLastSlot; ++i) {
                if (atB[i] == y || atA[i] == y) {
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
    const engine::Branch p = palace;

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
        scanner.scan(k, p - 1, true, 14, 14, kFlanking);
        scanner.scan(k, p + 1, true, 10, 10, kFlanking);
    });
    forEachSlot([&](int k) {
        scanner.scan(k, p - 1, true, 12, 12, kNeighbour);
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
