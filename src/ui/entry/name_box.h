#pragma once

#include <functional>

#include <QComboBox>

class QSortFilterProxyModel;

namespace sorvik::records {
class NameList;
}

namespace sorvik::ui {

// The entry bar's name box: a text the user types, with a drop-down of the persons of the name
// list (name and sex). The drop-down is a view over the list and shows it as it is now; the
// text stays the user's: a change of the list never alters it and typing never picks a person.
class NameBox : public QComboBox {
    Q_OBJECT
  public:
    // beforeDropDown runs each time the list is about to drop down.
    NameBox(records::NameList& list, std::function<void()> beforeDropDown, QWidget* parent);

    void showPopup() override;
    // The name list row of an item of the box; -1 for no item.
    int listRow(int item) const;

  private:
    void holdText();
    void giveTextBack();

    QSortFilterProxyModel* choices_;
    std::function<void()> beforeDropDown_;
    QString heldText_;
    int heldIndex_ = -1;
};

}  // namespace sorvik::ui
