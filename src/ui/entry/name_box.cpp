#include "name_box.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "records/name_list.h"
#include "ui/names/name_list_model.h"

namespace sorvik::ui {

using records::NameList;

namespace {

// The name and sex columns of the name list, and no row while the list holds only its blank
// row.
class NameChoices : public QSortFilterProxyModel {
  public:
    NameChoices(NameList& list, QObject* parent) : QSortFilterProxyModel(parent), list_(list) {
        setSourceModel(new NameListModel(list, {}, this));
    }

    // An editable box reads its items' texts in the edit role.
    QVariant data(const QModelIndex& index, int role) const override {
        return QSortFilterProxyModel::data(index, role == Qt::EditRole ? Qt::DisplayRole : role);
    }

  protected:
    // A person filled into the blank row is let in when its cells change (the filter is dynamic).
    bool filterAcceptsRow(int, const QModelIndex&) const override { return !list_.isEmpty(); }
    bool filterAcceptsColumn(int column, const QModelIndex&) const override {
        return column == NameList::kName || column == NameList::kSex;
    }

  private:
    const NameList& list_;
};

// Connects every change of the items that a combo box answers.
template <typename Slot>
void onEveryChange(QAbstractItemModel* model, QObject* context, Slot slot) {
    QObject::connect(model, &QAbstractItemModel::dataChanged, context, slot);
    QObject::connect(model, &QAbstractItemModel::modelReset, context, slot);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, slot);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, slot);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, context, slot);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, context, slot);
}

}  // namespace

NameBox::NameBox(NameList& list, std::function<void()> beforeDropDown, QWidget* parent)
    : QComboBox(parent),
      choices_(new NameChoices(list, this)),
      beforeDropDown_(std::move(beforeDropDown)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The width is the bar's, whatever the names in the list.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Typing never picks a person: no completion from the list, and leaving the box with a
    // stored name in it selects nothing.
    setCompleter(nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

    // The box answers a change of its items by putting an item's text into the field: on a
    // reset, when the first person arrives, when the current person changes. Slots run in the
    // order they were connected, so the text is held before the box answers and given back
    // after.
    onEveryChange(choices_, this, [this] { holdText(); });
    // A sort moves the persons under the box's current item: after it no person is current.
    connect(choices_, &QAbstractItemModel::layoutChanged, this, [this] { heldIndex_ = -1; });
    setModel(choices_);
    onEveryChange(choices_, this, [this] { giveTextBack(); });
    setCurrentIndex(-1);

    auto* view = new QTableView(this);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setShowGrid(false);
    setView(view);
    view->setColumnWidth(0, 105);
    view->setColumnWidth(1, 40);
    view->setMinimumWidth(147);
}

void NameBox::showPopup() {
    beforeDropDown_();
    QComboBox::showPopup();
}

int NameBox::listRow(int item) const {
    return choices_->mapToSource(choices_->index(item, 0)).row();
}

void NameBox::holdText() {
    heldText_ = currentText();
    heldIndex_ = currentIndex();
}

void NameBox::giveTextBack() {
    if (currentIndex() != heldIndex_) {
        setCurrentIndex(heldIndex_);
    }
    if (currentText() != heldText_) {
        setEditText(heldText_);
    }
}

}  // namespace sorvik::ui
