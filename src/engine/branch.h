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

// Without a division where the steps are known at compile time: hot in pattern rules.
constexpr Branch operator+(Branch b, int steps) {
    int v = index(b) + steps % kBranchCount;
    if (v >= kBranchCount) {
        v -= kBranchCount;
    } else if (v < 0) {
        v += kBranchCount;
    }
    return static_cast<Branch>(v);
}
constexpr Branch operator-(Branch b, int steps) {
    return b + -(steps % kBranchCount);
}
constexpr Branch& operator+=(Branch& b, int steps) {
    return b = b + steps;
}

// Steps forward from `from` to `to`, 0..11.
constexpr int operator-(Branch to, Branch from) {
    const int v = index(to) - index(from);
    return v < 0 ? v + kBranchCount : v;
}

// The palace across the chart.
constexpr Branch opposite(Branch b) {
    return b + 6;
}

// The two other palaces of a palace's triangle (三方), four and eight steps on.
constexpr std::array<Branch, 2> trines(Branch b) {
    return {b + 4, b + 8};
}

// All twelve in order, to iterate over the palaces.
inline constexpr std::array<Branch, kBranchCount> kBranches = {
    Branch::Zi, Branch::Chou, Branch::Yin,  Branch::Mao, Branch::Chen, Branch::Si,
    Branch::Wu, Branch::Wei,  Branch::Shen, Branch::You, Branch::Xu,   Branch::Hai,
};

}  // namespace sorvik::engine
