#pragma once

#include <QWidget>

#include "name_window_services.h"
#include "records/name_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace sorvik::ui {

class NameGrid;

// The name list "入力データ一覧": the persons of the current name file with their chart
// summaries, to sort, search, delete, summarise and open as charts. Lives for the whole run;
// closing or leaving it only hides it.
class TNListF : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3000;

    TNListF(const NameWindowServices& services, QWidget* parent = nullptr);

    NameGrid* grid() const { return grid_; }
    QLabel* datCount() const { return datCount_; }
    QPushButton* searchButton() const { return button1_; }
    QPushButton* nextButton() const { return button2_; }
    QPushButton* printButton() const { return prevBtn_; }
    QMenu* popupMenu() const { return popup_; }

    // Brings the window up (NListBtn).
    void showList();
    // A click on a column's header: asks, then sorts by it.
    void headerClicked(int column);
    void SortByColumn(int column, bool descending);
    void setDescending(bool descending);
    // The chooser, the text and the mode of the search.
    void setSearch(int column, const QString& text, records::SearchMode mode);
    void search();
    void next();
    void deleteSelected();
    void MeiMakeBtnClick();
    void showChart();
    void showLuck();
    void updateCount();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* buildControls();
    void showSearchResult(std::optional<int> row);
    int selectedRow() const;

    NameWindowServices services_;
    records::NameSearch search_;
    NameGrid* grid_ = nullptr;
    QRadioButton* ascending_ = nullptr;
    QRadioButton* descending_ = nullptr;
    QComboBox* cb1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QRadioButton* exact_ = nullptr;
    QRadioButton* partial_ = nullptr;
    QPushButton* meiMakeBtn_ = nullptr;
    QPushButton* prevBtn_ = nullptr;
    QLabel* datCount_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace sorvik::ui
