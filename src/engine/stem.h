#pragma once

#include <cstdint>

namespace sorvik::engine {

// A heavenly stem, 甲 … 癸; counting wraps round the ten.
enum class Stem : std::int8_t { Jia, Yi, Bing, Ding, Wu, Ji, Geng, Xin, Ren, Gui };

inline constexpr int kStemCount = 10;

// 0 (甲) … 9 (癸).
constexpr int index(Stem s) {
    return static_cast<int>(s);
}

// The stem that many steps on from 甲; negative steps count backward.
constexpr Stem stemAt(int steps) {
    const int r = steps % kStemCount;
    return static_cast<Stem>(r < 0 ? r + kStemCount : r);
}

constexpr Stem operator+(Stem s, int steps) {
    return stemAt(index(s) + steps);
}

// Even stems (甲 丙 戊 庚 壬) are 陽, odd ones 陰.
constexpr bool isYang(Stem s) {
    return index(s) % 2 == 0;
}

}  // namespace sorvik::engine
