#include "ui/shell/name_file_commands.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/sjis.h"
#include "records/date_texts.h"
#include "records/name_file.h"

namespace sorvik::ui {
namespace {

using records::NameFileSession;
using records::NameList;
using records::readNameLine;

using platform::Answer;
using platform::Prompts;

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList fields(const NameList& list, int row) {
    QStringList result;
    for (int column = 0; column < NameList::kStoredColumns; ++column) {
        result << list.cell(row, column);
    }
    return result;
}

class NameFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Prompts::startScripting();
        Prompts::clearShownBoxes();
    }
    void TearDown() override { Prompts::stopScripting(); }

    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList messages() const { return Prompts::shownTexts(); }

    QTemporaryDir dir;
    NameList list;
    NameFileSession session{list, dir.path() + u'/'};
};

TEST_F(NameFileTest, LoadsTheThreeLineExample) {
    writeBytes(path("three.nam"),
               platform::encodeSjis(QStringLiteral("a\r\nb,女\r\nc,男,1990/1/5,7:05\r\n")));
    ASSERT_TRUE(loadNameFile(session, path("three.nam")));
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(fields(list, 0), QStringList({"a", "", "", ""}));
    EXPECT_EQ(fields(list, 1), QStringList({"b", "女", "", ""}));
    EXPECT_EQ(fields(list, 2), QStringList({"c", "男", "1990/01/05", "07:05"}));
    EXPECT_EQ(session.currentNameFile(), path("three.nam"));
    EXPECT_FALSE(session.nameListModified());
}

TEST_F(NameFileTest, EmptyAndOnePersonListsRoundTrip) {
    const QByteArray blankLine = QByteArray(38, ',') + "\r\n";
    session.SaveNameFile(QStringLiteral("empty.nam"));  // a bare name goes beside the program
    EXPECT_EQ(platform::readWholeFile(path("empty.nam")), blankLine);
    ASSERT_TRUE(loadNameFile(session, QStringLiteral("empty.nam")));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.rowCount(), 1);

    ASSERT_TRUE(addPerson(session, "山田太郎", "男", "1984/02/02", "12:00"));
    list.setCell(0, 10, QStringLiteral("summary"));
    session.SaveNameFile(path("one.nam"));
    const QByteArray bytes = platform::readWholeFile(path("one.nam"));
    EXPECT_EQ(bytes.count(','), 38);
    EXPECT_TRUE(bytes.endsWith(",\r\n"));
    EXPECT_TRUE(
        bytes.startsWith(platform::encodeSjis(QStringLiteral("山田太郎,男,1984/02/02,12:00,"))));
    EXPECT_NE(bytes.indexOf("summary"), -1);

    session.setNameListModified(false);
    ASSERT_TRUE(loadNameFile(session, path("one.nam")));
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(fields(list, 0), QStringList({"山田太郎", "男", "1984/02/02", "12:00"}));
    EXPECT_TRUE(list.cell(0, 10).isEmpty());  // summaries are never read back
}

