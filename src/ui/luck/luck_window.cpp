#include "luck_window.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QVBoxLayout>

#include "luck_graph.h"
#include "luck_table_view.h"
#include "output/export_files.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/sjis.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/common/wait_cursor.h"
#include "ui/help/help_window.h"
#include "ui/print/print_image.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

constexpr QSize kOpeningSize(720, 540);

strength::LuckPeriods computePeriods(const LuckServices& services,
                                     const engine::BirthMoment& person) {
    const strength::LuckChart chart =
        strength::LuckChartOf(services.calendar, person, services.ziwei, services.ziwei);
    return strength::ComputeLuckPeriods(chart, settings::luckShares(services.ziwei.luckRatios()));
}

}  // namespace

QString LuckTitle(const QString& name) {
    return name + QStringLiteral(" さんの行運");
}

TKouF::TKouF(const LuckServices& services, const engine::BirthMoment& person, QWidget* parent)
    : QWidget(parent),
      system_(services.system),
      person_(person),
      periods_(computePeriods(services, person)) {
    setObjectName(QStringLiteral("TKouF"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::ClickFocus);
    setHelpTopic(*this, kHelpTopic);
    connect(&services.system.changes(), &settings::StoreChanges::changed, this,
            qOverload<>(&QWidget::update));
    const QFont systemFont = toQFont(services.system.font(settings::kSystemFont));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    table_ = new LuckTableView(periods_.table, systemFont, this);
    layout->addWidget(table_);
    graph_ = new LuckGraph(periods_, systemFont, this);
    layout->addWidget(graph_, 1);
    buildPopupMenu();
}

QSize TKouF::sizeHint() const {
    return kOpeningSize;
}

void TKouF::buildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    const std::pair<const char*, void (TKouF::*)()> items[] = {
        {"Bitmap印刷", &TKouF::printWindow},
        {"ｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", &TKouF::copyGraph},
        {"ｸﾞﾗﾌをbmp形式で出力", &TKouF::saveGraph},
        {"表をcsv形式で出力", &TKouF::saveTable},
    };
    for (const auto& [caption, command] : items) {
        popup_->addAction(QString::fromUtf8(caption), this, [this, command] {
            runUserCommand([this, command] { (this->*command)(); });
        });
    }
}

void TKouF::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
}

QString TKouF::askFileName(int filterIndex, const QString& suffix) {
    const QString filter = QString::fromUtf16(kFileFilter);
    // The person's name in the output folder; a "/" (as in the name the 現在 button gives)
    // would name a folder.
    const QString folder = system_.meiFolder();
    output::outputFolderReady(folder, settings::SystemSettings::defaultOutputFolder());
    const QString name = QString::fromStdString(person_.name).replace(u'/', u'／');
    return Prompts::saveFileName(this, QString(), QDir(folder).filePath(name + u'.' + suffix),
                                 filter, suffix,
                                 filter.split(QStringLiteral(";;")).at(filterIndex));
}

void TKouF::printWindow() {
    printImage(grab().toImage(), this);
}

void TKouF::copyGraph() {
    QGuiApplication::clipboard()->setImage(graph_->grab().toImage());
}

void TKouF::saveGraph() {
    const QString path = askFileName(0, QStringLiteral("bmp"));
    if (path.isEmpty()) {
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!graph_->grab().toImage().save(&buffer, "BMP")) {
        throw Error("グラフの画像を作れませんでした。");
    }
    platform::writeFileAtomically(path, bytes);
}

void TKouF::saveTable() {
    const QString path = askFileName(1, QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const WaitCursor wait;
    const QString text = QString::fromStdString(strength::LuckCsvText(periods_.table));
    platform::writeFileAtomically(path, platform::encodeSjis(text));
}

}  // namespace sorvik::ui
