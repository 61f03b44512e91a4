#include "strength/double_stars.h"

#include <array>
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

// For each palace and each paired star, the slots 1..30 holding it as bits: the steps below ask
// "which slots of this palace hold star y" some hundreds of times a chart.
class PairedStarSlots {
  public:
    explicit PairedStarSlots(const engine::PalaceStarLists& lists) {
        for (std::size_t p = 0; p < lists.size(); ++p) {
            for (int i = 1; i <= kLastSlot; ++i) {
                const int star = lists[p][static_cast<std::size_t>(i)];
                if (star == 0) {
                    continue;  // most slots
                }
                const std::uint32_t bit = 1U << i;
                occupied_[p] |= bit;
                if (!isStarNumber(star)) {
                    continue;
                }
                const int paired = kPairedStars.index[static_cast<std::size_t>(star)];
                if (paired >= 0) {
                    slots_[p][static_cast<std::size_t>(paired)] |= bit;
                }
                pairsByFirst_[p] |= kPairsByFirst[static_cast<std::size_t>(star)];
                pairsBySecond_[p] |= kPairsBySecond[static_cast<std::size_t>(star)];
            }
        }
    }

    // The slots holding any star at all.
    std::uint32_t occupied(engine::Branch palace) const { return occupied_[at(palace)]; }
    // The pairs (as bits by pair index) whose first (or second) star stands in the palace.
    std::uint32_t pairsIn(engine::Branch palace, bool first) const {
        return (first ? pairsByFirst_ : pairsBySecond_)[at(palace)];
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
    std::array<std::uint32_t, 12> pairsByFirst_{};
    std::array<std::uint32_t, 12> pairsBySecond_{};
};

// One look of a relation: the pairs with a star (forward: their first; backward: their second)
// in slot k of palace c, and the other star in palace c + a or c + b.
struct Look {
    constexpr Look(engine::Branch at, bool starting, int a, int b)
        : c(at), forward(starting), ca(at + a), cb(at + b) {}
    engine::Branch c;
    bool forward;
    engine::Branch ca;
    engine::Branch cb;
};

class Evaluator {
  public:
    Evaluator(const engine::PalaceStarLists& lists, const StrengthTables& tables)
        : lists_(lists), slots_(lists), numbers_(tables.doubleStarNumbers()) {}

    // Writes over the findings given: a chart has sixty relations, filled where they stay.
    void evaluate(engine::Branch p, DoubleStarFindings& result) {
        for (DoubleStarFinding& found : result.relations) {
            found.count = 0;
        }
        step(p, result.relations[kSamePalace], std::to_array<Look>({{p, true, 0, 0}}));
        step(p, result.relations[kTrine],
             std::to_array<Look>({{p, true, 8, 4},
                                  {engine::trines(p)[0], true, 8, 4},
                                  {engine::trines(p)[1], true, 8, 4}}));
        step(p, result.relations[kOpposite],
             std::to_array<Look>({{p, true, 6, 6}, {p, false, 6, 6}}));
        step(p, result.relations[kFlanking],
             std::to_array<Look>({{p - 1, true, 14, 14}, {p + 1, true, 10, 10}}));
        step(p, result.relations[kNeighbour],
             std::to_array<Look>({{p - 1, true, 12, 12}, {p + 1, true, 12, 12}}));

        result.totalTenths = 0;
        for (int r = 0; r < kRelationCount; ++r) {
            DoubleStarFinding& found = result.relations[static_cast<std::size_t>(r)];
            if (found.count == 0) {
                found.powerTenths = 0;  // most relations of most palaces
                continue;
            }
            std::int64_t sum = 0;
            for (std::size_t e = 0; e < found.count; ++e) {
                sum += numbers_.pairPowers[static_cast<std::size_t>(found.pairs[e])];
            }
            // weight × sum / 100 has at most two decimals; it is rounded as that decimal.
            const std::int64_t hundredths =
                numbers_.relationWeights[static_cast<std::size_t>(r)] * sum;
            found.powerTenths = hundredthsToTenths(hundredths);
            result.totalTenths += found.powerTenths;
        }
    }

  private:
    int slot(engine::Branch palace, int k) const {
        return lists_[static_cast<std::size_t>(index(palace))][static_cast<std::size_t>(k)];
    }

