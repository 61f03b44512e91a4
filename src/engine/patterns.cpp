#include "patterns.h"

#include <cassert>
#include <initializer_list>
#include <optional>

namespace sorvik::engine {

namespace {

constexpr std::array<std::string_view, kPatternCount> kPatternNames = {
    "紫府朝垣", "府相朝垣", "石中隠玉", "機月同梁", "巨日同格", "日照雷門", "明珠出海", "日月並明",
    "月生滄海", "日月夾命", "寿星入廟", "七殺朝斗", "英星入廟", "馬頭帯箭", "月朗天門", "巨機同臨",
    "命無正曜", "天乙挟命", "三奇加会", "左右同宮", "文桂文華", "貪火相逢", "梁馬飄蕩", "馬落空亡",
    "金燦光輝", "貪武同行", "紫府同宮", "日月照璧", "禄合鴛鴦", "両重華蓋", "禄馬交馳", "昌曲夾命",
    "左右夾命", "劫空夾命", "羊陀夾命", "火鈴夾命", "探花　　", "官封三代", "将星得地",
};

using enum Branch;

using enum Star::Number;

bool isAt(const StarRows& stars, int n, Branch p) {
    return stars[n][kStarBranch] == index(p);
}
bool isGood(const StarRows& stars, int n) {
    return stars[n][kStarClass] % 2 == 1;
}

// Whether a star from first to last, good or not as asked, stands in palace p or in a palace
// a multiple of `step` away: 4 for p's trine, 6 for p and its opposite. One pass over the
// stars, since both steps divide the twelve.
template <int step>
bool anyEvery(const StarRows& stars, int first, int last, Branch p, bool good) {
    static_assert(kBranchCount % step == 0);
    for (int n = first; n <= last; ++n) {
        const int q = stars[n][kStarBranch];
        if (q >= 0 && q < kBranchCount && (q - index(p)) % step == 0 && isGood(stars, n) == good) {
            return true;
        }
    }
    return false;
}

// What one rule sees: the chart, 命宮 L, 身宮 B, the palaces L + 3, L + 4, L + 8 and the sex.
struct RuleInput {
    const StarRows& stars;
    Branch L, B, X3, X4, X8;
    Sex sex;

