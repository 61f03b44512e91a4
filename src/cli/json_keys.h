#pragma once

#include <optional>
#include <string_view>

#include <QString>

namespace sorvik::cli {

// The first key that `object`, the text of a valid JSON object, names twice at its top level.
// The JSON reader keeps only the last value of such a key, so it must be looked for in the text;
// `distinct` is the number of keys the reader found, fewer than written when one repeats.
std::optional<QString> repeatedKey(std::string_view object, qsizetype distinct);

}  // namespace sorvik::cli
