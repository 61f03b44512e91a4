#include "utf8.h"

namespace sorvik::engine {

std::string utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size() && seen < count; ++seen) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return std::string(text.substr(0, end));
}

}  // namespace sorvik::engine
