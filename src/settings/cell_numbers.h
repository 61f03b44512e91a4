#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace sorvik::settings {

// A decimal integer: optional blanks around it, an optional sign, digits only.
std::optional<int> parseCellInteger(const QString& text);

// A decimal number with up to four fractional digits, in ten-thousandths ("1.5" gives 15000);
// further digits round half away from zero.
std::optional<std::int64_t> parseCellTenThousandths(const QString& text);

}  // namespace sorvik::settings
