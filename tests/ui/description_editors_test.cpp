// The description editors, their list and the star list of a real start-up over the shipped
// texts in a temporary program folder.

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "shell_fixture.h"
#include "texts/combinations.h"
#include "texts/line_break.h"
#include "texts/text_files.h"
#include "ui/common/app_fonts.h"
#include "ui/editors/combination_editor.h"
#include "ui/editors/description_list.h"
#include "ui/editors/text_editors.h"
#include "ui/settings/settings_windows.h"
#include "ui/shell/app_context.h"
#include "ui/shell/startup.h"
#include "ui/star_list/star_list_window.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;

class DescriptionEditorsTest : public ::testing::Test {
  protected:
    DescriptionEditorsTest() {
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        window = shell.makeWindow();
        shell.startLongLivedWindows(*window);
        stars = window->findChild<TSSetuF*>();
        palaces = window->findChild<THSetuF*>();
        combinations = window->findChild<TDSetuF*>();
        patterns = window->findChild<TKSetuF*>();
        list = window->findChild<TSListF*>();
        Prompts::clearShownBoxes();
    }

    QString path(const QString& name) const { return QDir(shell.appDir).filePath(name); }
    QStringList fileLines(const QString& name) const { return platform::readSjisLines(path(name)); }
    QByteArray fileBytes(const QString& name) const {
        QFile file(path(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    texts::LiveTexts& live() const { return *shell.context().liveTexts(); }
    void writeCombinations(const QStringList& records) const {
        platform::writeSjisLines(path("DSETUF1.DAT"), QStringList{"組合せの説明"} + records);
    }
    // The user's choice of the key in the combination editor.
    void chooseKey(int star1, int starA, int starB, int kind) const {
        combinations->star1Box()->setCurrentIndex(star1 - 1);
        combinations->chooseStar1(star1 - 1);
        combinations->starABox()->setCurrentIndex(starA - 1);
        combinations->refillStarB();
        combinations->starBBox()->setCurrentIndex(starB == 1 ? 0 : starB - starA);
        combinations->kindBox()->setCurrentIndex(kind);
    }

    // The list is modal: look at it while it is open, then close it.
    void withListOpen(const std::function<void()>& open, const std::function<void()>& look) {
        QTimer::singleShot(0, list, [&] {
            look();
            if (list->isVisible()) {
                list->reject();
            }
        });
        open();
    }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    TSSetuF* stars = nullptr;
    THSetuF* palaces = nullptr;
    TDSetuF* combinations = nullptr;
    TKSetuF* patterns = nullptr;
    TSListF* list = nullptr;
};

TEST_F(DescriptionEditorsTest, TheEditorsAreMadeAtStartUpAndTheirItemsEnabled) {
    ASSERT_TRUE(stars && palaces && combinations && patterns && list);
    for (const MainAction item :
         {MainAction::SSetuItem, MainAction::HSetuItem, MainAction::DSetuItem,
          MainAction::KSetuItem, MainAction::StarListItem}) {
        EXPECT_TRUE(window->action(item)->isEnabled());
    }
    EXPECT_EQ(stars->windowTitle(), "星の説明の編集");
    EXPECT_EQ(palaces->tabs()->count(), 13);
    EXPECT_EQ(palaces->tabs()->tabText(12), "行　運");
    EXPECT_EQ(combinations->tabs()->count(), 12);
    EXPECT_TRUE(combinations->tabs()->tabText(0).endsWith("で"));
    EXPECT_EQ(patterns->selector()->count(), 39);
    EXPECT_EQ(stars->selector()->count(), 129);
    EXPECT_EQ(combinations->star1Box()->count(), 128);
    // The 星Ａ and 星Ｂ selectors stay empty until 星１ is chosen or they are opened.
    EXPECT_EQ(combinations->starABox()->count(), 0);
    EXPECT_EQ(combinations->starBBox()->count(), 0);
}

TEST_F(DescriptionEditorsTest, AStarTextWithLineBreaksRoundTripsAndShowsEverywhereAtOnce) {
    const QByteArray onDisk = fileBytes("SEISETUF.DAT");
    stars->show();
    stars->selectItem(2);
    stars->natureField()->setText("新しい性質");
    stars->memo()->setPlainText("一行目\n二行目\n三行目");
    stars->nextItem();
    EXPECT_EQ(live().starLines.at(2), "新しい性質/t一行目/r二行目/r三行目");
    EXPECT_EQ(stars->currentItem(), 3);
    stars->previousItem();
    EXPECT_EQ(stars->natureField()->text(), "新しい性質");
    EXPECT_EQ(stars->memo()->toPlainText(), "一行目\n二行目\n三行目");

    // The star list sees the stored edit while the file is still the old one.
    TSeiLF starList(shell.appDir, shell.context().starNames(), live().starLines,
                    shell.context().systemSettings());
    const QAbstractItemModel* model = starList.grid()->model();
    EXPECT_EQ(model->index(2, StarListModel::kNature).data().toString(), "新しい性質");
    EXPECT_EQ(model->index(2, StarListModel::kDescription).data().toString(),
              "一行目/r二行目/r三行目");
    EXPECT_EQ(fileBytes("SEISETUF.DAT"), onDisk);

    // The list shows the working list without storing the item being edited.
    stars->memo()->setPlainText("まだ保存していない");
    withListOpen([&] { stars->openList(); },
                 [&] {
                     EXPECT_EQ(list->list().heading.at(1), "星の説明の編集の一覧");
                     EXPECT_EQ(list->list().rows.at(2).at(2), "一行目/r二行目/r三行目");
                     EXPECT_FALSE(list->foldBox()->isChecked());
                 });

    stars->close();
    EXPECT_EQ(fileLines("SEISETUF.DAT").at(2), "新しい性質/tまだ保存していない");
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

// One list window serves every editor: a list left scrolled down must not open the next list
// there.
TEST_F(DescriptionEditorsTest, EveryListOpensAtItsFirstRow) {
    QScrollBar* rows = list->grid()->verticalScrollBar();
    withListOpen([&] { stars->openList(); },
                 [&] {
                     list->grid()->scrollToBottom();
                     ASSERT_GT(rows->value(), 0);
                 });
    for (const std::function<void()>& open : {std::function<void()>([&] { patterns->openList(); }),
                                              std::function<void()>([&] { stars->openList(); })}) {
        withListOpen(open, [&] {
            EXPECT_EQ(rows->value(), 0);
            EXPECT_EQ(list->grid()->rowAt(0), 0);
            list->grid()->scrollToBottom();
        });
    }
}

TEST_F(DescriptionEditorsTest, TheCloseBoxKeepsThePatternBeingEdited) {
    patterns->show();
    EXPECT_EQ(patterns->currentItem(), 0);
    patterns->selectItem(5);
    patterns->memo()->setPlainText("閉じるボタンを使わずに");
    patterns->close();
    EXPECT_FALSE(patterns->isVisible());
    EXPECT_EQ(live().patternLines.at(5), "閉じるボタンを使わずに");
    EXPECT_EQ(fileLines("KAKUKYOK.DAT").at(5), "閉じるボタンを使わずに");
    // On the next showing the first pattern is selected again.
    patterns->show();
    EXPECT_EQ(patterns->currentItem(), 0);
    patterns->close();
}

TEST_F(DescriptionEditorsTest, AFailedWriteSaysSoAndLeavesTheFileAsItWas) {
    const QByteArray before = fileBytes("KAKUKYOK.DAT");
    patterns->show();
    patterns->memo()->setPlainText(QString::fromUtf8("한국어"));
    patterns->close();
    EXPECT_EQ(fileBytes("KAKUKYOK.DAT"), before);
    ASSERT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(Prompts::shownBoxes()[0].style, platform::BoxStyle::Error);
    // The edit stays in the working list for the next try.
    EXPECT_EQ(live().patternLines.at(0), QString::fromUtf8("한국어"));
}

TEST_F(DescriptionEditorsTest, ThePalaceEditorWritesTheOldTabBeforeReadingTheNew) {
    const QStringList luck = fileLines("HSETUF13.DAT");
    palaces->show();
    EXPECT_EQ(palaces->tabs()->currentIndex(), 0);
    palaces->selectItem(4);
    palaces->memo()->setPlainText("命宮での\n書き換え");
    palaces->tabs()->setCurrentIndex(THSetuF::kLuckTab);

    const QStringList life = fileLines("HSETUF1.DAT");
    EXPECT_EQ(life.size(), 132);
    EXPECT_EQ(life.at(5), "命宮での/r書き換え");
    EXPECT_EQ(palaces->fileTab(), THSetuF::kLuckTab);
    EXPECT_EQ(palaces->currentItem(), 4);
    EXPECT_EQ(palaces->memo()->toPlainText(),
              texts::decodeLineBreaks(luck.at(5)).replace("\r\n", "\n"));
    EXPECT_EQ(fileLines("HSETUF13.DAT").mid(0, 131), luck);

    // The list stores first and heads its text column with the file's line 0.
    palaces->memo()->setPlainText("行運で");
    withListOpen([&] { palaces->openList(); },
                 [&] {
                     EXPECT_EQ(list->list().heading.at(1), luck.at(0));
                     EXPECT_EQ(list->list().rows.at(4).at(1), "行運で");
                     EXPECT_TRUE(list->foldBox()->isChecked());
                 });
    EXPECT_EQ(fileLines("HSETUF13.DAT").at(5), "行運で");

    palaces->close();
    EXPECT_EQ(fileLines("SETUFILE.DAT"), fileLines("HSETUF13.DAT"));
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

TEST_F(DescriptionEditorsTest, ATabWhoseFileCannotBeReadSaysSoAndStoresNothing) {
    QFile::remove(path("HSETUF2.DAT"));
    QDir(shell.appDir).mkdir("HSETUF2.DAT");
    palaces->show();
    palaces->memo()->setPlainText("命宮の編集");
    palaces->tabs()->setCurrentIndex(1);
    ASSERT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_TRUE(Prompts::shownTexts()[0].contains("HSETUF2.DAT"));
    EXPECT_TRUE(palaces->memo()->toPlainText().isEmpty());
    palaces->memo()->setPlainText("書けない");
    palaces->close();
    EXPECT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(fileLines("HSETUF1.DAT").at(1), "命宮の編集");
    EXPECT_TRUE(QFileInfo(path("HSETUF2.DAT")).isDir());
}

TEST_F(DescriptionEditorsTest, AddingReplacingAndDeletingCombinations) {
    writeCombinations({"  1  7  10紫微と天府", "  1  2  51同宮加会の記録"});
    combinations->show();
    EXPECT_EQ(combinations->countLabel()->text(), "現在登録件数：   2件");

    // なし is stored as "  1"; a new key goes to the end.
    chooseKey(3, 5, 1, 0);
    combinations->memo()->setPlainText("三と五\n二行目");
    EXPECT_TRUE(combinations->addOrReplace());
    EXPECT_EQ(fileLines("DSETUF1.DAT").at(3), "  3  5  10三と五/r二行目");
    EXPECT_EQ(combinations->countLabel()->text(), "現在登録件数：   3件");
    EXPECT_TRUE(combinations->memo()->toPlainText().isEmpty());
    EXPECT_EQ(combinations->star1Box()->currentIndex(), 0);

    // The same key: No changes nothing, Yes replaces in place and keeps the count.
    chooseKey(1, 7, 1, 0);
    combinations->memo()->setPlainText("置き換えた");
    Prompts::queueAnswer(Answer::No);
    EXPECT_FALSE(combinations->addOrReplace());
    EXPECT_EQ(fileLines("DSETUF1.DAT").at(1), "  1  7  10紫微と天府");
    Prompts::queueAnswer(Answer::Yes);
    EXPECT_TRUE(combinations->addOrReplace());
    EXPECT_EQ(fileLines("DSETUF1.DAT"),
              QStringList({"組合せの説明", "  1  7  10置き換えた", "  1  2  51同宮加会の記録",
                           "  3  5  10三と五/r二行目"}));
    EXPECT_EQ(combinations->countLabel()->text(), "現在登録件数：   3件");
    EXPECT_EQ(Prompts::shownTexts(),
              QStringList(2, "『紫微と天府が同宮した時』を置き換えますか？"));
    chooseKey(1, 2, 5, 1);
    Prompts::queueAnswer(Answer::No);
    EXPECT_FALSE(combinations->addOrReplace());
    EXPECT_EQ(Prompts::shownTexts().last(),
              "『紫微と天機か天同が同宮加会した時』を置き換えますか？");

    // The list: edit loads the record into the selectors, delete takes it out of the working
    // list, which reaches the file at the next tab change.
    withListOpen([&] { combinations->openList(); },
                 [&] {
                     EXPECT_EQ(list->list().heading,
                               QStringList({"宮", "星１", "星Ａ", "星Ｂ", "", "組合せの説明"}));
                     EXPECT_EQ(list->list().rows.at(1).at(3), "天同");
                     EXPECT_EQ(list->list().rows.at(0).at(3), "");
                     EXPECT_EQ(list->list().rows.at(1).at(4), "同宮加会した時");
                     list->editRow(1);
                     EXPECT_FALSE(list->isVisible());
                 });
    EXPECT_EQ(combinations->star1Box()->currentIndex(), 0);
    EXPECT_EQ(combinations->starABox()->currentIndex(), 1);
    EXPECT_EQ(combinations->starBBox()->currentText(), "天同");
    EXPECT_EQ(combinations->kindBox()->currentIndex(), 1);
    EXPECT_EQ(combinations->memo()->toPlainText(), "同宮加会の記録");

    Prompts::clearShownBoxes();
    withListOpen([&] { combinations->openList(); },
                 [&] {
                     Prompts::queueAnswer(Answer::Yes);
                     list->deleteRow(0);
                     EXPECT_EQ(list->list().rows.size(), 2);
                 });
    ASSERT_EQ(Prompts::shownTexts().size(), 1);
    EXPECT_TRUE(Prompts::shownTexts()[0].endsWith("』を削除してよろしいですか？"));
    EXPECT_EQ(combinations->records().recordCount(), 2);
    EXPECT_EQ(fileLines("DSETUF1.DAT").size(), 4);
    combinations->tabs()->setCurrentIndex(1);
    EXPECT_EQ(fileLines("DSETUF1.DAT").size(), 3);
    combinations->close();
}

// A text typed and not yet added is offered before a close or a tab change would drop it:
// はい adds it as 追加・置換 does, いいえ drops it, キャンセル stays.
TEST_F(DescriptionEditorsTest, TheCombinationEditorAsksBeforeDroppingATypedText) {
    const QString asked = "入力した説明文を登録しますか？";
    writeCombinations({"  1  7  10紫微と天府"});
    struct Case {
        Answer answer;
        bool closed;
        QStringList records;
    };
    const Case cases[] = {
        {Answer::Yes, true, {"  1  7  10紫微と天府", "  3  5  10三と五"}},
        {Answer::No, true, {"  1  7  10紫微と天府"}},
        {Answer::Cancel, false, {"  1  7  10紫微と天府"}},
    };
    for (const Case& c : cases) {
        writeCombinations({"  1  7  10紫微と天府"});
        combinations->show();
        chooseKey(3, 5, 1, 0);
        combinations->memo()->setPlainText("三と五");
        Prompts::clearShownBoxes();
        Prompts::queueAnswer(c.answer);
        combinations->close();
        EXPECT_EQ(Prompts::shownTexts(), QStringList{asked});
        EXPECT_EQ(combinations->isVisible(), !c.closed);
        EXPECT_EQ(fileLines("DSETUF1.DAT").mid(1), c.records);
        if (!c.closed) {
            EXPECT_EQ(combinations->memo()->toPlainText(), "三と五");
            combinations->memo()->clear();
            combinations->close();
        }
        ASSERT_FALSE(combinations->isVisible());
    }

    // A tab change: キャンセル keeps the tab and the text, はい adds to the tab left.
    writeCombinations({"  1  7  10紫微と天府"});
    combinations->show();
    chooseKey(1, 7, 1, 0);
    combinations->memo()->setPlainText("置き換えた");
    Prompts::clearShownBoxes();
    Prompts::queueAnswer(Answer::Cancel);
    combinations->tabs()->setCurrentIndex(2);
    EXPECT_EQ(combinations->tabs()->currentIndex(), 0);
    EXPECT_EQ(combinations->memo()->toPlainText(), "置き換えた");
    Prompts::queueAnswer(Answer::Yes);
    Prompts::queueAnswer(Answer::Yes);
    combinations->tabs()->setCurrentIndex(2);
    EXPECT_EQ(combinations->tabs()->currentIndex(), 2);
    EXPECT_EQ(Prompts::shownTexts(),
              QStringList({asked, asked, "『紫微と天府が同宮した時』を置き換えますか？"}));
    EXPECT_EQ(fileLines("DSETUF1.DAT").mid(1), QStringList{"  1  7  10置き換えた"});
    // A text shown from the file, or nothing typed, leaves without a question.
    Prompts::clearShownBoxes();
    combinations->close();
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());
}

TEST_F(DescriptionEditorsTest, TheStarListShowsEveryStarWithItsAttributes) {
    TSeiLF starList(shell.appDir, shell.context().starNames(), live().starLines,
                    shell.context().systemSettings());
    starList.show();
    const QAbstractItemModel* model = starList.grid()->model();
    EXPECT_EQ(model->rowCount(), 129);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "No.");
    EXPECT_EQ(model->index(0, StarListModel::kName).data().toString(), "紫微");
    EXPECT_EQ(model->index(0, StarListModel::kGrade).data().toString(), "主");
    for (int star = 87; star <= 105; ++star) {
        EXPECT_EQ(model->index(star - 1, StarListModel::kGrade).data().toString(), "") << star;
        EXPECT_FALSE(model->index(star - 1, StarListModel::kGoodBad).data().toString().isEmpty());
    }
    live().starLines[9].clear();
    EXPECT_EQ(model->index(9, StarListModel::kNature).data().toString(), "");
    EXPECT_EQ(model->index(9, StarListModel::kDescription).data().toString(), "");
    EXPECT_TRUE(starList.previewButton()->isEnabled());
    // Fitted: every column at least as wide as its widest text.
    const QFontMetrics metrics(starList.grid()->font());
    EXPECT_GE(starList.grid()->columnWidth(StarListModel::kName),
              metrics.horizontalAdvance("紫微") + 6);
}

TEST_F(DescriptionEditorsTest, Pictures) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    // As in a run, the main window has drawn its Japanese texts before any editor opens.
    window->show();
    window->grab();
    const auto save = [&](QWidget& widget, const QString& name) {
        widget.show();
        QCoreApplication::processEvents();
        const QPixmap picture = widget.grab();
        EXPECT_FALSE(picture.isNull());
        if (!folder.isEmpty()) {
            picture.save(QDir(folder).filePath(name));
        }
    };
    save(*stars, "star_editor.png");
    stars->close();
    save(*palaces, "palace_editor.png");
    palaces->close();
    writeCombinations({"  1  7  10紫微と天府", "  1  2  51同宮加会の記録"});
    save(*combinations, "combination_editor.png");
    chooseKey(1, 7, 1, 0);
    save(*combinations, "combination_editor_key.png");
    withListOpen([&] { combinations->openList(); }, [&] { save(*list, "combination_list.png"); });
    combinations->close();
    save(*patterns, "pattern_editor.png");
    withListOpen([&] { patterns->openList(); }, [&] { save(*list, "pattern_list.png"); });
    patterns->close();
    palaces->show();
    withListOpen([&] { palaces->openList(); },
                 [&] {
                     save(*list, "palace_list.png");
                     list->foldBox()->setChecked(false);
                     save(*list, "palace_list_unfolded.png");
                 });
    palaces->close();
    stars->show();
    withListOpen([&] { stars->openList(); }, [&] { save(*list, "star_description_list.png"); });
    stars->close();
    TSeiLF starList(shell.appDir, shell.context().starNames(), live().starLines,
                    shell.context().systemSettings());
    save(starList, "star_list.png");
}

// The grids' faces are the designed Windows ones: ﾌｫﾝﾄ opens on the installed face that stands
// in for them, at the grid's size and style, and OK without a change leaves the grid's font.
TEST_F(DescriptionEditorsTest, TheFontButtonsOfTheListsOpenOnTheShownFace) {
    installFontSubstitutes();
    TSeiLF starList(shell.appDir, shell.context().starNames(), live().starLines,
                    shell.context().systemSettings());
    starList.show();
    QApplication::processEvents();
    const std::pair<QDialog*, QTableView*> lists[] = {{&starList, starList.grid()},
                                                      {list, list->grid()}};
    for (const auto& [dialog, grid] : lists) {
        QFont before = grid->font();
        before.setPointSize(11);
        before.setBold(true);
        grid->setFont(before);
        dialog->findChild<QToolButton*>("FontBtn")->click();
        ASSERT_FALSE(Prompts::offeredFonts().isEmpty());
        const QFont offered = Prompts::offeredFonts().back();
        EXPECT_EQ(offered.family(), QFontInfo(before).family());
        EXPECT_TRUE(QFontDatabase::families().contains(offered.family()))
            << offered.family().toStdString();
        EXPECT_EQ(offered.pointSize(), 11);
        EXPECT_TRUE(offered.bold());
        EXPECT_FALSE(offered.italic());
        EXPECT_EQ(grid->font(), before) << before.family().toStdString();
    }
}

}  // namespace
}  // namespace sorvik::ui
