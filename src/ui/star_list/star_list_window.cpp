#include "star_list_window.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/prompts.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/editors/editor_look.h"
#include "ui/help/help_window.h"
#include "ui/print/print_preview.h"

namespace sorvik::ui {

TSeiLF::TSeiLF(const QString& appDir, const engine::StarDisplayNames& names,
               const QStringList& starLines, const settings::SystemSettings& system,
               QWidget* parent)
    : QDialog(parent), system_(system) {
    setObjectName(QStringLiteral("SeiLF"));
    setWindowTitle(QStringLiteral("星曜一覧表"));
    resize(900, 560);

    model_ = new StarListModel(names, starLines, this);
    hsg_ = new QTableView(this);
    hsg_->setObjectName(QStringLiteral("HSG"));
    hsg_->setModel(model_);
    hsg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hsg_->setWordWrap(false);
    hsg_->verticalHeader()->hide();
    hsg_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    hsg_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* fontButton = makeFontButton(this);
    preview_ = makePreviewButton(this);
    connect(preview_, &QToolButton::clicked, this, [this] {
        runUserCommand(
            [this] { showTablePreview(QStringLiteral("HSG"), windowTitle(), *hsg_, this); });
    });
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(fontButton);
    bar->addWidget(preview_);
    bar->addStretch();
    bar->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(hsg_, 1);

    connect(fontButton, &QToolButton::clicked, this, &TSeiLF::chooseFont);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connectHelp(*this, appDir, kHelpTopic);
}

void TSeiLF::fitGrid() {
    const QFontMetrics metrics(hsg_->font());
    for (int column = 0; column < StarListModel::kColumnCount; ++column) {
        int widest = metrics.horizontalAdvance(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int star = 1; star <= model_->rowCount(); ++star) {
            widest = std::max(widest, metrics.horizontalAdvance(model_->cell(star, column)));
        }
        hsg_->setColumnWidth(column, fittedColumnWidth(*hsg_, widest));
    }
    const int rowHeight = QFontMetrics(hsg_->horizontalHeader()->font()).height() + 4;
    hsg_->verticalHeader()->setMinimumSectionSize(1);
    hsg_->verticalHeader()->setDefaultSectionSize(rowHeight);
}

void TSeiLF::takeFont(const QFont& font) {
    hsg_->setFont(font);
    hsg_->horizontalHeader()->setFont(font);
    fitGrid();
}

void TSeiLF::chooseFont() {
    if (const auto font = platform::Prompts::chooseFont(this, hsg_->font(), false)) {
        takeFont(*font);
    }
}

void TSeiLF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ApplySystemFont(*this, system_);
    fitGrid();
}

void TSeiLF::paintEvent(QPaintEvent* event) {
    // The grid keeps the size and style of a chosen font but the face of the system font.
    QFont font = hsg_->font();
    const QString face = system_.font(settings::kSystemFont).name;
    if (!face.isEmpty() && font.family() != face) {
        font.setFamily(face);
        hsg_->setFont(font);
        hsg_->horizontalHeader()->setFont(font);
    }
    QDialog::paintEvent(event);
}

}  // namespace sorvik::ui
