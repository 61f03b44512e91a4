#pragma once

#include <array>
#include <cstdint>

namespace sorvik::engine {

// An earthly branch, 子 … 亥; also a palace position. Counting wraps round the twelve.
enum class Branch : std::int8_t { Zi, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai };

inline constexpr int kBranchCount = 12;

// 0 (子) … 11 (亥): the place of a branch in tables and records.
constexpr int index(Branch b) {
    return static_cast<int>(b);
}

// The branch that many steps on from 子; negative steps count backward.
constexpr Branch branchAt(int steps) {
    const int r = steps % kBranchCount;
    return static_cast<Branch>(r < 0 ? r + kBranchCount : r);
}

constexpr Branch operator+(Branch b, int steps) {
    return branchAt(index(b) + steps);
}
constexpr Branch operator-(Branch b, int steps) {
    return branchAt(index(b) - steps);
}
constexpr Branch& operator+=(Branch& b, int steps) {
    return b = b + steps;
}

// Steps forward from `from` to `to`, 0..11.
constexpr int operator-(Branch to, Branch from) {
    return index(branchAt(index(to) - index(from)));
}

// All twelve in order, to iterate over the palaces.
inline constexpr std::array<Branch, kBranchCount> kBranches = {
    Branch::Zi, Branch::Chou, Branch::Yin,  Branch::Mao, Branch::Chen, Branch::Si,
    Branch::Wu, Branch::Wei,  Branch::Shen, Branch::You, Branch::Xu,   Branch::Hai,
};

}  // namespace sorvik::engine