    // Runs the looks of a relation for the slot numbers that are occupied in palace p, even
    // where a look is at another palace, slot by slot, each slot through the looks in their
    // order, and at each the pairs in their order: one entry for each slot holding the other
    // star. Only the pairs whose two stars stand where the look needs them can add an entry,
    // and most charts have few, so the looks start from those.
    template <std::size_t N>
    void step(engine::Branch p, DoubleStarFinding& found, const std::array<Look, N>& looks) {
        std::array<std::uint32_t, N> pairs{};   // of each look, those that meet
        std::array<std::uint32_t, N> starts{};  // of each look, the slots of c that start one
        std::uint32_t anyStart = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const Look& look = looks[i];
            pairs[i] =
                slots_.pairsIn(look.c, look.forward) &
                (slots_.pairsIn(look.ca, !look.forward) | slots_.pairsIn(look.cb, !look.forward));
            for (std::uint32_t m = pairs[i]; m != 0; m &= m - 1) {
                const DoubleStarPair& pair =
                    kDoubleStarPairs[static_cast<std::size_t>(std::countr_zero(m))];
                starts[i] |= slots_.of(look.c, look.forward ? pair.first : pair.second);
            }
            anyStart |= starts[i];
        }
        for (std::uint32_t ks = slots_.occupied(p) & anyStart; ks != 0; ks &= ks - 1) {
            const int k = std::countr_zero(ks);
            for (std::size_t i = 0; i < N; ++i) {
                if ((starts[i] >> k & 1U) == 0) {
                    continue;
                }
                const Look& look = looks[i];
                const auto x = static_cast<std::size_t>(slot(look.c, k));
                // Lowest bit first keeps the pair order.
                for (std::uint32_t m =
                         (look.forward ? kPairsByFirst : kPairsBySecond)[x] & pairs[i];
                     m != 0; m &= m - 1) {
                    const int j = std::countr_zero(m);
                    const DoubleStarPair& pair = kDoubleStarPairs[static_cast<std::size_t>(j)];
                    const int y = look.forward ? pair.second : pair.first;
                    for (std::uint32_t at = slots_.of(look.cb, y) | slots_.of(look.ca, y);
                         at != 0 && found.count < kMaxRelationEntries; at &= at - 1) {
                        found.pairs[found.count++] = static_cast<std::int8_t>(j);
                    }
                }
            }
        }
    }

    const engine::PalaceStarLists& lists_;
    PairedStarSlots slots_;
    const DoubleStarNumbers& numbers_;
};

}  // namespace

DoubleStarEntryTexts doubleStarEntryTexts(const StrengthTables& tables,
                                          const engine::StarDisplayNames& names) {
    const DoubleStarNumbers& numbers = tables.doubleStarNumbers();
    DoubleStarEntryTexts texts;
    for (std::size_t j = 0; j < texts.size(); ++j) {
        const DoubleStarPair& pair = kDoubleStarPairs[j];
        texts[j] =
            names[pair.first] + names[pair.second] + engine::padded(numbers.pairPowers[j], 2);
    }
    return texts;
}

std::string powerText(std::int64_t tenths) {
    return formatTenths(tenths, kPowerWidth);
}

std::string totalText(std::int64_t tenths) {
    TenthsRoom room;
    return std::string(totalText(tenths, room));
}

std::string_view powerText(std::int64_t tenths, TenthsRoom& room) {
    return formatTenths(tenths, kPowerWidth, room);
}

std::string_view totalText(std::int64_t tenths, TenthsRoom& room) {
    static constexpr std::string_view kTotal = "計：";
    const std::string_view power = powerText(tenths, room);
    // The power stands at the end of the room, with room enough before it.
    const auto start = static_cast<std::size_t>(power.data() - room.data()) - kTotal.size();
    std::copy(kTotal.begin(), kTotal.end(), room.begin() + static_cast<std::ptrdiff_t>(start));
    return {room.data() + start, kTotal.size() + power.size()};
}

void findDoubleStarsOfAllPalaces(const engine::PalaceStarLists& lists, const StrengthTables& tables,
                                 DoubleStarFindingsByPalace& findings) {
    Evaluator evaluator(lists, tables);
    for (std::size_t p = 0; p < findings.size(); ++p) {
        evaluator.evaluate(static_cast<engine::Branch>(p), findings[p]);
    }
}

DoubleStarEvaluation evaluationText(const DoubleStarFindings& findings,
                                    const DoubleStarEntryTexts& entryTexts) {
    DoubleStarEvaluation evaluation;
    for (std::size_t r = 0; r < findings.relations.size(); ++r) {
        const DoubleStarFinding& found = findings.relations[r];
        DoubleStarRelation& relation = evaluation.relations[r];
        for (std::size_t e = 0; e < found.count; ++e) {
            relation.entries.push_back(entryTexts[static_cast<std::size_t>(found.pairs[e])]);
        }
        relation.power = powerText(found.powerTenths);
    }
    evaluation.total = totalText(findings.totalTenths);
    return evaluation;
}

DoubleStarEvaluation evaluateDoubleStars(const engine::PalaceStarLists& lists,
                                         engine::Branch palace, const StrengthTables& tables,
                                         const engine::StarDisplayNames& names) {
    const DoubleStarEntryTexts entryTexts = doubleStarEntryTexts(tables, names);
    DoubleStarFindings findings;
    Evaluator(lists, tables).evaluate(palace, findings);
    return evaluationText(findings, entryTexts);
}

}  // namespace sorvik::strength
