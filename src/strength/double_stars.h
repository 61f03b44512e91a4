#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "strength/strength_tables.h"

namespace sorvik::strength {

struct DoubleStarPair {
    int first;  // star numbers
    int second;
};

// The known pairs, in the order of their powers in the settings.
inline constexpr std::array<DoubleStarPair, kDoubleStarPairCount> kDoubleStarPairs = {{
    {1, 7},    // 紫微 天府
    {1, 11},   // 紫微 天相
    {7, 11},   // 天府 天相
    {3, 8},    // 太陽 太陰
    {15, 16},  // 文昌 文曲
    {17, 18},  // 左輔 右弼
    {22, 23},  // 擎羊 陀羅
    {24, 25},  // 火星 鈴星
    {19, 20},  // 天魁 天鉞
    {21, 26},  // 禄存 化禄
    {26, 27},  // 化禄 化権
    {26, 28},  // 化禄 化科
    {27, 28},  // 化権 化科
    {21, 30},  // 禄存 天馬
    {26, 30},  // 化禄 天馬
    {31, 32},  // 地劫 天空
    {39, 40},  // 紅鸞 天喜
    {37, 38},  // 天哭 天虚
    {41, 42},  // 三台 八座
    {43, 44},  // 竜池 鳳閣
    {47, 48},  // 恩光 天貴
    {49, 50},  // 天官 天福
    {51, 52},  // 台輔 封誥
    {53, 54},  // 孤辰 寡宿
    {55, 56},  // 蜚廉 破砕
}};

enum Relation { kSamePalace = 0, kTrine = 1, kOpposite = 2, kFlanking = 3, kNeighbour = 4 };

// Captions of the relations, in their order.
inline constexpr std::array<std::string_view, kRelationCount> kRelationNames = {
    "同 宮", "加 会", "冲 照", "夾 照", "隣 宮"};

inline constexpr int kMaxRelationEntries = 13;

struct DoubleStarRelation {
    std::vector<int> pairs;            // pair indexes 0..24 in the order found
    std::vector<std::string> entries;  // the two display names and the power, "紫微天府10"
    std::int64_t powerTenths = 0;      // 力量 as shown
    std::string power;                 // "%4.1f"
};

struct DoubleStarEvaluation {
    std::array<DoubleStarRelation, kRelationCount> relations;
    std::int64_t totalTenths = 0;
    std::string total;  // "計：" and the sum of the shown 力量
};

// The pairs that meet in or around palace p, with their relation powers and total.
DoubleStarEvaluation evaluateDoubleStars(const engine::PalaceStarLists& lists,
                                         engine::Branch palace, const StrengthTables& tables,
                                         const engine::StarDisplayNames& names);

}  // namespace sorvik::strength
