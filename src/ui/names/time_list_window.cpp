#include "time_list_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "name_grid.h"
#include "name_list_model.h"
#include "platform/prompts.h"
#include "records/date_texts.h"
#include "records/time_list.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/entry/entry_bar.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

using platform::Prompts;

TJListF::TJListF(const NameWindowServices& services, const QDate& day, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("JListF"));
    setWindowTitle(QStringLiteral("時間一覧入力"));
    resize(kSize);
    setHelpTopic(*this, kHelpTopic);
    connectHelp(*this, services_.appDir, kHelpTopic);
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        const EntBar& bar = services_.entryBar;
        slots_.reset(records::timeListRows(day, bar.typedName(), bar.typedSex()));
        records::summariseList(slots_, summaryContext(services_));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new NameGrid(slots_, nameListHeaders(services_), services_.system, this);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(grid_);
    connect(grid_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { chooseSlot(index.row()); });
    ApplySystemFont(*this, services_.system);
}

void TJListF::resizeEvent(QResizeEvent* event) {
    // The height stays; only the width follows the user.
    if (event->size().height() != kSize.height()) {
        resize(event->size().width(), kSize.height());
    }
    QDialog::resizeEvent(event);
}

void TJListF::chooseSlot(int row) {
    const engine::BirthMoment person = personAt(slots_, row);
    accept();
    runUserCommand([this, &person] { services_.requests.requestChart(person); });
}

void openTimeList(const NameWindowServices& services, QWidget* parent) {
    EntBar& bar = services.entryBar;
    const std::optional<QDate> day = records::readDateText(bar.typedDate());
    if (!day) {
        bar.refuseDate();
        return;
    }
    const engine::RangeCheck range =
        services.calendar.CheckCalendarRange(engine::Date{day->year(), day->month(), day->day()});
    if (!range.ok) {
        Prompts::information(QString::fromStdString(range.message));
        Prompts::beep();
        return;
    }
    TJListF list(services, *day, parent);
    list.exec();
}

}  // namespace sorvik::ui
