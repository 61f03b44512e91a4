#include "placement.h"

#include <cassert>
#include <string_view>

#include "engine/bureau.h"
#include "engine/errors.h"

namespace sorvik::engine {

namespace {

// Every formula gives a value above -24, most of them non-negative already.
constexpr Branch wrap(int value) {
    return static_cast<Branch>(static_cast<unsigned>(value + 24) % 12u);
}

// Tables of branches are written as the characters of the tradition's tables; a wrong
// character or length stops the build.
constexpr std::string_view kBranchCharacters = "子丑寅卯辰巳午未申酉戌亥";

template <std::size_t N>
consteval std::array<std::int8_t, N> branches(std::string_view text) {
    constexpr std::size_t kCharBytes = 3;  // every branch character is three bytes in UTF-8
    if (text.size() != N * kCharBytes) {
        throw "branch table of the wrong length";
    }
    std::array<std::int8_t, N> row{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t at = kBranchCharacters.find(text.substr(i * kCharBytes, kCharBytes));
        if (at == std::string_view::npos || at % kCharBytes != 0) {
            throw "not a branch character";
        }
        row[i] = static_cast<std::int8_t>(at / kCharBytes);
    }
    return row;
}

using ByDay = std::array<std::int8_t, 30>;
using ByMonth = std::array<std::int8_t, 12>;   // months 1..12
using ByStem = std::array<std::int8_t, 10>;    // 甲..癸
using ByBranch = std::array<std::int8_t, 12>;  // 子..亥

// 紫微 by bureau 2..6 and lunar day 1..30.
constexpr std::array<ByDay, 5> kZiWei = {
    branches<30>("丑寅寅卯卯辰辰巳巳午午未未申申酉酉戌戌亥亥子子丑丑寅寅卯卯辰"),
    branches<30>("辰丑寅巳寅卯午卯辰未辰巳申巳午酉午未戌未申亥申酉子酉戌丑戌亥"),
    branches<30>("亥辰丑寅子巳寅卯丑午卯辰寅未辰巳卯申巳午辰酉午未巳戌未申午亥"),
    branches<30>("午亥辰丑寅未子巳寅卯申丑午卯辰酉寅未辰巳戌卯申巳午亥辰酉午未"),
    branches<30>("酉午亥辰丑寅戌未子巳寅卯亥申丑午卯辰子酉寅未辰巳丑戌卯申巳午"),
};

// 火星 and 鈴星 bases by year branch mod 4 (子辰申, 丑巳酉, 寅午戌, 卯未亥).
constexpr auto kFireBase = branches<4>("寅卯丑酉");
constexpr auto kBellBase = branches<4>("戌戌卯戌");

constexpr ByMonth kJieShen = branches<12>("申申戌戌子子寅寅辰辰午午");  // 57 解神
constexpr ByMonth kTianWu = branches<12>("巳申寅亥巳申寅亥巳申寅亥");   // 58 天巫
constexpr ByMonth kTianYue = branches<12>("戌巳辰寅未卯亥未寅午戌寅");  // 59 天月
constexpr ByMonth kYinSha = branches<12>("寅子戌申午辰寅子戌申午辰");   // 60 陰煞

constexpr ByStem kLuCun = branches<10>("寅卯巳午巳午申酉亥子");        // 21 禄存
constexpr ByStem kQingYang = branches<10>("卯辰午未午未酉戌子丑");     // 22 擎羊
constexpr ByStem kTuoLuo = branches<10>("丑寅辰巳辰巳未申戌亥");       // 23 陀羅
constexpr ByStem kTianKui = branches<10>("丑子亥亥丑子丑午卯卯");      // 19 天魁
constexpr ByStem kTianYueStem = branches<10>("未申酉酉未申未寅巳巳");  // 20 天鉞
constexpr ByStem kTianGuan = branches<10>("未辰巳寅卯酉亥酉戌午");     // 49 天官
constexpr ByStem kTianFu = branches<10>("酉申子亥卯寅午巳午巳");       // 50 天福
constexpr ByStem kJieKong = branches<10>("申午辰寅子酉未巳卯丑");      // 61 截空

constexpr ByBranch kGuChen = branches<12>("寅寅巳巳巳申申申亥亥亥寅");  // 53 孤辰
constexpr ByBranch kGuaSu = branches<12>("戌戌丑丑丑辰辰辰未未未戌");   // 54 寡宿
constexpr ByBranch kPoSui = branches<12>("巳寅酉巳寅酉巳寅酉巳寅酉");   // 56 破砕

// 長生 by bureau 2..6.
constexpr auto kChangSheng = branches<5>("申亥巳申寅");

void checkMoment(const ConvertedMoment& m, int month, int direction) {
    const auto inRange = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (!inRange(m.yearStem, 0, 9) || !inRange(m.yearBranch, 0, 11) ||
        (m.yearStem - m.yearBranch) % 2 != 0 || !inRange(m.lunar.day, 1, 30) ||
        !inRange(m.lunar.hour, 0, 11) || !inRange(m.lifePalace, 0, 11) ||
        !inRange(m.bodyPalace, 0, 11) || !inRange(month, 1, 12) || !inRange(direction, 0, 1)) {
        throw EngineError("旧暦の日付・干支・宮の値が範囲外のため、命盤を作成できません。");
    }
}

// The 天馬 position by rule. A rule outside 0..2 (no item chosen) falls back to the default
// rule 0: a chart has no earlier placement whose 天馬 it could keep.
Branch tianMa(int rule, int month, Branch yearBranch) {
    switch (rule) {
        case 1:
            return wrap((5 - month % 4) * 3 + 8);
        case 2:
            return wrap((5 - yearBranch % 4) * 3 + 11);
        default:
            return wrap((5 - month % 4) * 3 + 14);
    }
}

// Order of the rows in every palace list: stars 1..62, the second palaces, then 63..86; each
// row with the star it lists.
struct ListedRow {
    std::int16_t row;
    std::int16_t star;
};
constexpr auto kListOrder = [] {
    std::array<ListedRow, kNatalStarCount + 2> order{};
    std::size_t i = 0;
    const auto add = [&](int row, int star) {
        order[i++] = {static_cast<std::int16_t>(row), static_cast<std::int16_t>(star)};
    };
    for (int n = 1; n <= 62; ++n) {
        add(n, n);
    }
    add(kJieKongSecondRow, 61);
    add(kXunKongSecondRow, 62);
    for (int n = 63; n <= kNatalStarCount; ++n) {
        add(n, n);
    }
    return order;
}();

}  // namespace

Placement PlaceStars(const ConvertedMoment& moment, int direction, const PlacementTables& tables) {
    const int m = moment.placementMonth();
    checkMoment(moment, m, direction);
    const Stem s = moment.yearStem;
    const Branch y = moment.yearBranch;
    const int d = moment.lunar.day;
    const Branch h = moment.lunar.hour;
    const Branch life = moment.lifePalace;
    const Branch body = moment.bodyPalace;

    Placement result;
    result.bureau = BureauOf(s, life);
    std::array<Branch, kStarRows> at{};
    const auto put = [&at](int star, int position) { at[star] = wrap(position); };

    const Branch z = kZiWei[result.bureau - 2][d - 1];
    put(1, z);
    put(2, z + 11);
    put(3, z + 9);
    put(4, z + 8);
    put(5, z + 7);
    put(6, z + 4);
    put(7, 16 - z);
    put(8, 17 - z);
    put(9, 18 - z);
    put(10, 19 - z);
    put(11, 20 - z);
    put(12, 21 - z);
    put(13, 22 - z);
    put(14, 14 - z);

    put(15, 22 - h);
    put(16, h + 16);
    put(24, kFireBase[y % 4] + h);
    put(25, kBellBase[y % 4] + h);
    put(31, h + 23);
    put(32, 23 - h);
    put(51, h + 30);
    put(52, h + 26);

    put(17, m + 3);
    put(18, 23 - m);
    put(35, m + 8);
    put(36, m + 12);
    put(30, tianMa(tables.tianMaRule(), m, y));
    put(57, kJieShen[m - 1]);
    put(58, kTianWu[m - 1]);
    put(59, kTianYue[m - 1]);
    put(60, kYinSha[m - 1]);

    put(21, kLuCun[s]);
    put(22, kQingYang[s]);
    put(23, kTuoLuo[s]);
    put(19, kTianKui[s]);
    put(20, kTianYueStem[s]);
    for (int kind = kLu; kind <= kJi; ++kind) {
        put(kSihuaStar[kind], at[sihuaStar(s, kind)]);
    }
    put(49, kTianGuan[s]);
    put(50, kTianFu[s]);

    put(61, kJieKong[s]);
    put(kJieKongSecondRow, at[61] + 1);
    const int t = y - s;
    put(62, t > 0 ? t - 2 : t + 10);
    put(kXunKongSecondRow, at[62] + 1);

    put(39, 15 - y);
    put(40, 21 - y);
    put(37, 18 - y);
    put(38, y + 6);
    put(43, y + 4);
    put(44, 22 - y);
    put(53, kGuChen[y]);
    put(54, kGuaSu[y]);
    put(55, y + 2);
    put(56, kPoSui[y]);

    put(45, life + y);
    put(46, body + y);
    put(41, d + at[17] + 11);
    put(42, at[18] - d + 49);
    put(47, d + at[15] + 10);
    put(48, d + at[16] + 10);
    put(33, life + 5);
    put(34, life + 7);

    const int step = direction == 0 ? 1 : 11;
    put(63, at[21]);
    for (int k = 1; k <= 11; ++k) {
        put(63 + k, at[63] + step * k);
    }
    put(75, kChangSheng[result.bureau - 2]);
    for (int k = 1; k <= 11; ++k) {
        put(75 + k, at[75] + step * k);
    }

    for (PalaceStarList& list : result.palaceStarLists) {
        list[0] = 1;
    }
    for (const auto [row, star] : kListOrder) {
        const Branch first = at[star];
        const StarInfo& info = starInfo(star);
        result.stars[row] = {at[row],
                             info.classCode,
                             tables.brightness(star, first),
                             info.dipperCode,
                             tables.power(star, first),
                             info.elementCode,
                             0,
                             0,
                             0,
                             0,
                             0};
        PalaceStarList& list = result.palaceStarLists[at[row]];
        int& next = list[0];
        assert(next < kPalaceSlots);
        list[next++] = star;
    }
    return result;
}

namespace {

// Yearly stars by cell (columns 子..亥); a cell holds up to seven star numbers, zeros fill
// the rest.
using YearlyCell = std::array<std::uint8_t, 7>;
using YearlyRow = std::array<YearlyCell, 12>;

// 87 流禄存 88 流羊 89 流陀 90 流魁 91 流鉞 92 流昌干 93 流截路 94 流空亡, by year stem.
constexpr std::array<YearlyRow, 10> kByStem = {{
    {{{}, {89, 90}, {87}, {88}, {}, {92}, {}, {91}, {94}, {93}, {}, {}}},      // 甲
    {{{90}, {}, {89}, {87}, {88}, {}, {92, 93}, {94}, {91}, {}, {}, {}}},      // 乙
    {{{}, {}, {}, {}, {89, 94}, {87, 93}, {88}, {}, {92}, {91}, {}, {90}}},    // 丙
    {{{}, {}, {93}, {94}, {}, {89}, {87}, {88}, {}, {91, 92}, {}, {90}}},      // 丁
    {{{94}, {90, 93}, {}, {}, {89}, {87}, {88}, {91}, {92}, {}, {}, {}}},      // 戊
    {{{90}, {}, {}, {}, {}, {89}, {87}, {88}, {91, 93}, {92, 94}, {}, {}}},    // 己
    {{{}, {90}, {}, {}, {}, {}, {93}, {89, 91, 94}, {87}, {88}, {}, {92}}},    // 庚
    {{{92}, {}, {90}, {}, {93}, {94}, {91}, {}, {89}, {87}, {88}, {}}},        // 辛
    {{{88}, {}, {92, 94}, {90, 93}, {}, {91}, {}, {}, {}, {}, {89}, {87}}},    // 壬
    {{{87, 93}, {88, 94}, {}, {90, 92}, {}, {91}, {}, {}, {}, {}, {}, {89}}},  // 癸
}};

// Stars 95..129 by year branch. 96 流曲 stands at the year branch + 4 in every year; the 丑 row
// gets it at 巳 as well, where a one-year gap in an otherwise uniform rule would lose the star.
// clang-format off
constexpr std::array<YearlyRow, 12> kByBranch = {{
    // 子
    {{{106, 118}, {102, 107, 119}, {99, 108, 120}, {97, 109, 121}, {96, 110, 122}, {105, 111, 123},
      {103, 104, 112, 124}, {101, 113, 125}, {114, 126}, {98, 115, 127}, {95, 100, 116, 128}, {117, 129}}},
    // 丑
    {{{109, 129}, {110, 118}, {97, 102, 111, 119}, {112, 120}, {113, 121}, {96, 103, 114, 122},
      {105, 115, 123}, {101, 104, 116, 124}, {98, 117, 125}, {95, 100, 106, 126}, {107, 127}, {99, 108, 128}}},
    // 寅
    {{{112, 128}, {97, 113, 129}, {114, 118}, {102, 115, 119}, {103, 116, 120}, {117, 121},
      {96, 106, 122}, {98, 105, 107, 123}, {95, 99, 100, 101, 104, 108, 124}, {109, 125}, {110, 126}, {111, 127}}},
    // 卯
    {{{97, 115, 127}, {116, 128}, {117, 129}, {103, 106, 118}, {102, 107, 119}, {99, 108, 120},
      {98, 109, 121}, {95, 96, 100, 110, 122}, {101, 105, 111, 123}, {104, 112, 124}, {113, 125}, {114, 126}}},
    // 辰
    {{{106, 126}, {107, 127}, {99, 103, 108, 128}, {109, 129}, {110, 118}, {98, 102, 111, 119},
      {95, 100, 112, 120}, {113, 121}, {96, 114, 122}, {101, 105, 115, 123}, {104, 116, 124}, {97, 117, 125}}},
    // 巳
    {{{109, 125}, {103, 110, 126}, {111, 127}, {112, 128}, {98, 113, 129}, {95, 100, 114, 118},
      {102, 115, 119}, {116, 120}, {117, 121}, {96, 101, 106, 122}, {97, 105, 107, 123}, {99, 104, 108, 124}}},
    // 午
    {{{103, 104, 112, 124}, {113, 125}, {114, 126}, {98, 115, 127}, {95, 100, 116, 128}, {117, 129},
      {106, 118}, {102, 107, 119}, {99, 108, 120}, {97, 109, 121}, {96, 101, 110, 122}, {105, 111, 123}}},
    // 未
    {{{105, 115, 123}, {104, 116, 124}, {98, 117, 125}, {95, 100, 106, 126}, {107, 127}, {99, 108, 128},
      {109, 129}, {110, 118}, {97, 102, 111, 119}, {112, 120}, {101, 113, 121}, {96, 103, 114, 122}}},
    // 申
    {{{96, 106, 122}, {98, 105, 107, 123}, {95, 99, 100, 104, 108, 124}, {109, 125}, {110, 126}, {111, 127},
      {112, 128}, {97, 113, 129}, {114, 118}, {102, 115, 119}, {103, 116, 120}, {101, 117, 121}}},
    // 酉
    {{{98, 109, 121}, {95, 96, 100, 110, 122}, {105, 111, 123}, {104, 112, 124}, {113, 125}, {114, 126},
      {97, 115, 127}, {116, 128}, {117, 129}, {103, 106, 118}, {102, 107, 119}, {99, 101, 108, 120}}},
    // 戌
    {{{95, 100, 112, 120}, {113, 121}, {96, 114, 122}, {105, 115, 123}, {104, 116, 124}, {97, 117, 125},
      {101, 106, 126}, {107, 127}, {99, 103, 108, 128}, {109, 129}, {110, 118}, {98, 102, 111, 119}}},
    // 亥
    {{{102, 115, 119}, {116, 120}, {117, 121}, {96, 106, 122}, {97, 105, 107, 123}, {99, 104, 108, 124},
      {101, 109, 125}, {103, 110, 126}, {111, 127}, {112, 128}, {98, 113, 129}, {95, 100, 114, 118}}},
}};
// clang-format on

}  // namespace

YearlyStarLists PlaceYearlyStars(Stem yearStem, Branch yearBranch) {
    assert(yearStem >= 0 && yearStem <= 9 && yearBranch >= 0 && yearBranch <= 11);
    YearlyStarLists lists{};
    for (Branch p = 0; p < 12; ++p) {
        YearlyStarList& list = lists[p];
        int next = 1;
        for (const YearlyCell* cell : {&kByStem[yearStem][p], &kByBranch[yearBranch][p]}) {
            for (const std::uint8_t star : *cell) {
                if (star != 0) {
                    assert(next < kYearlySlots);
                    list[next++] = star;
                }
            }
        }
        list[0] = next;
    }
    return lists;
}

void WriteYearlyStars(const YearlyStarLists& yearly, PalaceStarLists& lists) {
    for (Branch p = 0; p < 12; ++p) {
        PalaceStarList& list = lists[p];
        const int first = list[0];
        assert(first >= 1 && first + kYearlySlots - 1 < kPalaceSlots);
        for (int j = 1; j < kYearlySlots; ++j) {
            list[first + j] = yearly[p][j];
        }
    }
}

void WriteYearlyStars(const YearlyStarLists& yearly, ChartRecord& record) {
    WriteYearlyStars(yearly, record.palaceStarLists);
    record.narrowPalaceStarLists();
}

}  // namespace sorvik::engine
