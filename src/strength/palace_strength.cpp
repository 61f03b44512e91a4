#include "strength/palace_strength.h"

namespace sorvik::strength {

PalacePowers palacePowers(const engine::PalaceStarLists& lists, const StrengthTables& tables) {
    PalacePowers powers{};
    for (engine::Branch b = 0; b < 12; ++b) {
        const engine::PalaceStarList& list = lists[static_cast<std::size_t>(b)];
        // Slot 0 is the first free slot; a damaged count never reads past the list.
        int end = list[0];
        if (end > engine::kPalaceSlots - 1) {
            end = engine::kPalaceSlots - 1;
        }
        int sum = 0;
        for (int slot = 1; slot <= end; ++slot) {
            const int star = list[static_cast<std::size_t>(slot)];
            if (star != 0) {
                sum += tables.power(star, b);
            }
        }
        powers[static_cast<std::size_t>(b)] = sum;
    }
    return powers;
}

double palaceStrength(const PalacePowers& powers, engine::Branch palace, engine::Branch life,
                      engine::Branch body, const PalaceWeights& weights) {
    const auto p = [&](int branch) {
        return static_cast<double>(powers[static_cast<std::size_t>(((branch % 12) + 12) % 12)]);
    };
    const auto share = [](std::int64_t weight, double power) {
        return static_cast<double>(weight) * power / 100.0;
    };
    double s = 10000.0 * p(palace) + share(weights.opposite, p(palace + 6));
    s = s + share(weights.trine, p(palace + 4));
    s = s + share(weights.trine, p(palace + 8));
    s = s + share(weights.neighbour, p(palace + 1));
    s = s + share(weights.neighbour, p(palace + 11));
    s = s + share(weights.life, p(life));
    s = s + share(weights.body, p(body));
    return s / 10000.0;
}

std::array<double, 12> palaceStrengths(const engine::PalaceStarLists& lists, engine::Branch life,
                                       engine::Branch body, const StrengthTables& tables) {
    const PalacePowers powers = palacePowers(lists, tables);
    const PalaceWeights& weights = tables.palaceWeights();
    std::array<double, 12> scores{};
    for (engine::Branch b = 0; b < 12; ++b) {
        scores[static_cast<std::size_t>(b)] = palaceStrength(powers, b, life, body, weights);
    }
    return scores;
}

}  // namespace sorvik::strength
