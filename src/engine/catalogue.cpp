#include "catalogue.h"

#include <cassert>

#include "utf8.h"

namespace sorvik::engine {

namespace {

constexpr std::array<StarInfo, kStarCount> kStars = {{
    // name, class, 斗, 五行
    {"紫微", 1, 1, 4},      // 1
    {"天機", 1, 2, 2},      // 2
    {"太陽", 1, 3, 5},      // 3
    {"武曲", 1, 1, 3},      // 4
    {"天同", 1, 2, 1},      // 5
    {"廉貞", 2, 1, 25},     // 6
    {"天府", 1, 2, 4},      // 7
    {"太陰", 1, 3, 1},      // 8
    {"貪狼", 2, 1, 12},     // 9
    {"巨門", 2, 1, 1},      // 10
    {"天相", 1, 2, 1},      // 11
    {"天梁", 1, 2, 4},      // 12
    {"七殺", 2, 2, 53},     // 13
    {"破軍", 2, 1, 1},      // 14
    {"文昌", 3, 2, 3},      // 15
    {"文曲", 3, 1, 1},      // 16
    {"左輔", 3, 1, 4},      // 17
    {"右弼", 3, 1, 1},      // 18
    {"天魁", 3, 2, 5},      // 19
    {"天鉞", 3, 2, 5},      // 20
    {"禄存", 3, 1, 4},      // 21
    {"擎羊", 4, 1, 53},     // 22
    {"陀羅", 4, 1, 3},      // 23
    {"火星", 4, 2, 5},      // 24
    {"鈴星", 4, 2, 5},      // 25
    {"化禄", 3, 3, 4},      // 26
    {"化権", 3, 3, 2},      // 27
    {"化科", 3, 3, 1},      // 28
    {"化忌", 4, 3, 1},      // 29
    {"天馬", 5, 3, 5},      // 30
    {"地劫", 6, 3, 5},      // 31
    {"天空", 6, 3, 5},      // 32
    {"天傷", 8, 3, 1},      // 33
    {"天使", 8, 3, 1},      // 34
    {"天刑", 6, 3, 5},      // 35
    {"天姚", 6, 3, 1},      // 36
    {"天哭", 6, 3, 3},      // 37
    {"天虚", 6, 3, 4},      // 38
    {"紅鸞", 5, 3, 1},      // 39
    {"天喜", 5, 3, 1},      // 40
    {"三台", 5, 3, 4},      // 41
    {"八座", 5, 3, 4},      // 42
    {"竜池", 5, 3, 1},      // 43
    {"鳳閣", 5, 3, 4},      // 44
    {"天才", 5, 3, 2},      // 45
    {"天寿", 5, 3, 4},      // 46
    {"恩光", 5, 3, 5},      // 47
    {"天貴", 5, 3, 4},      // 48
    {"天官", 5, 3, 4},      // 49
    {"天福", 5, 3, 4},      // 50
    {"台輔", 5, 3, 4},      // 51
    {"封誥", 5, 3, 4},      // 52
    {"孤辰", 6, 3, 5},      // 53
    {"寡宿", 6, 3, 5},      // 54
    {"蜚廉", 6, 3, 5},      // 55
    {"破砕", 6, 3, 0},      // 56
    {"解神", 5, 3, 0},      // 57
    {"天巫", 5, 3, 0},      // 58
    {"天月", 6, 3, 0},      // 59
    {"陰ｻﾂ", 6, 3, 0},      // 60
    {"截空", 8, 3, 0},      // 61
    {"旬空", 8, 3, 0},      // 62
    {"博士", 7, 0, 1},      // 63
    {"力士", 7, 0, 5},      // 64
    {"青竜", 7, 0, 1},      // 65
    {"小耗", 8, 0, 5},      // 66
    {"将軍", 7, 0, 2},      // 67
    {"奏書", 7, 0, 3},      // 68
    {"飛廉", 8, 0, 5},      // 69
    {"喜神", 7, 0, 5},      // 70
    {"病符", 8, 0, 1},      // 71
    {"大耗", 8, 0, 5},      // 72
    {"伏兵", 8, 0, 5},      // 73
    {"官付", 8, 0, 5},      // 74
    {"長生", 7, 0, 0},      // 75
    {"沐浴", 7, 0, 0},      // 76
    {"冠帯", 7, 0, 0},      // 77
    {"臨官", 7, 0, 0},      // 78
    {"帝旺", 7, 0, 0},      // 79
    {"衰　", 8, 0, 0},      // 80
    {"病　", 8, 0, 0},      // 81
    {"死　", 8, 0, 0},      // 82
    {"墓　", 8, 0, 0},      // 83
    {"絶　", 8, 0, 0},      // 84
    {"胎　", 7, 0, 0},      // 85
    {"養　", 7, 0, 0},      // 86
    {"流禄存", 13, 0, 4},   // 87
    {"　流羊", 14, 0, 53},  // 88
    {"　流陀", 14, 0, 3},   // 89
    {"　流魁", 13, 0, 5},   // 90
    {"　流鉞", 13, 0, 5},   // 91
    {"流昌干", 13, 0, 3},   // 92
    {"流截路", 13, 0, 0},   // 93
    {"流空亡", 14, 0, 0},   // 94
    {"流昌支", 13, 0, 3},   // 95
    {"　流曲", 13, 0, 1},   // 96
    {"　流鸞", 13, 0, 1},   // 97
    {"　流喜", 13, 0, 1},   // 98
    {"　流馬", 13, 0, 5},   // 99
    {"流天解", 13, 0, 0},   // 100
    {"流地解", 13, 0, 0},   // 101
    {"　流空", 14, 0, 5},   // 102
    {"　流哭", 14, 0, 3},   // 103
    {"　流虚", 14, 0, 4},   // 104
    {"流月徳", 13, 0, 0},   // 105
    {"　将星", 9, 0, 0},    // 106
    {"　攀鞍", 9, 0, 0},    // 107
    {"　歳駅", 9, 0, 0},    // 108
    {"　息神", 12, 0, 0},   // 109
    {"　華蓋", 10, 0, 0},   // 110
    {"　劫ｻﾂ", 12, 0, 0},   // 111
    {"　災ｻﾂ", 12, 0, 0},   // 112
    {"　天ｻﾂ", 12, 0, 0},   // 113
    {"　指背", 12, 0, 0},   // 114
    {"　咸池", 12, 0, 0},   // 115
    {"　月ｻﾂ", 12, 0, 0},   // 116
    {"　亡神", 12, 0, 0},   // 117
    {"　歳建", 10, 0, 5},   // 118
    {"　晦気", 12, 0, 0},   // 119
    {"　喪門", 12, 0, 2},   // 120
    {"　貫索", 12, 0, 0},   // 121
    {"　官符", 12, 0, 5},   // 122
    {"　死符", 12, 0, 5},   // 123
    {"　歳破", 12, 0, 5},   // 124
    {"　竜徳", 9, 0, 0},    // 125
    {"　白虎", 12, 0, 3},   // 126
    {"　天徳", 9, 0, 0},    // 127
    {"　弔客", 12, 0, 5},   // 128
    {"流病府", 12, 0, 0},   // 129
}};

constexpr std::array<std::string_view, 12> kBranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                           "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊",
                                                         "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 5> kBureauNames = {"水二局", "木三局", "金四局", "土五局",
                                                          "火六局"};
constexpr std::array<std::string_view, 12> kPalaceNames = {"命　宮", "兄弟宮", "夫妻宮", "子女宮",
                                                           "財帛宮", "疾厄宮", "遷移宮", "奴僕宮",
                                                           "官禄宮", "田宅宮", "福徳宮", "父母宮"};

constexpr std::array<std::string_view, 15> kGradeLabels = {
    "", "主", "主", "副", "副", "乙", "乙", "丙", "丙", "丁", "丁", "戊", "戊", "", ""};
constexpr std::array<std::string_view, 4> kDipperLabels = {"", "北斗", "南斗", "中天"};
constexpr std::array<std::string_view, 6> kElementLabels = {"", "水", "木", "金", "土", "火"};
constexpr std::array<std::string_view, 8> kBrightnessLabels = {"",     "廟",   "旺",   "得地",
                                                               "利益", "平和", "不得", "陥"};
constexpr std::array<std::string_view, 4> kSihuaKindLabels = {"禄", "権", "科", "忌"};

// 禄 権 科 忌 by year stem.
constexpr int kSihuaTable[10][4] = {
    {Star::LianZhen, Star::PoJun, Star::WuQu, Star::TaiYang},        // 甲
    {Star::TianJi, Star::TianLiang, Star::ZiWei, Star::TaiYin},      // 乙
    {Star::TianTong, Star::TianJi, Star::WenChang, Star::LianZhen},  // 丙
    {Star::TaiYin, Star::TianTong, Star::TianJi, Star::JuMen},       // 丁
    {Star::TanLang, Star::TaiYin, Star::YouBi, Star::TianJi},        // 戊
    {Star::WuQu, Star::TanLang, Star::TianLiang, Star::WenQu},       // 己
    {Star::TaiYang, Star::WuQu, Star::TaiYin, Star::TianTong},       // 庚
    {Star::JuMen, Star::TaiYang, Star::WenQu, Star::WenChang},       // 辛
    {Star::TianLiang, Star::ZiWei, Star::ZuoFu, Star::WuQu},         // 壬
    {Star::PoJun, Star::JuMen, Star::TaiYin, Star::TanLang},         // 癸
};

template <typename Table>
auto at(const Table& table, int index) {
    assert(index >= 0 && index < static_cast<int>(table.size()));
    return table[static_cast<std::size_t>(index)];
}

// Stars whose stored name ends in "ｻﾂ", with how many leading characters they keep.
struct SubstitutedName {
    int starNumber;
    std::size_t keptCharacters;
};
constexpr SubstitutedName kSubstitutedNames[] = {
    {Star::YinSha, 1}, {Star::JieSha, 2}, {Star::ZaiSha, 2}, {Star::TianSha, 2}, {Star::YueSha, 2}};

}  // namespace