    bool at(int n, Branch p) const { return isAt(stars, n, p); }
    bool trine(Branch p, int n) const { return InTrine(stars, p, n); }
    bool outerTrine(Branch p, int n) const { return InOuterTrine(stars, p, n); }
    bool flanks(Branch p, int a, int b) const { return Flanks(stars, p, a, b); }
    bool good(Branch p) const { return GoodInTrine(stars, p); }
    // The condition with P = the first palace, or else the next ones.
    template <typename Condition>
    bool forAny(std::initializer_list<Branch> palaces, Condition condition) const {
        for (const Branch p : palaces) {
            if (condition(p)) {
                return true;
            }
        }
        return false;
    }
    static bool among(Branch p, std::initializer_list<Branch> set) {
        for (const Branch b : set) {
            if (p == b) {
                return true;
            }
        }
        return false;
    }
    // 禄存 and 化禄 together in L, B or L + 8: the palace, else nothing.
    std::optional<Branch> luMeeting() const {
        const int position = stars[LuCun][kStarBranch];
        if (position < 0 || position >= kBranchCount) {
            return std::nullopt;
        }
        const Branch r = branchAt(position);
        return at(HuaLu, r) && among(r, {L, B, X8}) ? std::optional(r) : std::nullopt;
    }
};

using Rule = bool (*)(const RuleInput&);

// One rule per pattern number. Rules 13, 19 and 21 replace conditions that combine stars
// which never share a palace; each follows what its name means.
constexpr std::array<Rule, kPatternCount> kRules = {
    // 0 紫府朝垣
    [](const RuleInput& c) {
        return c.at(TianXiang, c.L) && c.trine(c.L, ZiWei) && c.trine(c.L, TianFu) && c.good(c.L);
    },
    // 1 府相朝垣
    [](const RuleInput& c) {
        return c.outerTrine(c.L, TianFu) && c.outerTrine(c.L, TianXiang) && c.good(c.L);
    },
    // 2 石中隠玉
    [](const RuleInput& c) {
        return c.among(c.L, {Zi, Wu}) && c.at(JuMen, c.L) && c.good(c.L);
    },
    // 3 機月同梁
    [](const RuleInput& c) {
        return c.trine(c.L, TianJi) && c.trine(c.L, TaiYin) && c.trine(c.L, TianTong) &&
               c.trine(c.L, TianLiang) && c.good(c.L);
    },
    // 4 巨日同格
    [](const RuleInput& c) {
        return c.among(c.L, {Yin, Shen}) && c.at(TaiYang, c.L) && c.at(JuMen, c.L) && c.good(c.L);
    },
    // 5 日照雷門
    [](const RuleInput& c) {
        return c.forAny({c.L, c.X4}, [&](Branch p) {
            return p == Mao && c.trine(p, TaiYang) && c.trine(p, TianLiang) && c.good(p);
        });
    },
    // 6 明珠出海
    [](const RuleInput& c) {
        return c.L == Wei && c.at(TaiYang, Mao) && c.at(TaiYin, Hai) && c.good(c.L);
    },
    // 7 日月並明
    [](const RuleInput& c) {
        return (c.L == Chou && c.at(TaiYang, Si) && c.at(TaiYin, You) && c.good(c.L)) ||
               (c.L == Wu && c.at(TaiYang, Yin) && c.at(TaiYin, Zi) && c.good(c.L));
    },
    // 8 月生滄海
    [](const RuleInput& c) {
        return c.forAny({c.L, c.X3}, [&](Branch p) {
            return p == Zi && c.at(TianTong, p) && c.at(TaiYin, p) && c.good(p);
        });
    },
    // 9 日月夾命
    [](const RuleInput& c) {
        return c.forAny({c.L, c.X8}, [&](Branch p) {
            return c.among(p, {Chou, Wei}) &&
                   (c.at(TianFu, p) ||
                    (c.at(WuQu, p) && c.at(TanLang, p) && c.flanks(p, TaiYang, TaiYin))) &&
                   c.good(p);
        });
    },
    // 10 寿星入廟
    [](const RuleInput& c) { return c.L == Wu && c.at(TianLiang, c.L) && c.good(c.L); },
    // 11 七殺朝斗
    [](const RuleInput& c) {
        return c.among(c.L, {Zi, Yin, Wu, Shen}) && c.at(QiSha, c.L) && c.good(c.L);
    },
    // 12 英星入廟
    [](const RuleInput& c) {
        return c.among(c.L, {Zi, Wu}) && c.at(PoJun, c.L) && c.good(c.L);
    },
    // 13 馬頭帯箭: 擎羊, the arrow, in a 午 (horse) 命宮.
    [](const RuleInput& c) { return c.L == Wu && c.at(QingYang, c.L); },
    // 14 月朗天門
    [](const RuleInput& c) { return c.L == Hai && c.at(TaiYin, Hai) && c.good(Hai); },
    // 15 巨機同臨
    [](const RuleInput& c) {
        return c.among(c.L, {Mao, You}) && c.at(TianJi, c.L) && c.at(JuMen, c.L) && c.good(c.L);
    },
    // 16 命無正曜
    [](const RuleInput& c) {
        for (int n = ZiWei; n <= PoJun; ++n) {
            if (c.at(n, c.L)) {
                return false;
            }
        }
        return true;
    },
    // 17 天乙挟命
    [](const RuleInput& c) {
        return c.forAny({c.L, c.B}, [&](Branch p) {
            return (AtOrOpposite(c.stars, p, TianKui, TianYue) ||
                    (c.trine(p, TianKui) && c.trine(p, TianYue)) ||
                    c.flanks(p, TianKui, TianYue)) &&
                   c.good(p);
        });
    },
    // 18 三奇加会
    [](const RuleInput& c) {
        return c.trine(c.L, HuaLu) && c.trine(c.L, HuaQuan) && c.trine(c.L, HuaKe);
    },
    // 19 左右同宮: 左輔 and 右弼 together, which happens only in 丑 and 未, shaped like 20.
    [](const RuleInput& c) {
        return c.forAny({c.L, c.B}, [&](Branch p) {
            return c.among(p, {Chou, Wei}) && c.at(ZuoFu, p) && c.at(YouBi, p) &&
                   BrightMainAt(c.stars, p);
        });
    },
    // 20 文桂文華
    [](const RuleInput& c) {
        return c.forAny({c.L, c.B}, [&](Branch p) {
            return c.among(p, {Chou, Wei}) && c.at(WenChang, p) && c.at(WenQu, p) &&
                   BrightMainAt(c.stars, p);
        });
    },
    // 21 貪火相逢: 貪狼 meets 火星 or 鈴星 in the 命宮; the two never stand together.
    [](const RuleInput& c) {
        return c.among(c.L, {Chen, Wei, Xu}) && c.at(TanLang, c.L) &&
               (c.at(HuoXing, c.L) || c.at(LingXing, c.L));
    },
    // 22 梁馬飄蕩
    [](const RuleInput& c) {
        return c.among(c.L, {Si, Hai}) && c.stars[TianLiang][kStarBrightness] > 5 &&
               (c.at(TianMa, c.L) || BadInTrine(c.stars, c.L));
    },
    // 23 馬落空亡
    [](const RuleInput& c) {
        return c.at(TianMa, c.L) && c.at(DiJie, c.L) && c.at(TianKong, c.L) &&
               c.at(LuCun, opposite(c.L));
    },
    // 24 金燦光輝
    [](const RuleInput& c) { return c.L == Wu && c.at(TaiYang, c.L) && c.good(c.L); },
    // 25 貪武同行
    [](const RuleInput& c) {
        return c.among(c.L, {Chou, Wei}) && c.at(WuQu, c.L) && c.at(TanLang, c.L) && c.good(c.L);
    },
    // 26 紫府同宮
    [](const RuleInput& c) {
        return c.among(c.L, {Yin, Shen}) && c.at(ZiWei, c.L) && c.at(TianFu, c.L) && c.good(c.L);
    },
    // 27 日月照璧
    [](const RuleInput& c) {
        return c.among(c.X3, {Chou, Wei}) && c.at(TaiYang, c.X3) && c.at(TaiYin, c.X3) &&
               c.good(c.X3);
    },
    // 28 禄合鴛鴦
    [](const RuleInput& c) {
        const std::optional<Branch> r = c.luMeeting();
        return r && !BadAtOrOpposite(c.stars, *r);
    },
    // 29 両重華蓋
    [](const RuleInput& c) {
        const std::optional<Branch> r = c.luMeeting();
        return r && BadAtOrOpposite(c.stars, *r);
    },
    // 30 禄馬交馳
    [](const RuleInput& c) {
        return c.forAny({c.L, c.B, c.X8}, [&](Branch p) {
            return c.trine(p, LuCun) && c.trine(p, HuaQuan) && c.outerTrine(p, TianMa);
        });
    },
    // 31 昌曲夾命
    [](const RuleInput& c) { return c.flanks(c.L, WenChang, WenQu); },
    // 32 左右夾命
    [](const RuleInput& c) { return c.flanks(c.L, ZuoFu, YouBi); },
    // 33 劫空夾命
    [](const RuleInput& c) { return c.flanks(c.L, DiJie, TianKong); },
    // 34 羊陀夾命
    [](const RuleInput& c) { return c.flanks(c.L, QingYang, TuoLuo) && c.at(HuaJi, c.L); },
    // 35 火鈴夾命
    [](const RuleInput& c) { return c.flanks(c.L, HuoXing, LingXing); },
    // 36 探花
    [](const RuleInput& c) {
        return c.sex == Sex::Female && c.at(TianJi, c.L) && c.at(TaiYin, c.L) && c.good(c.L);
    },
    // 37 官封三代
    [](const RuleInput& c) {
        return c.L == Yin && c.at(TaiYang, Yin) && c.at(JuMen, Yin) && c.good(Yin);
    },
    // 38 将星得地
    [](const RuleInput& c) {
        return c.among(c.L, {Chen, Xu}) && c.at(WuQu, c.L) && c.good(c.L);
    },
};

}  // namespace

std::string_view patternName(int number) {
    assert(number >= 0 && number < kPatternCount);
    return kPatternNames[number];
}

bool InTrine(const StarRows& stars, Branch p, int n) {
    return isAt(stars, n, p) || InOuterTrine(stars, p, n);
}

bool InOuterTrine(const StarRows& stars, Branch p, int n) {
    const int q = stars[n][kStarBranch];
    const auto [first, second] = trines(p);
    return q == index(first) || q == index(second);
}

bool Flanks(const StarRows& stars, Branch p, int a, int b) {
    const int qa = stars[a][kStarBranch];
    const int qb = stars[b][kStarBranch];
    const int next = index(p + 1);
    const int previous = index(p - 1);
    return (qa == next && qb == previous) || (qa == previous && qb == next);
}

bool AtOrOpposite(const StarRows& stars, Branch p, int a, int b) {
    const Branch across = opposite(p);
    for (const int n : {a, b}) {
        const int q = stars[n][kStarBranch];
        if (q == index(p) || q == index(across)) {
            return true;
        }
    }
    return false;
}

bool BrightMainAt(const StarRows& stars, Branch p) {
    for (int n = ZiWei; n <= PoJun; ++n) {
        if (isAt(stars, n, p) && stars[n][kStarBrightness] < 3) {
            return true;
        }
    }
    return false;
}

bool GoodInTrine(const StarRows& stars, Branch p) {
    return anyEvery<4>(stars, WenChang, HuaJi, p, true);
}

bool BadInTrine(const StarRows& stars, Branch p) {
    return anyEvery<4>(stars, ZuoFu, TianKong, p, false);
}

bool BadAtOrOpposite(const StarRows& stars, Branch p) {
    return anyEvery<6>(stars, ZuoFu, TianKong, p, false);
}

PatternFlags FindPatterns(const StarRows& stars, Branch life, Branch body, Sex sex) {
    const RuleInput chart{stars, life, body, life + 3, trines(life)[0], trines(life)[1], sex};
    PatternFlags flags{};
    for (int i = 0; i < kPatternCount; ++i) {
        flags[i] = kRules[i](chart) ? 1 : 0;
    }
    return flags;
}

}  // namespace sorvik::engine
