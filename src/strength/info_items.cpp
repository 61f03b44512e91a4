#include "info_items.h"

#include <array>

namespace sorvik::strength {

namespace {

constexpr std::array<std::string_view, kInfoItemCount> kNames = {
    "表示無し", "干",       "支",     "宮の名称", "身宮",   "宮の数値", "大限",
    "小限",     "月運日付", "四化１", "四化２",   "四化３", "動宮",
};

}  // namespace

std::string_view infoItemName(InfoItem item) {
    const auto index = static_cast<std::size_t>(item);
    return index < kNames.size() ? kNames[index] : kNames[0];
}

InfoItem infoItemNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return static_cast<InfoItem>(i);
        }
    }
    return InfoItem::None;
}

}  // namespace sorvik::strength
