#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "platform/prompts.h"

namespace sorvik::platform {
namespace {

// The lines the box's label shows: more than its text has means a line was folded somewhere.
int shownLines(const QLabel& label) {
    return label.height() / QFontMetrics(label.font()).lineSpacing();
}

const QString kTitle = QStringLiteral("Sorvik Ver2.69");
const QString kSentence = QStringLiteral(
    "現在編集中の内容は破棄され、内容を反映させる為、Sorvik Ver2.69の再起動が必要となります。");

struct ShownBox {
    std::unique_ptr<QMessageBox> box;
    const QLabel* label = nullptr;
};

ShownBox show(const QString& text) {
    ShownBox shown{Prompts::makeBox(BoxStyle::Information, BoxButtons::Ok, text, kTitle, nullptr)};
    shown.box->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(shown.box.get()));
    shown.label = shown.box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    return shown;
}

TEST(MessageBoxFit, EachLineStaysWholeAndTheTitleShows) {
    const QStringList texts = {
        kSentence + QStringLiteral("\n\nリストアを実行してよろしいですか？"),
        QStringLiteral("必要"),
    };
    for (const QString& text : texts) {
        const ShownBox shown = show(text);
        ASSERT_NE(shown.label, nullptr);
        EXPECT_EQ(shown.label->text(), text);
        EXPECT_EQ(shownLines(*shown.label), text.split(u'\n').size()) << text.toStdString();
        QFont bold = shown.box->font();
        bold.setBold(true);
        EXPECT_GE(shown.box->width(), QFontMetrics(bold).horizontalAdvance(kTitle) + 100);
    }
}

// A "\n\r" in a message is one line break, as it was written for.
TEST(MessageBoxFit, ALineFeedAndReturnAreOneBreak) {
    const ShownBox shown = show(
        QStringLiteral("指定したフォルダがありません。\n\r確認して下さい。\n\r\n\r終了します。"));
    ASSERT_NE(shown.label, nullptr);
    EXPECT_EQ(shown.label->text(),
              QStringLiteral("指定したフォルダがありません。\n確認して下さい。\n\n終了します。"));
    EXPECT_EQ(shownLines(*shown.label), 4);
}

// Too long for any box: folded after its punctuation, never inside a word.
TEST(MessageBoxFit, ALineTooLongForAnyBoxFoldsAfterItsPunctuation) {
    const QString text = kSentence + kSentence + kSentence;
    const ShownBox shown = show(text);
    ASSERT_NE(shown.label, nullptr);
    const QStringList lines = shown.label->text().split(u'\n');
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()), text);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.endsWith(u'、') || line.endsWith(u'。')) << line.toStdString();
    }
    EXPECT_EQ(shownLines(*shown.label), lines.size());
}

}  // namespace
}  // namespace sorvik::platform
