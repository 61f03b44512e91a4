#include "name_window_services.h"

#include <QComboBox>
#include <QLineEdit>

#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "ui/entry/entry_bar.h"

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

void fillEntryBar(EntBar& bar, const records::NameList& list, int row) {
    using records::NameList;
    bar.nameBox()->setCurrentIndex(-1);
    bar.nameBox()->setEditText(list.cell(row, NameList::kName));
    bar.sexBox()->setCurrentIndex(bar.sexBox()->findText(list.cell(row, NameList::kSex)));
    bar.dateBox()->setText(list.cell(row, NameList::kDate));
    bar.timeBox()->setText(list.cell(row, NameList::kTime));
}

}  // namespace sorvik::ui
