#pragma once

#include <array>
#include <string_view>

namespace sorvik::engine {

inline constexpr int kPatternCount = 39;

// The 39 patterns (格局) by number; the pattern texts are indexed the same way. 36 ends in two
// full-width blanks, as it is stored.
inline constexpr std::array<std::string_view, kPatternCount> kPatternNames = {
    "紫府朝垣", "府相朝垣", "石中隠玉", "機月同梁", "巨日同格", "日照雷門", "明珠出海", "日月並明",
    "月生滄海", "日月夾命", "寿星入廟", "七殺朝斗", "英星入廟", "馬頭帯箭", "月朗天門", "巨機同臨",
    "命無正曜", "天乙挟命", "三奇加会", "左右同宮", "文桂文華", "貪火相逢", "梁馬飄蕩", "馬落空亡",
    "金燦光輝", "貪武同行", "紫府同宮", "日月照璧", "禄合鴛鴦", "両重華蓋", "禄馬交馳", "昌曲夾命",
    "左右夾命", "劫空夾命", "羊陀夾命", "火鈴夾命", "探花　　", "官封三代", "将星得地",
};

}  // namespace sorvik::engine
