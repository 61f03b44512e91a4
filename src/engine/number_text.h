#pragma once

#include <string>

namespace sorvik::engine {

// The text right-aligned in at least `width` characters, filled with blanks.
std::string padLeft(std::string text, int width);

// The decimal text of a number right-aligned in at least `width` characters, filled with
// blanks or, with '0', with zeros after the sign: what "%3d" and "%02d" write.
std::string padded(int value, int width, char fill = ' ');

}  // namespace sorvik::engine
