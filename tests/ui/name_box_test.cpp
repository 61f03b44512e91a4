#include <functional>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "records/name_file.h"
#include "records/name_list.h"
#include "ui/entry/name_box.h"

namespace sorvik::ui {
namespace {

using records::NameList;

NameList::Row person(const QString& name, const QString& sex) {
    NameList::Row row;
    row[NameList::kName] = name;
    row[NameList::kSex] = sex;
    row[NameList::kDate] = "1984/02/02";
    row[NameList::kTime] = "12:00";
    return row;
}

// A name box over a list of three persons, shown beside another field to leave it for.
class NameBoxTest : public ::testing::Test {
  protected:
    NameBoxTest() {
        list.reset({person("佐藤", "男"), person("山田", "女"), person("鈴木", "男")});
        other.move(0, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QStringList items() const {
        QStringList texts;
        for (int i = 0; i < box.count(); ++i) {
            texts << box.itemText(i) + u'/' + box.model()->index(i, 1).data().toString();
        }
        return texts;
    }

    QTemporaryDir dir;
    NameList list;
    records::NameFileSession session{list, dir.path() + u'/'};
    int dropDowns = 0;
    QWidget window;
    NameBox box{list, [this] { ++dropDowns; }, &window};
    QLineEdit other{&window};
};

TEST_F(NameBoxTest, ShowsNameAndSexOfEveryPersonAndNothingForTheEmptyList) {
    EXPECT_EQ(items(), QStringList({"佐藤/男", "山田/女", "鈴木/男"}));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), "");

    list.clear();
    EXPECT_EQ(box.count(), 0);
    session.AddPerson("田中", "女", "1984/05/05", "05:00");  // fills the blank row
    EXPECT_EQ(items(), QStringList({"田中/女"}));
    session.AddPerson("木村", "男", "1984/05/05", "05:00");
    EXPECT_EQ(items(), QStringList({"田中/女", "木村/男"}));
    EXPECT_EQ(box.listRow(1), 1);
    EXPECT_EQ(box.listRow(2), -1);

    box.showPopup();
    EXPECT_EQ(dropDowns, 1);
    box.hidePopup();
}

// Whatever happens to the list, the text in the box stays as it is: typed with no person
// chosen, or a chosen person's name edited afterwards.
TEST_F(NameBoxTest, ChangesOfTheListKeepTheText) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"load",
         [&] {
             list.reset({person("高橋", "男"), person("伊藤", "女")});
         }},
        {"clear", [&] { list.clear(); }},
        {"first person of an empty list",
         [&] {
             list.clear();
             session.AddPerson("田中", "女", "1984/05/05", "05:00");
         }},
        {"add", [&] { session.AddPerson("田中", "女", "1984/05/05", "05:00"); }},
        {"sort",
         [&] {
             list.reorder({2, 0, 1});
         }},
        {"move", [&] { list.moveRows(1, 1, 0); }},
        {"delete the chosen person", [&] { list.removeRows(1, 1); }},
        {"delete all but one", [&] { list.removeRows(0, 2); }},
        {"summarise the chosen person",
         [&] {
             list.setCells(1, 0, std::array<QString, 2>{"山田", "女"});
         }},
        {"rename the chosen person", [&] { list.setCell(1, NameList::kName, "山田花子"); }},
    };
    for (const auto& [name, change] : changes) {
        list.reset({person("佐藤", "男"), person("山田", "女"), person("鈴木", "男")});
        box.setCurrentIndex(-1);
        box.setEditText("山本");
        change();
        EXPECT_EQ(box.currentText(), "山本") << name << " (typed)";
        EXPECT_EQ(box.lineEdit()->text(), "山本") << name << " (typed)";
        EXPECT_EQ(box.currentIndex(), -1) << name << " (typed)";

        list.reset({person("佐藤", "男"), person("山田", "女"), person("鈴木", "男")});
        box.setCurrentIndex(1);
        box.setEditText("山田太郎");
        change();
        EXPECT_EQ(box.currentText(), "山田太郎") << name << " (chosen, then edited)";
    }
}

TEST_F(NameBoxTest, TypingNeverPicksAPerson) {
    session.AddPerson("Yamada", "女", "1984/05/05", "05:00");
    QSignalSpy picked(&box, &QComboBox::activated);
    box.setFocus();
    QTest::keyClicks(box.lineEdit(), "Ya");  // no completion to Yamada
    EXPECT_EQ(box.currentText(), "Ya");
    QTest::keyClicks(box.lineEdit(), "mada");
    other.setFocus();  // leaving the box with a stored name in it
    QCoreApplication::processEvents();
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), "Yamada");
}

}  // namespace
}  // namespace sorvik::ui
