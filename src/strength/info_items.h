#pragma once

#include <string_view>

namespace sorvik::strength {

// The info rows of a palace block: five rows of six positions, each naming one item.
inline constexpr int kInfoRows = 5;
inline constexpr int kInfoPositions = 6;

enum class InfoItem {
    None,  // 表示無し
    Stem,
    Branch,
    PalaceName,
    BodyPalace,
    Strength,
    Decade,
    Minor,
    MonthlyLuck,
    Sihua1,
    Sihua2,
    Sihua3,
    Moving,
};
inline constexpr int kInfoItemCount = 13;

// The item's name as the settings file and the dialog hold it.
std::string_view infoItemName(InfoItem item);
// The item a text names; a text that names none is InfoItem::None.
InfoItem infoItemNamed(std::string_view name);

}  // namespace sorvik::strength
