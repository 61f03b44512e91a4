#pragma once

#include <cstdint>
#include <string_view>

namespace sorvik::engine {

// In the order of the entry bar's items and of the stored charts (0 男, 1 女).
enum class Sex : std::uint8_t { Male = 0, Female = 1 };

// The entry bar's item index as a sex; anything but the second item is 男.
constexpr Sex sexAt(int index) {
    return index == 1 ? Sex::Female : Sex::Male;
}

constexpr std::string_view sexText(Sex sex) {
    return sex == Sex::Male ? "男" : "女";
}

// The way palaces are counted for the luck periods and the yearly stars; stored as 0 and 1.
enum class Counting : std::uint8_t { Forward = 0, Backward = 1 };

}  // namespace sorvik::engine
