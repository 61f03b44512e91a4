#include "name_window_services.h"

#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::ui {

records::SummaryContext summaryContext(const NameWindowServices& services) {
    std::array<bool, engine::kStarCount + 1> listed{};
    for (int n = 1; n <= engine::kStarCount; ++n) {
        listed[n] = services.system.showInList(n);
    }
    return {services.calendar, services.starNames, services.ziWei, services.ziWei.bodyStarRule(),
            listed};
}

records::Headers nameListHeaders(const NameWindowServices& services) {
    return records::nameListHeaders(services.ziWei.palaceNameTable());
}

engine::BirthMoment personAt(const records::NameList& list, int row) {
    using records::NameList;
    const bool female = list.cell(row, NameList::kSex) ==
                        QString::fromUtf8(engine::sexText(engine::Sex::Female).data());
    return {list.cell(row, NameList::kName).toStdString(),
            female ? engine::Sex::Female : engine::Sex::Male,
            list.cell(row, NameList::kDate).toStdString(),
            list.cell(row, NameList::kTime).toStdString()};
}

}  // namespace sorvik::ui
