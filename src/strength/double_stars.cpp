#include "strength/double_stars.h"

#include <bit>

#include "engine/number_text.h"
#include "strength/one_decimal.h"

namespace sorvik::strength {

namespace {

constexpr int kLastSlot = engine::kPalaceSlots - 1;
static_assert(kLastSlot < 32, "a palace's slots fit in the bits of one word");

// By star number, the pairs (as bits by pair index) that have the star first, or second: most
// stars are in no pair.
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

// The stars that are in some pair, numbered densely, and how many there are.
struct PairedStars {
    std::array<std::int8_t, engine::kStarCount + 1> index{};
    int count = 0;
};
constexpr PairedStars pairedStars() {
    PairedStars paired;
    paired.index.fill(-1);
    for (const DoubleStarPair& pair : kDoubleStarPairs) {
        for (const int star : {pair.first, pair.second}) {
            auto& index = paired.index[static_cast<std::size_t>(star)];
            if (index < 0) {
                index = static_cast<std::int8_t>(paired.count++);
            }
        }
    }
    return paired;
}
constexpr PairedStars kPairedStars = pairedStars();

bool isStarNumber(int x) {
    return x >= 0 && x <= engine::kStarCount;
}

// For each palace and each paired star, the slots 1..30 holding it as bits: the scans below ask
// "which slots of these two palaces hold star y" some two thousand times a chart.
class PairedStarSlots {
  public:
    explicit PairedStarSlots(const engine::PalaceStarLists& lists) {
        for (std::size_t p = 0; p < lists.size(); ++p) {
            for (int i = 1; i <= kLastSlot; ++i) {
                const int star = lists[p][static_cast<std::size_t>(i)];
                const std::uint32_t bit = 1U << i;
                if (star != 0) {
                    occupied_[p] |= bit;
                }
                if (!isStarNumber(star)) {
                    continue;
                }
                const int paired = kPairedStars.index[static_cast<std::size_t>(star)];
                if (paired >= 0) {
                    slots_[p][static_cast<std::size_t>(paired)] |= bit;
                }
                if (kPairsByFirst[static_cast<std::size_t>(star)] != 0) {
                    firsts_[p] |= bit;
                }
                if (kPairsBySecond[static_cast<std::size_t>(star)] != 0) {
                    seconds_[p] |= bit;
                }
            }
        }
    }

    // The slots holding any star at all.
    std::uint32_t occupied(engine::Branch palace) const { return occupied_[at(palace)]; }
    // The slots holding a star that comes first (or second) in some pair.
    std::uint32_t starting(engine::Branch palace, bool forward) const {
        return (forward ? firsts_ : seconds_)[at(palace)];
    }

    // y must be a star of some pair.
    std::uint32_t of(engine::Branch palace, int y) const {
        return slots_[at(palace)]
                     [static_cast<std::size_t>(kPairedStars.index[static_cast<std::size_t>(y)])];
    }

  private:
    static std::size_t at(engine::Branch palace) { return static_cast<std::size_t>(index(palace)); }

    std::array<std::array<std::uint32_t, kPairedStars.count>, 12> slots_{};
    std::array<std::uint32_t, 12> occupied_{};
    std::array<std::uint32_t, 12> firsts_{};
    std::array<std::uint32_t, 12> seconds_{};
};

class Evaluator {
  public:
    Evaluator(const engine::PalaceStarLists& lists, const StrengthTables& tables,
              const engine::StarDisplayNames& names)
        : lists_(lists), slots_(lists), numbers_(tables.doubleStarNumbers()), names_(names) {}

