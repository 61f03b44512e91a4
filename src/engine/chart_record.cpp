#include "chart_record.h"

namespace sorvik::engine {

void ChartRecord::narrowPalaceStarLists() {
    for (std::size_t p = 0; p < palaceStarLists.size(); ++p) {
        for (std::size_t k = 0; k < kPalaceSlots; ++k) {
            palaceStarBytes[p][k] = static_cast<std::uint8_t>(palaceStarLists[p][k]);
        }
    }
}

}  // namespace sorvik::engine
