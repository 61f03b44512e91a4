// The brightness table file as the settings load it, from any bytes.
#include "star_table_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static sorvik::fuzz::StarTableHarness harness;
    harness.run(sorvik::settings::kBrightnessFileName, data, size);
    return 0;
}