// The start-up file ships as the empty list, so a first start finds it and says nothing.
TEST_F(NameFileTest, TheShippedStartupFileIsTheEmptyList) {
    const QString shipped = QDir(QStringLiteral(SORVIK_DATA_DIR)).filePath("Default.nam");
    records::writeNameFile(path("written.nam"), NameList());
    EXPECT_EQ(platform::readWholeFile(shipped), platform::readWholeFile(path("written.nam")));
    list.append({QStringLiteral("x")});
    ASSERT_TRUE(loadNameFile(session, shipped));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(NameFileTest, AFailedSaveKeepsThePreviousFile) {
    ASSERT_TRUE(addPerson(session, "a", "男", "1984/02/02", "12:00"));
    session.SaveNameFile(path("kept.nam"));
    const QByteArray before = platform::readWholeFile(path("kept.nam"));
    ASSERT_TRUE(addPerson(session, QStringLiteral("\U0001F600"), "女", "1990/01/01", "00:00"));
    EXPECT_THROW(session.SaveNameFile(path("kept.nam")), platform::EncodingError);
    EXPECT_EQ(platform::readWholeFile(path("kept.nam")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.nam"}));
}

TEST_F(NameFileTest, LoadAsksBeforeDroppingChangesAndReportsMissingFiles) {
    writeBytes(path("other.nam"), "x,男,2000/01/01,01:00,\r\n");
    session.setCurrentNameFile(path("current.nam"));
    ASSERT_TRUE(addPerson(session, "a", "男", "1984/02/02", "12:00"));

    Prompts::queueAnswer(Answer::No);
    EXPECT_FALSE(loadNameFile(session, path("other.nam")));
    EXPECT_EQ(list.cell(0, 0), "a");
    EXPECT_EQ(session.currentNameFile(), path("current.nam"));
    EXPECT_FALSE(QFile::exists(path("current.nam")));

    Prompts::queueAnswer(Answer::Yes);
    QSignalSpy titles(&session, &NameFileSession::titleChanged);
    EXPECT_TRUE(loadNameFile(session, path("other.nam")));
    EXPECT_TRUE(QFile::exists(path("current.nam")));  // saved first
    EXPECT_EQ(list.cell(0, 0), "x");
    EXPECT_EQ(titles.size(), 1);

    Prompts::clearShownBoxes();
    const int beeps = Prompts::beepCount();
    EXPECT_FALSE(loadNameFile(session, QStringLiteral("gone.nam")));
    EXPECT_FALSE(loadNameFile(session, QString()));
    EXPECT_EQ(Prompts::beepCount(), beeps + 2);
    EXPECT_EQ(messages(), QStringList({"『gone.nam』がありません。",
                                       "起動時に開く名前ﾃﾞｰﾀﾌｧｲﾙが設定されていません。"}));
    EXPECT_EQ(list.cell(0, 0), "x");
}

TEST_F(NameFileTest, NewStartsAnEmptyListUnlessTheUserKeepsChanges) {
    ASSERT_TRUE(addPerson(session, "a", "男", "1984/02/02", "12:00"));
    Prompts::queueAnswer(Answer::No);
    EXPECT_FALSE(newNameFile(session));
    EXPECT_FALSE(list.isEmpty());

    session.setCurrentNameFile(path("a.nam"));
    Prompts::queueAnswer(Answer::Yes);
    EXPECT_TRUE(newNameFile(session));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(session.currentNameFile(), "NewFile.nam");
    EXPECT_FALSE(session.nameListModified());
    EXPECT_TRUE(QFile::exists(path("a.nam")));
}

TEST_F(NameFileTest, AddPersonKeepsExactCopiesAndAsksBeforeReplacing) {
    ASSERT_TRUE(addPerson(session, "a", "男", "1984/02/02", "12:00"));
    EXPECT_EQ(list.rowCount(), 1);  // the blank row is used first
    ASSERT_TRUE(addPerson(session, "b", "女", "1990/01/01", "00:00"));
    list.append(readNameLine(QStringLiteral("a,女,1970/05/05,05:05")));
    list.setCell(2, 20, QStringLiteral("kept"));
    session.setNameListModified(false);

    EXPECT_TRUE(addPerson(session, "b", "女", "1990/01/01", "00:00"));
    EXPECT_FALSE(session.nameListModified());
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());

    for (const auto& answers : {QList<Answer>{Answer::No}, {Answer::Yes, Answer::No}}) {
        for (Answer answer : answers) {
            Prompts::queueAnswer(answer);
        }
        EXPECT_FALSE(addPerson(session, "a", "男", "2000/01/01", "01:00"));
        EXPECT_EQ(list.rowCount(), 3);
        EXPECT_EQ(fields(list, 0), QStringList({"a", "男", "1984/02/02", "12:00"}));
        EXPECT_EQ(fields(list, 2), QStringList({"a", "女", "1970/05/05", "05:05"}));
        EXPECT_FALSE(session.nameListModified());
    }

    Prompts::clearShownBoxes();
    Prompts::queueAnswer(Answer::Yes);
    Prompts::queueAnswer(Answer::Yes);
    EXPECT_TRUE(addPerson(session, "a", "男", "2000/01/01", "01:00"));
    EXPECT_EQ(messages(), QStringList(2, "既に同じ名前で登録されています。置き換えますか？"));
    EXPECT_EQ(fields(list, 0), QStringList({"a", "男", "1984/02/02", "12:00"}));
    EXPECT_EQ(fields(list, 2), QStringList({"a", "男", "2000/01/01", "01:00"}));
    EXPECT_EQ(list.cell(2, 20), "kept");
    EXPECT_TRUE(session.nameListModified());

    ASSERT_TRUE(addPerson(session, "c", "女", "2001/01/01", "01:00"));
    EXPECT_EQ(list.rowCount(), 4);
}

TEST_F(NameFileTest, SaveAsMakesThePathCurrent) {
    QSignalSpy titles(&session, &NameFileSession::titleChanged);
    session.saveAs(path("as.nam"));
    EXPECT_EQ(session.currentNameFile(), path("as.nam"));
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles[0][0].toString(), path("as.nam"));
    EXPECT_TRUE(QFile::exists(path("as.nam")));
}

// Bytes of no Shift-JIS character once made every later save of the list fail.
TEST_F(NameFileTest, UnreadableBytesAreMarkedAndTheListStaysSaveable) {
    const QByteArray stored("a,\x92\x6a,1990/1/5,7:05,\r\n\x8e\xff\x80,\x8f\x97,,,\r\nc,\r\n");
    writeBytes(path("damaged.nam"), stored);
    ASSERT_TRUE(loadNameFile(session, "damaged.nam"));
    EXPECT_EQ(messages(),
              QStringList{"『damaged.nam』の2行目に、文字として読めないバイトがありました。"
                          "その部分を「〓」に置き換えて読み込みました。"
                          "ファイルは、保存するまで元のままです。"});
    EXPECT_EQ(fields(list, 1), QStringList({"〓〓〓", "女", "", ""}));
    EXPECT_EQ(platform::readWholeFile(path("damaged.nam")), stored);  // until the user saves

    ASSERT_TRUE(addPerson(session, "d", "男", "2000/01/01", "01:00"));
    ASSERT_NO_THROW(session.SaveNameFile("damaged.nam"));
    Prompts::clearShownBoxes();
    session.setNameListModified(false);
    ASSERT_TRUE(loadNameFile(session, "damaged.nam"));
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(list.rowCount(), 4);
    EXPECT_EQ(fields(list, 1)[0], "〓〓〓");
}

TEST_F(NameFileTest, ASaveThatCannotStoreACharacterNamesItsRow) {
    ASSERT_TRUE(addPerson(session, "a", "男", "1984/02/02", "12:00"));
    ASSERT_TRUE(addPerson(session, QString(QChar::ReplacementCharacter), "女", "", ""));
    try {
        session.SaveNameFile(path("x.nam"));
        FAIL() << "expected EncodingError";
    } catch (const platform::EncodingError& e) {
        EXPECT_EQ(e.message(), "2行目の文字「\uFFFD」(U+FFFD)は、Shift-JISで保存できません。");
    }
}

TEST_F(NameFileTest, AFolderOrAPipeOfTheNameIsNoNameFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.nam"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.nam")).constData(), 0600), 0);
    for (const char* name : {"folder.nam", "pipe.nam"}) {
        Prompts::clearShownBoxes();
        EXPECT_FALSE(loadNameFile(session, name));  // and never waits on the pipe
        EXPECT_EQ(messages(),
                  QStringList{QString("『%1』は、名前ﾃﾞｰﾀﾌｧｲﾙではありません。").arg(name)});
    }
    Prompts::clearShownBoxes();
    EXPECT_FALSE(loadNameFile(session, "none.nam"));
    EXPECT_EQ(messages(), QStringList{"『none.nam』がありません。"});
}

}  // namespace
}  // namespace sorvik::ui