const StarInfo& starInfo(int starNumber) {
    assert(starNumber >= 1 && starNumber <= kStarCount);
    return kStars[static_cast<std::size_t>(starNumber - 1)];
}

std::string_view branchName(Branch branch) {
    return kBranchNames[static_cast<std::size_t>(index(branch))];
}
std::string_view stemName(Stem stem) {
    return kStemNames[static_cast<std::size_t>(index(stem))];
}
std::string_view bureauName(int bureau) {
    return at(kBureauNames, bureau - 2);
}
std::string_view defaultPalaceName(int index) {
    return at(kPalaceNames, index);
}
std::string_view gradeLabel(int classCode) {
    return at(kGradeLabels, classCode);
}

std::string_view goodBadLabel(int classCode) {
    if (classCode == 0) {
        return "";
    }
    return classCode % 2 == 1 ? "吉" : "凶";
}

std::string_view dipperLabel(int dipperCode) {
    return at(kDipperLabels, dipperCode);
}

std::string elementLabel(int elementCode) {
    if (elementCode < 6) {
        return std::string(at(kElementLabels, elementCode));
    }
    return std::string(at(kElementLabels, elementCode / 10)) +
           std::string(at(kElementLabels, elementCode % 10));
}

std::string_view brightnessLabel(int code) {
    return at(kBrightnessLabels, code);
}
std::string_view sihuaKindLabel(int kind) {
    return at(kSihuaKindLabels, kind);
}

int sihuaStar(Stem stem, int kind) {
    assert(kind >= 0 && kind <= 3);
    return kSihuaTable[index(stem)][kind];
}

StarDisplayNames::StarDisplayNames(std::string_view specialChar) {
    for (int n = 1; n <= kStarCount; ++n) {
        names_[static_cast<std::size_t>(n)] = std::string(starInfo(n).name);
    }
    for (const SubstitutedName& s : kSubstitutedNames) {
        names_[static_cast<std::size_t>(s.starNumber)] =
            utf8Prefix(starInfo(s.starNumber).name, s.keptCharacters) + std::string(specialChar);
    }
    for (int n = kFirstYearlyStar; n <= kStarCount; ++n) {
        yearly_.push_back(names_[static_cast<std::size_t>(n)]);
    }
}

StarDisplayNames BuildStarDisplayNames(std::string_view specialChar) {
    return StarDisplayNames(specialChar);
}

std::string StarTitle(const StarDisplayNames& names, int starNumber) {
    if (starNumber == Star::HuoXing || starNumber == Star::LingXing) {
        return names[starNumber];
    }
    return names[starNumber] + "星";
}

}  // namespace sorvik::engine
