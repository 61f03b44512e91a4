#pragma once

#include "engine/catalogue.h"

namespace sorvik::engine {

// The five-element bureau 2..6 (水二局 … 火六局) from the year stem and the 命宮; the first
// step of star placement and the first 大限 age.
int BureauOf(Stem yearStem, Branch lifePalace);

}  // namespace sorvik::engine
