#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/branch.h"
#include "engine/stem.h"

// The fixed vocabulary of the chart: branches, stems, bureaus, palaces and the 129 stars.
namespace sorvik::engine {

inline constexpr int kStarCount = 129;      // star numbers 1..129
inline constexpr int kNatalStarCount = 86;  // 1..86 natal, 87..129 yearly (流)
inline constexpr int kFirstYearlyStar = 87;

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
inline constexpr int kSihuaStar[4] = {26, 27, 28, 29};  // 化禄 化権 化科 化忌

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
