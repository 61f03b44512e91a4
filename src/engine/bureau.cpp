#include "bureau.h"

namespace sorvik::engine {

namespace {

// Rows by year stem mod 5 (甲己, 乙庚, 丙辛, 丁壬, 戊癸); columns by 命宮 pairs 子丑 … 戌亥.
constexpr int kBureauTable[5][6] = {
    {2, 6, 3, 5, 4, 6}, {6, 5, 4, 3, 2, 5}, {5, 3, 2, 4, 6, 3},
    {3, 4, 6, 2, 5, 4}, {4, 2, 5, 6, 3, 2},
};

}  // namespace

int BureauOf(Stem yearStem, Branch lifePalace) {
    return kBureauTable[index(yearStem) % 5][index(lifePalace) / 2];
}

}  // namespace sorvik::engine
