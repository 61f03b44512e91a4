#pragma once

#include <QString>
#include <QWidget>

#include "engine/chart_request.h"
#include "strength/luck_periods.h"

class QMenu;

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

namespace sorvik::ui {

class LuckGraph;
class LuckTableView;

// What a luck window reads while it is made; afterwards it keeps what it computed.
struct LuckServices {
    const engine::CalendarTable& calendar;
    const settings::ZiWeiSettings& ziwei;  // tables and the luck ratios
    const settings::SystemSettings& system;
};

// The luck window (行運): the table of 99 ages above their graph.
class TKouF : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 2003;
    static constexpr auto kFileFilter = u"BMP (*.bmp);;CSV (*csv);;すべて (*.*)";

    // Charts the person and scores the ages with the current settings. Throws as a chart
    // request does for a birth that cannot be charted.
    TKouF(const LuckServices& services, const engine::BirthMoment& person,
          QWidget* parent = nullptr);

    const engine::BirthMoment& person() const { return person_; }
    const strength::LuckPeriods& periods() const { return periods_; }
    LuckTableView* table() const { return table_; }
    LuckGraph* graph() const { return graph_; }
    QMenu* popupMenu() const { return popup_; }
    // The opening size, which the frame gives a new child.
    QSize sizeHint() const override;

    // The commands of the popup menu. Each throws when its file cannot be written.
    void printWindow();  // Bitmap印刷
    void copyGraph();    // ｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ
    void saveGraph();    // ｸﾞﾗﾌをbmp形式で出力
    void saveTable();    // 表をcsv形式で出力

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildPopupMenu();
    // The save dialog with the filter of the given index preselected; empty when cancelled.
    QString askFileName(int filterIndex, const QString& suffix);

    const settings::SystemSettings& system_;
    engine::BirthMoment person_;
    strength::LuckPeriods periods_;
    LuckTableView* table_ = nullptr;
    LuckGraph* graph_ = nullptr;
    QMenu* popup_ = nullptr;
};

// "さんの行運" after the name: the title by which an open luck window is found again.
QString LuckTitle(const QString& name);

}  // namespace sorvik::ui
