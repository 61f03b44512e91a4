#include <QDir>

#include "platform/prompts.h"
#include "ui/backup/backup_dialog.h"
#include "ui/calendar_editor/calendar_editor.h"
#include "ui/chart/chart_window.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/editors/combination_editor.h"
#include "ui/editors/description_list.h"
#include "ui/editors/text_editors.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/luck/luck_window.h"
#include "ui/names/era_entry_dialog.h"
#include "ui/names/name_list_window.h"
#include "ui/names/time_list_window.h"
#include "ui/settings/gaiji_dialog.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/settings/zi_wei_settings_dialog.h"
#include "ui/shell/main_window.h"
#include "ui/star_list/star_list_window.h"
#include "ui/tools/tools_dialog.h"

#include <gtest/gtest.h>

namespace sorvik::ui {
namespace {

using platform::Prompts;

TEST(Help, EveryWindowsTopicOpensItsPageAndAMissingOneSaysSo) {
    Prompts::startScripting();
    const QString appDir = QStringLiteral(SORVIK_DATA_DIR) + u'/';
    for (const int topic : {1,
                            TMainF::kHelpTopic,
                            AboutBox::kHelpTopic,
                            TMeibF::kHelpTopic,
                            TKyuSF::kHelpTopic,
                            TKouF::kHelpTopic,
                            TSysF::kHelpTopic,
                            TUSysF::kHelpTopic,
                            TGaijiF::kHelpTopic,
                            TKHyoF::kHelpTopic,
                            TBackF::kHelpTopic,
                            TTools::kHelpTopic,
                            TNListF::kHelpTopic,
                            TJListF::kHelpTopic,
                            TWaEntF::kHelpTopic,
                            TSListF::kHelpTopic,
                            TSSetuF::kHelpTopic,
                            THSetuF::kHelpTopic,
                            TDSetuF::kHelpTopic,
                            TKSetuF::kHelpTopic,
                            TSeiLF::kHelpTopic}) {
        EXPECT_TRUE(showHelpTopic(appDir, topic)) << topic;
        EXPECT_EQ(helpWindow()->currentTopic(), topic);
    }
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());

    EXPECT_FALSE(showHelpTopic(appDir, 99999));
    ASSERT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(Prompts::shownBoxes()[0].style, platform::BoxStyle::Error);
    EXPECT_TRUE(Prompts::shownBoxes()[0].text.contains("99999"));
    helpWindow()->close();
    Prompts::stopScripting();
}

}  // namespace
}  // namespace sorvik::ui
