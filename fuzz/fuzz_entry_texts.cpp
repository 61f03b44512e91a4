// The date and time texts of the entry bar and the era-date entry from any text: a date read is
// a real day, a time one of the day, and an era entry's value stays within the eras.
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "records/date_texts.h"
#include "records/era_dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sorvik::records;
    const QString text = QString::fromUtf8(sorvik::fuzz::bytesOf(data, size));
    if (const auto date = readDateText(text); date && !date->isValid()) {
        __builtin_trap();
    }
    if (const auto time = readTimeText(text); time && !time->isValid()) {
        __builtin_trap();
    }
    (void)normaliseDateText(text);
    (void)normaliseTimeText(text);
    for (int era = 0; era < kEraCount; ++era) {
        EraDateEntry entry(QDate(2020, 6, 4));
        entry.setEra(era);
        (void)entry.readsAsDate(text);
        (void)entry.read(text);
        if (entry.era() < 0 || entry.era() >= kEraCount ||
            (entry.value().isValid() && entry.value() < eraStart(0))) {
            __builtin_trap();
        }
        (void)entry.valueText();
    }
    return 0;
}
