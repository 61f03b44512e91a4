#include "placement.h"

#include <algorithm>
#include <cassert>
#include <string_view>

#include "engine/bureau.h"
#include "engine/errors.h"

namespace sorvik::engine {

namespace {

using enum Branch;
using enum Star::Number;

// Tables of branches are written as the characters of the tradition's tables; a wrong
// character or length stops the build.
constexpr std::string_view kBranchCharacters = "子丑寅卯辰巳午未申酉戌亥";

template <std::size_t N>
consteval std::array<Branch, N> branches(std::string_view text) {
    constexpr std::size_t kCharBytes = 3;  // every branch character is three bytes in UTF-8
    if (text.size() != N * kCharBytes) {
        throw "branch table of the wrong length";
    }
    std::array<Branch, N> row{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t at = kBranchCharacters.find(text.substr(i * kCharBytes, kCharBytes));
        if (at == std::string_view::npos || at % kCharBytes != 0) {
            throw "not a branch character";
        }
        row[i] = branchAt(static_cast<int>(at / kCharBytes));
    }
    return row;
}

using ByDay = std::array<Branch, 30>;
using ByMonth = std::array<Branch, 12>;   // months 1..12
using ByStem = std::array<Branch, 10>;    // 甲..癸
using ByBranch = std::array<Branch, 12>;  // 子..亥

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

// 天馬 by month (rule 0, and the other table of rule 1) and by year branch (rule 2).
constexpr ByMonth kTianMaByMonth = branches<12>("寅亥申巳寅亥申巳寅亥申巳");
constexpr ByMonth kTianMaByMonthOther = branches<12>("申巳寅亥申巳寅亥申巳寅亥");
constexpr ByBranch kTianMaByYear = branches<12>("寅亥申巳寅亥申巳寅亥申巳");

constexpr ByMonth kJieShen = branches<12>("申申戌戌子子寅寅辰辰午午");  // 解神
constexpr ByMonth kTianWu = branches<12>("巳申寅亥巳申寅亥巳申寅亥");   // 天巫
constexpr ByMonth kTianYue = branches<12>("戌巳辰寅未卯亥未寅午戌寅");  // 天月
constexpr ByMonth kYinSha = branches<12>("寅子戌申午辰寅子戌申午辰");   // 陰煞

constexpr ByStem kLuCun = branches<10>("寅卯巳午巳午申酉亥子");        // 禄存
constexpr ByStem kQingYang = branches<10>("卯辰午未午未酉戌子丑");     // 擎羊
constexpr ByStem kTuoLuo = branches<10>("丑寅辰巳辰巳未申戌亥");       // 陀羅
constexpr ByStem kTianKui = branches<10>("丑子亥亥丑子丑午卯卯");      // 天魁
constexpr ByStem kTianYueStem = branches<10>("未申酉酉未申未寅巳巳");  // 天鉞
constexpr ByStem kTianGuan = branches<10>("未辰巳寅卯酉亥酉戌午");     // 天官
constexpr ByStem kTianFu = branches<10>("酉申子亥卯寅午巳午巳");       // 天福
constexpr ByStem kJieKong = branches<10>("申午辰寅子酉未巳卯丑");      // 截空

constexpr ByBranch kGuChen = branches<12>("寅寅巳巳巳申申申亥亥亥寅");  // 孤辰
constexpr ByBranch kGuaSu = branches<12>("戌戌丑丑丑辰辰辰未未未戌");   // 寡宿
constexpr ByBranch kPoSui = branches<12>("巳寅酉巳寅酉巳寅酉巳寅酉");   // 破砕

// 長生 by bureau 2..6.
constexpr auto kChangSheng = branches<5>("申亥巳申寅");

void checkMoment(const ConvertedMoment& m, int month) {
    const auto inRange = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if ((index(m.yearStem) - index(m.yearBranch)) % 2 != 0 || !inRange(m.lunar.day, 1, 30) ||
        !inRange(month, 1, 12)) {
        throw EngineError("旧暦の日付・干支・宮の値が範囲外のため、命盤を作成できません。");
    }
}

// The 天馬 position by rule. A rule outside 0..2 (no item chosen) falls back to the default
// rule 0: a chart has no earlier placement whose 天馬 it could keep.
Branch tianMa(int rule, int month, Branch yearBranch) {
    switch (rule) {
        case 1:
            return kTianMaByMonthOther[month - 1];
        case 2:
            return kTianMaByYear[index(yearBranch)];
        default:
            return kTianMaByMonth[month - 1];
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
    for (int n = ZiWei; n <= XunKong; ++n) {
        add(n, n);
    }
    add(kJieKongSecondRow, JieKong);
    add(kXunKongSecondRow, XunKong);
    for (int n = BoShi; n <= kNatalStarCount; ++n) {
        add(n, n);
    }
    return order;
}();

}  // namespace

Placement PlaceStars(const ConvertedMoment& moment, Counting direction,
                     const PlacementTables& tables) {
    const int m = moment.placementMonth();
    checkMoment(moment, m);
    const Stem s = moment.yearStem;
    const Branch y = moment.yearBranch;
    const int d = moment.lunar.day;
    const Branch h = moment.lunar.hour;
    const Branch life = moment.lifePalace;
    const Branch body = moment.bodyPalace;

    Placement result;
    result.bureau = BureauOf(s, life);
    std::array<Branch, kStarRows> at{};
    const auto put = [&at](int star, Branch position) { at[star] = position; };
    const int hourSteps = index(h);
    const int yearSteps = index(y);
    const int stemSteps = index(s);

    const Branch z = kZiWei[result.bureau - 2][d - 1];
    put(ZiWei, z);
    put(TianJi, z - 1);
    put(TaiYang, z - 3);
    put(WuQu, z - 4);
    put(TianTong, z - 5);
    put(LianZhen, z - 8);
    // 天府 mirrors 紫微 across the 寅–申 axis.
    const Branch f = Yin + (Yin - z);
    put(TianFu, f);
    put(TaiYin, f + 1);
    put(TanLang, f + 2);
    put(JuMen, f + 3);
    put(TianXiang, f + 4);
    put(TianLiang, f + 5);
    put(QiSha, f + 6);
    put(PoJun, f + 10);

    put(WenChang, Xu - hourSteps);
    put(WenQu, Chen + hourSteps);
    put(HuoXing, kFireBase[yearSteps % 4] + hourSteps);
    put(LingXing, kBellBase[yearSteps % 4] + hourSteps);
    put(DiJie, Hai + hourSteps);
    put(TianKong, Hai - hourSteps);
    put(TaiFu, Wu + hourSteps);
    put(FengGao, Yin + hourSteps);

    const int monthSteps = m - 1;
    put(ZuoFu, Chen + monthSteps);
    put(YouBi, Xu - monthSteps);
    put(TianXing, You + monthSteps);
    put(TianYao, Chou + monthSteps);
    put(TianMa, tianMa(tables.tianMaRule(), m, y));
    put(JieShen, kJieShen[m - 1]);
    put(TianWu, kTianWu[m - 1]);
    put(TianYueMoon, kTianYue[m - 1]);
    put(YinSha, kYinSha[m - 1]);

    put(LuCun, kLuCun[stemSteps]);
    put(QingYang, kQingYang[stemSteps]);
    put(TuoLuo, kTuoLuo[stemSteps]);
    put(TianKui, kTianKui[stemSteps]);
    put(TianYue, kTianYueStem[stemSteps]);
    for (int kind = kLu; kind <= kJi; ++kind) {
        put(kSihuaStar[kind], at[sihuaStar(s, kind)]);
    }
    put(TianGuan, kTianGuan[stemSteps]);
    put(TianFuFortune, kTianFu[stemSteps]);

    put(JieKong, kJieKong[stemSteps]);
    put(kJieKongSecondRow, at[JieKong] + 1);
    // The year's decade (旬) starts with 甲 at this branch; the two branches it leaves out
    // are empty.
    const Branch decadeStart = y - stemSteps;
    put(XunKong, decadeStart + 10);
    put(kXunKongSecondRow, decadeStart + 11);

    put(HongLuan, Mao - yearSteps);
    put(TianXi, You - yearSteps);
    put(TianKu, Wu - yearSteps);
    put(TianXu, Wu + yearSteps);
    put(LongChi, Chen + yearSteps);
    put(FengGe, Xu - yearSteps);
    put(GuChen, kGuChen[yearSteps]);
    put(GuaSu, kGuaSu[yearSteps]);
    put(FeiLianInsect, Yin + yearSteps);
    put(PoSui, kPoSui[yearSteps]);

    put(TianCai, life + yearSteps);
    put(TianShou, body + yearSteps);
    put(SanTai, at[ZuoFu] + (d - 1));
    put(BaZuo, at[YouBi] - (d - 1));
    put(EnGuang, at[WenChang] + (d - 2));
    put(TianGui, at[WenQu] + (d - 2));
    put(TianShang, life + 5);
    put(TianShi, life + 7);

    const int step = direction == Counting::Forward ? 1 : -1;
    put(BoShi, at[LuCun]);
    for (int k = 1; k <= 11; ++k) {
        put(BoShi + k, at[BoShi] + step * k);
    }
    put(ChangSheng, kChangSheng[result.bureau - 2]);
    for (int k = 1; k <= 11; ++k) {
        put(ChangSheng + k, at[ChangSheng] + step * k);
    }

    for (PalaceStarList& list : result.palaceStarLists) {
        list[0] = 1;
    }
    for (const auto [row, star] : kListOrder) {
        const Branch first = at[star];
        const StarInfo& info = starInfo(star);
        result.stars[row] = {index(at[row]),
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
        PalaceStarList& list = result.palaceStarLists[static_cast<std::size_t>(index(at[row]))];
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

// The stars of the year stem (流禄存 流羊 流陀 流魁 流鉞 流昌干 流截路 流空亡), by year stem.
// clang-format off
constexpr std::array<YearlyRow, 10> kByStem = {{
    {{{}, {LiuTuo, LiuKui}, {LiuLuCun}, {LiuYang}, {}, {LiuChangGan}, {}, {LiuYue}, {LiuKongWang}, {LiuJieLu}, {}, {}}},      // 甲
    {{{LiuKui}, {}, {LiuTuo}, {LiuLuCun}, {LiuYang}, {}, {LiuChangGan, LiuJieLu}, {LiuKongWang}, {LiuYue}, {}, {}, {}}},      // 乙
    {{{}, {}, {}, {}, {LiuTuo, LiuKongWang}, {LiuLuCun, LiuJieLu}, {LiuYang}, {}, {LiuChangGan}, {LiuYue}, {}, {LiuKui}}},    // 丙
    {{{}, {}, {LiuJieLu}, {LiuKongWang}, {}, {LiuTuo}, {LiuLuCun}, {LiuYang}, {}, {LiuYue, LiuChangGan}, {}, {LiuKui}}},      // 丁
    {{{LiuKongWang}, {LiuKui, LiuJieLu}, {}, {}, {LiuTuo}, {LiuLuCun}, {LiuYang}, {LiuYue}, {LiuChangGan}, {}, {}, {}}},      // 戊
    {{{LiuKui}, {}, {}, {}, {}, {LiuTuo}, {LiuLuCun}, {LiuYang}, {LiuYue, LiuJieLu}, {LiuChangGan, LiuKongWang}, {}, {}}},    // 己
    {{{}, {LiuKui}, {}, {}, {}, {}, {LiuJieLu}, {LiuTuo, LiuYue, LiuKongWang}, {LiuLuCun}, {LiuYang}, {}, {LiuChangGan}}},    // 庚
    {{{LiuChangGan}, {}, {LiuKui}, {}, {LiuJieLu}, {LiuKongWang}, {LiuYue}, {}, {LiuTuo}, {LiuLuCun}, {LiuYang}, {}}},        // 辛
    {{{LiuYang}, {}, {LiuChangGan, LiuKongWang}, {LiuKui, LiuJieLu}, {}, {LiuYue}, {}, {}, {}, {}, {LiuTuo}, {LiuLuCun}}},    // 壬
    {{{LiuLuCun, LiuJieLu}, {LiuYang, LiuKongWang}, {}, {LiuKui, LiuChangGan}, {}, {LiuYue}, {}, {}, {}, {}, {}, {LiuTuo}}},  // 癸
}};
// clang-format on

// The stars of the year branch, 流昌支 to 流病府 in star order: where each stands, by year
// branch 子..亥. 流曲 stands at the year branch + 4 in every year, 丑 included.
struct StarByYearBranch {
    Star::Number star;
    ByBranch at;
};
// clang-format off
constexpr std::array<StarByYearBranch, kStarCount - LiuChangZhi + 1> kYearBranchStars = {{
    // year branch                子丑寅卯辰巳午未申酉戌亥
    {LiuChangZhi,   branches<12>("戌酉申未午巳辰卯寅丑子亥")},  // 流昌支
    {LiuQu,         branches<12>("辰巳午未申酉戌亥子丑寅卯")},  // 流曲
    {LiuLuan,       branches<12>("卯寅丑子亥戌酉申未午巳辰")},  // 流鸞
    {LiuXi,         branches<12>("酉申未午巳辰卯寅丑子亥戌")},  // 流喜
    {LiuMa,         branches<12>("寅亥申巳寅亥申巳寅亥申巳")},  // 流馬
    {LiuTianJie,    branches<12>("戌酉申未午巳辰卯寅丑子亥")},  // 流天解
    {LiuDiJie,      branches<12>("未未申申酉酉戌戌亥亥午午")},  // 流地解
    {LiuKong,       branches<12>("丑寅卯辰巳午未申酉戌亥子")},  // 流空
    {LiuKu,         branches<12>("午巳辰卯寅丑子亥戌酉申未")},  // 流哭
    {LiuXu,         branches<12>("午未申酉戌亥子丑寅卯辰巳")},  // 流虚
    {LiuYueDe,      branches<12>("巳午未申酉戌亥子丑寅卯辰")},  // 流月徳
    {JiangXing,     branches<12>("子酉午卯子酉午卯子酉午卯")},  // 将星
    {PanAn,         branches<12>("丑戌未辰丑戌未辰丑戌未辰")},  // 攀鞍
    {SuiYi,         branches<12>("寅亥申巳寅亥申巳寅亥申巳")},  // 歳駅
    {XiShenBreath,  branches<12>("卯子酉午卯子酉午卯子酉午")},  // 息神
    {HuaGai,        branches<12>("辰丑戌未辰丑戌未辰丑戌未")},  // 華蓋
    {JieSha,        branches<12>("巳寅亥申巳寅亥申巳寅亥申")},  // 劫殺
    {ZaiSha,        branches<12>("午卯子酉午卯子酉午卯子酉")},  // 災殺
    {TianSha,       branches<12>("未辰丑戌未辰丑戌未辰丑戌")},  // 天殺
    {ZhiBei,        branches<12>("申巳寅亥申巳寅亥申巳寅亥")},  // 指背
    {XianChi,       branches<12>("酉午卯子酉午卯子酉午卯子")},  // 咸池
    {YueSha,        branches<12>("戌未辰丑戌未辰丑戌未辰丑")},  // 月殺
    {WangShen,      branches<12>("亥申巳寅亥申巳寅亥申巳寅")},  // 亡神
    {SuiJian,       branches<12>("子丑寅卯辰巳午未申酉戌亥")},  // 歳建
    {HuiQi,         branches<12>("丑寅卯辰巳午未申酉戌亥子")},  // 晦気
    {SangMen,       branches<12>("寅卯辰巳午未申酉戌亥子丑")},  // 喪門
    {GuanSuo,       branches<12>("卯辰巳午未申酉戌亥子丑寅")},  // 貫索
    {GuanFuTally,   branches<12>("辰巳午未申酉戌亥子丑寅卯")},  // 官符
    {SiFu,          branches<12>("巳午未申酉戌亥子丑寅卯辰")},  // 死符
    {SuiPo,         branches<12>("午未申酉戌亥子丑寅卯辰巳")},  // 歳破
    {LongDe,        branches<12>("未申酉戌亥子丑寅卯辰巳午")},  // 竜徳
    {BaiHu,         branches<12>("申酉戌亥子丑寅卯辰巳午未")},  // 白虎
    {TianDe,        branches<12>("酉戌亥子丑寅卯辰巳午未申")},  // 天徳
    {DiaoKe,        branches<12>("戌亥子丑寅卯辰巳午未申酉")},  // 弔客
    {LiuBingFu,     branches<12>("亥子丑寅卯辰巳午未申酉戌")},  // 流病府
}};
// clang-format on

// The same stars by cell, for placing: year branch, then palace, each cell in star order.
constexpr std::array<YearlyRow, 12> kByBranch = [] {
    std::array<YearlyRow, 12> rows{};
    int expected = LiuChangZhi;
    for (const auto& [star, at] : kYearBranchStars) {
        if (star != expected++) {
            throw "year branch stars out of order";
        }
        for (int year = 0; year < kBranchCount; ++year) {
            YearlyCell& cell = rows[year][index(at[year])];
            const auto free = std::find(cell.begin(), cell.end(), 0);
            if (free == cell.end()) {
                throw "too many yearly stars in one palace";
            }
            *free = static_cast<std::uint8_t>(star);
        }
    }
    return rows;
}();

}  // namespace

YearlyStarLists PlaceYearlyStars(Stem yearStem, Branch yearBranch) {
    YearlyStarLists lists{};
    for (int p = 0; p < kBranchCount; ++p) {
        YearlyStarList& list = lists[p];
        int next = 1;
        for (const YearlyCell* cell :
             {&kByStem[index(yearStem)][p], &kByBranch[index(yearBranch)][p]}) {
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
    for (int p = 0; p < kBranchCount; ++p) {
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