    DoubleStarEvaluation evaluate(engine::Branch p) {
        DoubleStarEvaluation result;
        relations_ = &result.relations;
        // Every step runs for the slot numbers that are occupied in palace p, even where it
        // looks at another palace; a slot whose star starts no pair adds nothing, so only the
        // slots where some palace the step looks at holds such a star are visited, in order.
        const auto forEachSlot = [&](std::uint32_t starting, auto step) {
            for (std::uint32_t k = slots_.occupied(p) & starting; k != 0; k &= k - 1) {
                step(std::countr_zero(k));
            }
        };
        const auto firsts = [&](engine::Branch c) { return slots_.starting(c, true); };
        forEachSlot(firsts(p), [&](int k) { scan(k, p, true, 0, 0, kSamePalace); });
        forEachSlot(firsts(p) | firsts(p + 4) | firsts(p + 8), [&](int k) {
            scan(k, p, true, 8, 4, kTrine);
            scan(k, p + 4, true, 8, 4, kTrine);
            scan(k, p + 8, true, 8, 4, kTrine);
        });
        forEachSlot(firsts(p) | slots_.starting(p, false), [&](int k) {
            scan(k, p, true, 6, 6, kOpposite);
            scan(k, p, false, 6, 6, kOpposite);
        });
        forEachSlot(firsts(p - 1) | firsts(p + 1), [&](int k) {
            scan(k, p - 1, true, 14, 14, kFlanking);
            scan(k, p + 1, true, 10, 10, kFlanking);
        });
        forEachSlot(firsts(p - 1) | firsts(p + 1), [&](int k) {
            scan(k, p - 1, true, 12, 12, kNeighbour);
            scan(k, p + 1, true, 12, 12, kNeighbour);
        });

        for (int r = 0; r < kRelationCount; ++r) {
            DoubleStarRelation& relation = result.relations[static_cast<std::size_t>(r)];
            std::int64_t sum = 0;
            relation.entries.reserve(relation.pairs.size());
            for (const int j : relation.pairs) {
                relation.entries.push_back(entryText(j));
                sum += numbers_.pairPowers[static_cast<std::size_t>(j)];
            }
            // weight × sum / 100 has at most two decimals; it is rounded as that decimal.
            const std::int64_t hundredths =
                numbers_.relationWeights[static_cast<std::size_t>(r)] * sum;
            relation.powerTenths = hundredthsToTenths(hundredths);
            relation.power = formatTenths(relation.powerTenths, kPowerWidth);
            result.totalTenths += relation.powerTenths;
        }
        result.total = "計：" + formatTenths(result.totalTenths, kPowerWidth);
        return result;
    }

  private:
    int slot(engine::Branch palace, int k) const {
        return lists_[static_cast<std::size_t>(index(palace))][static_cast<std::size_t>(k)];
    }

    // For every pair whose first (or, backward, second) star stands in slot k of palace c: one
    // entry for each slot holding the other star in palace c + b or c + a.
    void scan(int k, engine::Branch c, bool forward, int a, int b, Relation relation) {
        std::vector<int>& found = (*relations_)[relation].pairs;
        const int x = slot(c, k);
        if (!isStarNumber(x)) {
            return;  // in no pair
        }
        // Lowest bit first keeps the pair order.
        for (std::uint32_t pairs = (forward ? kPairsByFirst : kPairsBySecond)[x]; pairs != 0;
             pairs &= pairs - 1) {
            const int j = std::countr_zero(pairs);
            const DoubleStarPair& pair = kDoubleStarPairs[static_cast<std::size_t>(j)];
            const int y = forward ? pair.second : pair.first;
            for (std::uint32_t at = slots_.of(c + b, y) | slots_.of(c + a, y);
                 at != 0 && found.size() < kMaxRelationEntries; at &= at - 1) {
                found.push_back(j);
            }
        }
    }

    // The two display names and the power, made once per pair.
    const std::string& entryText(int j) {
        std::string& text = entryTexts_[static_cast<std::size_t>(j)];
        if (text.empty()) {
            const DoubleStarPair& pair = kDoubleStarPairs[static_cast<std::size_t>(j)];
            text = names_[pair.first] + names_[pair.second] +
                   engine::padded(numbers_.pairPowers[static_cast<std::size_t>(j)], 2);
        }
        return text;
    }

    const engine::PalaceStarLists& lists_;
    PairedStarSlots slots_;
    const DoubleStarNumbers& numbers_;
    const engine::StarDisplayNames& names_;
    std::array<std::string, kDoubleStarPairCount> entryTexts_;
    std::array<DoubleStarRelation, kRelationCount>* relations_ = nullptr;
};

}  // namespace

DoubleStarEvaluation evaluateDoubleStars(const engine::PalaceStarLists& lists,
                                         engine::Branch palace, const StrengthTables& tables,
                                         const engine::StarDisplayNames& names) {
    return Evaluator(lists, tables, names).evaluate(palace);
}

std::array<DoubleStarEvaluation, 12> evaluateDoubleStarsOfAllPalaces(
    const engine::PalaceStarLists& lists, const StrengthTables& tables,
    const engine::StarDisplayNames& names) {
    Evaluator evaluator(lists, tables, names);
    std::array<DoubleStarEvaluation, 12> all;
    for (std::size_t p = 0; p < all.size(); ++p) {
        all[p] = evaluator.evaluate(static_cast<engine::Branch>(p));
    }
    return all;
}

}  // namespace sorvik::strength
