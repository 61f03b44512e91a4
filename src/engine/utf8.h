#pragma once

#include <string>
#include <string_view>

namespace sorvik::engine {

// The first `count` characters (code points) of a UTF-8 text.
std::string utf8Prefix(std::string_view text, std::size_t count);

}  // namespace sorvik::engine
