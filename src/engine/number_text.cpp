#include "engine/number_text.h"

#include <array>
#include <charconv>

namespace sorvik::engine {

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string padded(int value, int width, char fill) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    const std::size_t missing =
        width > static_cast<int>(text.size()) ? static_cast<std::size_t>(width) - text.size() : 0;
    std::string out;
    out.reserve(text.size() + missing);
    if (fill == '0' && value < 0) {
        out += '-';
        text.remove_prefix(1);
    }
    out.append(missing, fill);
    out += text;
    return out;
}

}  // namespace sorvik::engine
