#include "strength/palace_strength.h"

namespace sorvik::strength {

PalacePowers palacePowers(const engine::PalaceStarLists& lists, const StrengthTables& tables) {
    PalacePowers powers{};
    for (const engine::Branch b : engine::kBranches) {
        const engine::PalaceStarList& list = lists[static_cast<std::size_t>(index(b))];
        // Slot 0 is the first free slot; a damaged count never reads past the list.
        int end = list[0];
        if (end > engine::kPalaceSlots - 1) {
            end = engine::kPalaceSlots - 1;
        }
        std::int64_t sum = 0;  // a hand-edited power may be any int
        for (int slot = 1; slot <= end; ++slot) {
            const int star = list[static_cast<std::size_t>(slot)];
            if (star != 0) {
                sum += tables.power(star, b);
            }
        }
        powers[static_cast<std::size_t>(index(b))] = sum;
    }
    return powers;
}

namespace {

std::int64_t powerAt(const PalacePowers& powers, engine::Branch b) {
    return powers[static_cast<std::size_t>(index(b))];
}

// Whole-percent weights (all the settings dialog admits) make every step an exact integer, so
// summing in integers and dividing once gives the very double of the stepwise sum. Beyond the
// bounds (hand-edited numbers only) the integers could overflow; the doubles cannot.
bool exactInIntegers(const PalaceWeights& w, const PalacePowers& powers) {
    constexpr std::int64_t kWeightBound = 100'000'000;  // 10000 %
    constexpr std::int64_t kPowerBound = 1'000'000;
    for (const std::int64_t weight : {w.life, w.body, w.opposite, w.trine, w.neighbour}) {
        if (weight % 100 != 0 || weight > kWeightBound || weight < -kWeightBound) {
            return false;
        }
    }
    for (const std::int64_t power : powers) {
        if (power > kPowerBound || power < -kPowerBound) {
            return false;
        }
    }
    return true;
}

// The weights as whole multiples of a hundredth of a percent.
struct WholeWeights {
    std::int64_t life, body, opposite, trine, neighbour;
    explicit WholeWeights(const PalaceWeights& w)
        : life(w.life / 100),
          body(w.body / 100),
          opposite(w.opposite / 100),
          trine(w.trine / 100),
          neighbour(w.neighbour / 100) {}
};

double exactStrength(const PalacePowers& powers, engine::Branch i, engine::Branch life,
                     engine::Branch body, const WholeWeights& w) {
    const auto p = [&](engine::Branch b) { return powerAt(powers, b); };
    const auto [trine1, trine2] = engine::trines(i);
    const std::int64_t s = 10000 * p(i) + w.opposite * p(engine::opposite(i)) +
                           w.trine * (p(trine1) + p(trine2)) + w.neighbour * (p(i + 1) + p(i - 1)) +
                           w.life * p(life) + w.body * p(body);
    return static_cast<double>(s) / 10000.0;
}

double stepwiseStrength(const PalacePowers& powers, engine::Branch i, engine::Branch life,
                        engine::Branch body, const PalaceWeights& w) {
    const auto p = [&](engine::Branch b) { return static_cast<double>(powerAt(powers, b)); };
    const auto share = [](std::int64_t weight, double power) {
        return static_cast<double>(weight) * power / 100.0;
    };
    const auto [trine1, trine2] = engine::trines(i);
    double s = 10000.0 * p(i) + share(w.opposite, p(engine::opposite(i)));
    s = s + share(w.trine, p(trine1));
    s = s + share(w.trine, p(trine2));
    s = s + share(w.neighbour, p(i + 1));
    s = s + share(w.neighbour, p(i - 1));
    s = s + share(w.life, p(life));
    s = s + share(w.body, p(body));
    return s / 10000.0;
}

}  // namespace

double palaceStrength(const PalacePowers& powers, engine::Branch palace, engine::Branch life,
                      engine::Branch body, const PalaceWeights& weights) {
    return exactInIntegers(weights, powers)
               ? exactStrength(powers, palace, life, body, WholeWeights(weights))
               : stepwiseStrength(powers, palace, life, body, weights);
}

std::array<double, 12> palaceStrengths(const engine::PalaceStarLists& lists, engine::Branch life,
                                       engine::Branch body, const StrengthTables& tables) {
    const PalacePowers powers = palacePowers(lists, tables);
    const PalaceWeights& weights = tables.palaceWeights();
    std::array<double, 12> scores{};
    if (exactInIntegers(weights, powers)) {
        const WholeWeights whole(weights);
        for (const engine::Branch b : engine::kBranches) {
            scores[static_cast<std::size_t>(index(b))] =
                exactStrength(powers, b, life, body, whole);
        }
    } else {
        for (const engine::Branch b : engine::kBranches) {
            scores[static_cast<std::size_t>(index(b))] =
                stepwiseStrength(powers, b, life, body, weights);
        }
    }
    return scores;
}

}  // namespace sorvik::strength
