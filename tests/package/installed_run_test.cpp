// The desktop program's run over the data of an unpacked package, with the user's fresh home:
// started by installed_package_test.sh, which names the unpacked root in SORVIK_INSTALLED_ROOT.

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "platform/key_store.h"
#include "platform/program_folder.h"
#include "platform/prompts.h"
#include "platform/text_file.h"
#include "records/calendar_file.h"
#include "ui/shell/app_context.h"
#include "ui/editors/text_editors.h"
#include "ui/shell/main_window.h"
#include "ui/shell/startup.h"

namespace sorvik::ui {
namespace {

using platform::Prompts;

constexpr int kStar = 4;
const QString kEdited = QStringLiteral("利用者の性質/t利用者が書いた説明/r二行目");

// The program's folder as the installed sorvik chooses it at each start.
QString installedProgramFolder() {
    const QString root = qEnvironmentVariable("SORVIK_INSTALLED_ROOT");
    return platform::chooseProgramFolder(platform::programFolderPlaces(root + "/usr/bin"),
                                         QString::fromLatin1(records::kCalendarFileName));
}

std::unique_ptr<SorvikRun> start() {
    std::unique_ptr<SorvikRun> run =
        startSorvik(installedProgramFolder(), platform::KeyStore::defaultFilePath(), false);
    if (run) {
        run->mainWindow->show();
    }
    return run;
}

TEST(InstalledRun, AStarTextEditedInTheProgramIsTheUsersAndSurvivesARestart) {
    ASSERT_FALSE(qEnvironmentVariable("SORVIK_INSTALLED_ROOT").isEmpty());
    Prompts::startScripting();
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/sorvik/";
    ASSERT_EQ(installedProgramFolder(), userFolder);
    {
        std::unique_ptr<SorvikRun> run = start();
        ASSERT_TRUE(run);
        EXPECT_EQ(run->context->appDir(), userFolder);
        auto* stars = run->mainWindow->findChild<TSSetuF*>();
        ASSERT_TRUE(stars);
        stars->show();
        stars->selectItem(kStar);
        stars->natureField()->setText("利用者の性質");
        stars->memo()->setPlainText("利用者が書いた説明\n二行目");
        stars->close();
        EXPECT_TRUE(run->mainWindow->close());
    }
    EXPECT_EQ(platform::readSjisLines(userFolder + "SEISETUF.DAT").at(kStar), kEdited);
    {
        std::unique_ptr<SorvikRun> run = start();
        ASSERT_TRUE(run);
        EXPECT_EQ(run->context->liveTexts()->starLines.at(kStar), kEdited);
        EXPECT_TRUE(run->mainWindow->close());
    }
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join('\n').toStdString();
    Prompts::stopScripting();
}

}  // namespace
}  // namespace sorvik::ui
