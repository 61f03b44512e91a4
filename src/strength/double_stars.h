#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "strength/one_decimal.h"
#include "strength/strength_tables.h"

namespace sorvik::strength {

struct DoubleStarPair {
    int first;  // star numbers
    int second;
};

// The known pairs, in the order of their powers in the settings.
inline constexpr std::array<DoubleStarPair, kDoubleStarPairCount> kDoubleStarPairs = {{
    {engine::Star::ZiWei, engine::Star::TianFu},
    {engine::Star::ZiWei, engine::Star::TianXiang},
    {engine::Star::TianFu, engine::Star::TianXiang},
    {engine::Star::TaiYang, engine::Star::TaiYin},
    {engine::Star::WenChang, engine::Star::WenQu},
    {engine::Star::ZuoFu, engine::Star::YouBi},
    {engine::Star::QingYang, engine::Star::TuoLuo},
    {engine::Star::HuoXing, engine::Star::LingXing},
    {engine::Star::TianKui, engine::Star::TianYue},
    {engine::Star::LuCun, engine::Star::HuaLu},
    {engine::Star::HuaLu, engine::Star::HuaQuan},
    {engine::Star::HuaLu, engine::Star::HuaKe},
    {engine::Star::HuaQuan, engine::Star::HuaKe},
    {engine::Star::LuCun, engine::Star::TianMa},
    {engine::Star::HuaLu, engine::Star::TianMa},
    {engine::Star::DiJie, engine::Star::TianKong},
    {engine::Star::HongLuan, engine::Star::TianXi},
    {engine::Star::TianKu, engine::Star::TianXu},
    {engine::Star::SanTai, engine::Star::BaZuo},
    {engine::Star::LongChi, engine::Star::FengGe},
    {engine::Star::EnGuang, engine::Star::TianGui},
    {engine::Star::TianGuan, engine::Star::TianFuFortune},
    {engine::Star::TaiFu, engine::Star::FengGao},
    {engine::Star::GuChen, engine::Star::GuaSu},
    {engine::Star::FeiLianInsect, engine::Star::PoSui},
}};

enum Relation { kSamePalace = 0, kTrine = 1, kOpposite = 2, kFlanking = 3, kNeighbour = 4 };

// Captions of the relations, in their order.
inline constexpr std::array<std::string_view, kRelationCount> kRelationNames = {
    "同 宮", "加 会", "冲 照", "夾 照", "隣 宮"};

inline constexpr int kMaxRelationEntries = 13;

// What one relation of a palace found: the pairs in the order found, as many times as they
// meet, and the relation's 力量 in tenths as shown.
struct DoubleStarFinding {
    std::array<std::int8_t, kMaxRelationEntries> pairs{};  // pair indexes 0..24
    std::size_t count = 0;
    std::int64_t powerTenths = 0;
};

struct DoubleStarFindings {
    std::array<DoubleStarFinding, kRelationCount> relations;
    std::int64_t totalTenths = 0;  // the sum of the shown 力量
};

using DoubleStarFindingsByPalace = std::array<DoubleStarFindings, 12>;

// By pair, the entry text of the pair: the two display names and the power, "紫微天府10".
using DoubleStarEntryTexts = std::array<std::string, kDoubleStarPairCount>;
DoubleStarEntryTexts doubleStarEntryTexts(const StrengthTables& tables,
                                          const engine::StarDisplayNames& names);

// 力量 and the total as shown: "%4.1f", and "計：" before the total's.
std::string powerText(std::int64_t tenths);
std::string totalText(std::int64_t tenths);
// The same in room of the caller's.
std::string_view powerText(std::int64_t tenths, TenthsRoom& room);
std::string_view totalText(std::int64_t tenths, TenthsRoom& room);

// The twelve palaces by branch at once, sharing the work they have in common.
void findDoubleStarsOfAllPalaces(const engine::PalaceStarLists& lists,
                                 const StrengthTables& tables,
                                 DoubleStarFindingsByPalace& findings);

// The texts of a palace's double stars, as the palace detail shows them.
struct DoubleStarRelation {
    std::vector<std::string> entries;  // the entry texts of the pairs found
    std::string power;
};

struct DoubleStarEvaluation {
    std::array<DoubleStarRelation, kRelationCount> relations;
    std::string total;
};

DoubleStarEvaluation evaluationText(const DoubleStarFindings& findings,
                                    const DoubleStarEntryTexts& entryTexts);

// The pairs that meet in or around palace p, with their relation powers and total.
DoubleStarEvaluation evaluateDoubleStars(const engine::PalaceStarLists& lists,
                                         engine::Branch palace, const StrengthTables& tables,
                                         const engine::StarDisplayNames& names);

}  // namespace sorvik::strength
