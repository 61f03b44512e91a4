#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvik::cli {

// A key and its text, in UTF-8.
using TextMember = std::pair<std::string, std::string>;

// The members of a JSON object whose values are all texts, in the order written, read without
// the JSON library, which takes a batch line longer than its chart. Only the plain spelling of
// such an object is read: anything else (another value, an empty object, an escape of a
// surrogate alone, of U+0000 or of a noncharacter, a control byte, bytes that are no UTF-8,
// text after the object) gives nothing, and the library reads the line and tells what is
// wrong with it.
std::optional<std::vector<TextMember>> readTextObject(std::string_view text);

}  // namespace sorvik::cli
