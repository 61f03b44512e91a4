#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/branch.h"
#include "engine/stem.h"

// The fixed vocabulary of the chart: branches, stems, bureaus, palaces and the 129 stars.
namespace sorvik::engine {

// Star numbers by name. The number is what tables, records and files hold, so the names
// convert to int; the names that sound alike carry the sense of their character.
struct Star {
    enum Number : int {
        ZiWei = 1,      // 1 紫微
        TianJi,         // 2 天機
        TaiYang,        // 3 太陽
        WuQu,           // 4 武曲
        TianTong,       // 5 天同
        LianZhen,       // 6 廉貞
        TianFu,         // 7 天府
        TaiYin,         // 8 太陰
        TanLang,        // 9 貪狼
        JuMen,          // 10 巨門
        TianXiang,      // 11 天相
        TianLiang,      // 12 天梁
        QiSha,          // 13 七殺
        PoJun,          // 14 破軍
        WenChang,       // 15 文昌
        WenQu,          // 16 文曲
        ZuoFu,          // 17 左輔
        YouBi,          // 18 右弼
        TianKui,        // 19 天魁
        TianYue,        // 20 天鉞
        LuCun,          // 21 禄存
        QingYang,       // 22 擎羊
        TuoLuo,         // 23 陀羅
        HuoXing,        // 24 火星
        LingXing,       // 25 鈴星
        HuaLu,          // 26 化禄
        HuaQuan,        // 27 化権
        HuaKe,          // 28 化科
        HuaJi,          // 29 化忌
        TianMa,         // 30 天馬
        DiJie,          // 31 地劫
        TianKong,       // 32 天空
        TianShang,      // 33 天傷
        TianShi,        // 34 天使
        TianXing,       // 35 天刑
        TianYao,        // 36 天姚
        TianKu,         // 37 天哭
        TianXu,         // 38 天虚
        HongLuan,       // 39 紅鸞
        TianXi,         // 40 天喜
        SanTai,         // 41 三台
        BaZuo,          // 42 八座
        LongChi,        // 43 竜池
        FengGe,         // 44 鳳閣
        TianCai,        // 45 天才
        TianShou,       // 46 天寿
        EnGuang,        // 47 恩光
        TianGui,        // 48 天貴
        TianGuan,       // 49 天官
        TianFuFortune,  // 50 天福
        TaiFu,          // 51 台輔
        FengGao,        // 52 封誥
        GuChen,         // 53 孤辰
        GuaSu,          // 54 寡宿
        FeiLianInsect,  // 55 蜚廉
        PoSui,          // 56 破砕
        JieShen,        // 57 解神
        TianWu,         // 58 天巫
        TianYueMoon,    // 59 天月
        YinSha,         // 60 陰煞
        JieKong,        // 61 截空
        XunKong,        // 62 旬空
        BoShi,          // 63 博士
        LiShi,          // 64 力士
        QingLong,       // 65 青竜
        XiaoHao,        // 66 小耗
        JiangJun,       // 67 将軍
        ZouShu,         // 68 奏書
        FeiLian,        // 69 飛廉
        XiShen,         // 70 喜神
        BingFu,         // 71 病符
        DaHao,          // 72 大耗
        FuBing,         // 73 伏兵
        GuanFu,         // 74 官付
        ChangSheng,     // 75 長生
        MuYu,           // 76 沐浴
        GuanDai,        // 77 冠帯
        LinGuan,        // 78 臨官
        DiWang,         // 79 帝旺
        Shuai,          // 80 衰
        Bing,           // 81 病
        SiStage,        // 82 死
        Mu,             // 83 墓
        Jue,            // 84 絶
        Tai,            // 85 胎
        Yang,           // 86 養
        LiuLuCun,       // 87 流禄存
        LiuYang,        // 88 流羊
        LiuTuo,         // 89 流陀
        LiuKui,         // 90 流魁
        LiuYue,         // 91 流鉞
        LiuChangGan,    // 92 流昌干
        LiuJieLu,       // 93 流截路
        LiuKongWang,    // 94 流空亡
        LiuChangZhi,    // 95 流昌支
        LiuQu,          // 96 流曲
        LiuLuan,        // 97 流鸞
        LiuXi,          // 98 流喜
        LiuMa,          // 99 流馬
        LiuTianJie,     // 100 流天解
        LiuDiJie,       // 101 流地解
        LiuKong,        // 102 流空
        LiuKu,          // 103 流哭
        LiuXu,          // 104 流虚
        LiuYueDe,       // 105 流月徳
        JiangXing,      // 106 将星
        PanAn,          // 107 攀鞍
        SuiYi,          // 108 歳駅
        XiShenBreath,   // 109 息神
        HuaGai,         // 110 華蓋
        JieSha,         // 111 劫殺
        ZaiSha,         // 112 災殺
        TianSha,        // 113 天殺
        ZhiBei,         // 114 指背
        XianChi,        // 115 咸池
        YueSha,         // 116 月殺
        WangShen,       // 117 亡神
        SuiJian,        // 118 歳建
        HuiQi,          // 119 晦気
        SangMen,        // 120 喪門
        GuanSuo,        // 121 貫索
        GuanFuTally,    // 122 官符
        SiFu,           // 123 死符
        SuiPo,          // 124 歳破
        LongDe,         // 125 竜徳
        BaiHu,          // 126 白虎
        TianDe,         // 127 天徳
        DiaoKe,         // 128 弔客
        LiuBingFu,      // 129 流病府
    };
};

inline constexpr int kStarCount = 129;      // star numbers 1..129
inline constexpr int kNatalStarCount = 86;  // 1..86 natal, 87..129 yearly (流)
inline constexpr int kFirstYearlyStar = 87;
static_assert(Star::LiuBingFu == kStarCount && Star::LiuLuCun == kFirstYearlyStar);

struct StarInfo {
    std::string_view name;  // as stored; five names carry "ｻﾂ" for a missing character
    int classCode;          // 1..14: grade and 吉 (odd) / 凶 (even)
    int dipperCode;         // 0 none, 1 北斗, 2 南斗, 3 中天
    int elementCode;        // 0 none, one digit 1..5 or two digits (53 = 火金)
};

// Star by number 1..129.
const StarInfo& starInfo(int starNumber);

std::string_view branchName(Branch branch);
std::string_view stemName(Stem stem);
std::string_view bureauName(int bureau);        // 2..6
std::string_view defaultPalaceName(int index);  // 0 = 命　宮 … 11 = 父母宮

std::string_view gradeLabel(int classCode);
std::string_view goodBadLabel(int classCode);
std::string_view dipperLabel(int dipperCode);
std::string elementLabel(int elementCode);
std::string_view brightnessLabel(int brightnessCode);  // 0..7
std::string_view sihuaKindLabel(int kind);             // 0 禄, 1 権, 2 科, 3 忌

enum SihuaKind { kLu = 0, kQuan = 1, kKe = 2, kJi = 3 };
inline constexpr int kSihuaStar[4] = {Star::HuaLu, Star::HuaQuan, Star::HuaKe, Star::HuaJi};

// The star that receives the given 四化 kind for a year stem.
int sihuaStar(Stem stem, int kind);

// The names as shown everywhere, with the substitute character in place of "ｻﾂ".
class StarDisplayNames {
  public:
    explicit StarDisplayNames(std::string_view specialChar);
    const std::string& operator[](int starNumber) const { return names_[starNumber]; }
    // The 43 yearly star names in order (stars 87..129).
    const std::vector<std::string>& yearlyStarNames() const { return yearly_; }

  private:
    std::array<std::string, kStarCount + 1> names_;
    std::vector<std::string> yearly_;
};

StarDisplayNames BuildStarDisplayNames(std::string_view specialChar);

// Heading form of a star name: the name followed by "星", except 火星 and 鈴星.
std::string StarTitle(const StarDisplayNames& names, int starNumber);

}  // namespace sorvik::engine
