#include "print_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/key_store.h"
#include "platform/profile_file.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "print_image.h"
#include "table_print_grid.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/common/wait_cursor.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

constexpr int kExtraBottomMargin = 5;  // millimetres the bottom margin always gets

struct StoredMargin {
    const char* box;  // the spin field's name
    const char* key;  // its value under PRN
    const char* caption;
    int fallback;
};
constexpr StoredMargin kMargins[] = {
    {"TopMgn", "TopMgn", "上余白", 10},
    {"BottomMgn", "BottomMgn", "下余白", 5},
    {"LeftMgn", "LeftMgn", "左余白", 10},
    {"RightMgn", "RightMgn", "右余白", 10},
};

PreviewServices& installed() {
    static PreviewServices services;
    return services;
}

QString layoutFilePath(const QString& appDir) {
    return appDir + QStringLiteral("TQLX4.ini");
}

const QString kPlacementSection = QStringLiteral("PrevF");

}  // namespace

void installPrintPreview(const PreviewServices& services) {
    installed() = services;
}

void showPrintPreview(const output::PrintGrid& grid, const output::PrintLook& look,
                      QWidget* parent) {
    TPrevF preview(installed(), grid, look, parent);
    preview.exec();
}

void showTablePreview(const QString& gridName, const QString& title, const QTableView& view,
                      QWidget* parent) {
    const TablePrintGrid grid(gridName, view);
    showPrintPreview(grid, {title, true, {}}, parent);
}

TPrevF::TPrevF(const PreviewServices& services, const output::PrintGrid& grid,
               const output::PrintLook& look, QWidget* parent)
    : QDialog(parent),
      services_(services),
      grid_(grid),
      look_(look),
      device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("PrevF"));
    setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    setMinimumSize(600, 400);
    setHelpTopic(*this, kHelpTopic);
    device_->setFullPage(true);
    printer_.TargetGrid = &grid_;
    buildWindow();
    readStoredValues();
    output::setUpDrawing(printer_, look_);
}

TPrevF::~TPrevF() = default;

void TPrevF::buildWindow() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto addButton = [this](QBoxLayout* row, const char* name, const QString& caption,
                            const std::function<void()>& action) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this,
                [action] { runUserCommand([&action] { action(); }); });
        row->addWidget(button);
        buttons_[button->objectName()] = button;
        return button;
    };
    addButton(top, "SetupBtn", QStringLiteral("ﾌﾟﾘﾝﾀ設定"), [this] { printerSetUp(); });
    addButton(top, "PrintBtn", QStringLiteral("印刷"), [this] { PrintBtnClick(); });
    addButton(top, "PrevBtn", QStringLiteral("前の頁"), [this] { PrevBtnClick(); });
    addButton(top, "NextBtn", QStringLiteral("次の頁"), [this] { NextBtnClick(); });
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("PageLabel"));
    pageLabel_->setMinimumWidth(160);
    top->addSpacing(12);
    top->addWidget(pageLabel_);
    top->addStretch();
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox"));
    scroll->setBackgroundRole(QPalette::Dark);
    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("Picture"));
    scroll->setWidget(picture_);
    middle->addWidget(scroll, 1);

    auto* side = new QVBoxLayout;
    addButton(side, "CloseBtn", QStringLiteral("閉じる"), [this] { reject(); });
    auto* fields = new QGridLayout;
    int row = 0;
    for (const StoredMargin& margin : kMargins) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(margin.box));
        box->setRange(0, 100);
        fields->addWidget(new QLabel(QString::fromUtf8(margin.caption), this), row, 0);
        fields->addWidget(box, row, 1);
        fields->addWidget(new QLabel(QStringLiteral("mm"), this), row, 2);
        margins_[box->objectName()] = box;
        ++row;
    }
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("ZoomBox"));
    for (int step = 0; step < kZoomSteps; ++step) {
        zoomBox_->addItem(QString::number(100 + 10 * step));
    }
    fields->addWidget(new QLabel(QStringLiteral("命盤拡大比率"), this), row, 0, 1, 3);
    fields->addWidget(zoomBox_, row + 1, 0, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("％"), this), row + 1, 2);
    side->addLayout(fields);
    addButton(side, "RedrawBtn", QStringLiteral("再描画"), [this] { render(); });
    colourBox_ = new QCheckBox(QStringLiteral("カラー印刷"), this);
    colourBox_->setObjectName(QStringLiteral("ColorCB"));
    colourBox_->setChecked(true);
    connect(colourBox_, &QCheckBox::clicked, this,
            [this] { runUserCommand([this] { render(); }); });
    side->addWidget(colourBox_);
    side->addStretch();
    middle->addLayout(side);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    addButton(bottom, "CloseBtn2", QStringLiteral("閉じる"), [this] { reject(); });
    bottom->addStretch();
    QPushButton* help = addButton(bottom, "HelpBtn", QStringLiteral("ﾍﾙﾌﾟ(&H)"), [] {});
    bottom->addSpacing(10 - bottom->spacing());
    layout->addLayout(bottom);
    connectHelp(*this, services_.appDir, kHelpTopic, help);

    const bool chart = grid_.name() == QStringLiteral("BSG");
    zoomBox_->setEnabled(chart);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this] { runUserCommand([this] { render(); }); });
}

QPushButton* TPrevF::button(const QString& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

QSpinBox* TPrevF::marginBox(const QString& name) const {
    const auto found = margins_.find(name);
    return found == margins_.end() ? nullptr : found->second;
}

void TPrevF::readStoredValues() {
    const QSignalBlocker quiet(zoomBox_);
    if (services_.keys != nullptr) {
        const QString prn = platform::programKey(QStringLiteral("PRN"));
        for (const StoredMargin& margin : kMargins) {
            bool ok = false;
            const int value =
                services_.keys->readText(prn, QString::fromLatin1(margin.key)).toInt(&ok);
            margins_[QString::fromLatin1(margin.box)]->setValue(ok ? value : margin.fallback);
        }
        const int zoom = services_.keys
                             ->readText(platform::programKey(QStringLiteral("Zoom")),
                                        QStringLiteral("Zoom"), QStringLiteral("0"))
                             .toInt();
        zoomBox_->setCurrentIndex(std::clamp(zoom, 0, kZoomSteps - 1));
    } else {
        for (const StoredMargin& margin : kMargins) {
            margins_[QString::fromLatin1(margin.box)]->setValue(margin.fallback);
        }
    }
    resize(800, 600);
    normalPlace_ = QRect(pos(), size());
    if (services_.appDir.isEmpty()) {
        return;
    }
    const platform::ProfileFile layout(layoutFilePath(services_.appDir));
    if (!layout.hasSection(kPlacementSection)) {
        return;
    }
    // Left and Top place the window's frame, Width and Height its inside, as move() and
    // resize() take them; written back the same way, the place comes back as it was left.
    const QRect stored(layout.readInteger(kPlacementSection, QStringLiteral("Left"), 0),
                       layout.readInteger(kPlacementSection, QStringLiteral("Top"), 0),
                       layout.readInteger(kPlacementSection, QStringLiteral("Width"), 800),
                       layout.readInteger(kPlacementSection, QStringLiteral("Height"), 600));
    resize(stored.size().expandedTo(minimumSize()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (available.contains(stored.topLeft())) {
        move(stored.topLeft());
    } else if (available.isValid()) {
        move(available.center() - rect().center());
    }
    normalPlace_ = QRect(pos(), size());
    if (layout.readInteger(kPlacementSection, QStringLiteral("WinState"), 0) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TPrevF::writeStoredValues() {
    if (services_.keys != nullptr) {
        const QString prn = platform::programKey(QStringLiteral("PRN"));
        for (const StoredMargin& margin : kMargins) {
            services_.keys->writeText(
                prn, QString::fromLatin1(margin.key),
                QString::number(margins_[QString::fromLatin1(margin.box)]->value()));
        }
        services_.keys->writeText(platform::programKey(QStringLiteral("Zoom")),
                                  QStringLiteral("Zoom"),
                                  QString::number(zoomBox_->currentIndex()));
    }
    if (services_.appDir.isEmpty()) {
        return;
    }
    // The window manager tells the frame after the window has moved: ask again now.
    keepNormalPlace();
    platform::ProfileFile layout(layoutFilePath(services_.appDir));
    layout.writeInteger(kPlacementSection, QStringLiteral("WinState"), isMaximized() ? 1 : 0);
    layout.writeInteger(kPlacementSection, QStringLiteral("Left"), normalPlace_.left());
    layout.writeInteger(kPlacementSection, QStringLiteral("Top"), normalPlace_.top());
    layout.writeInteger(kPlacementSection, QStringLiteral("Height"), normalPlace_.height());
    layout.writeInteger(kPlacementSection, QStringLiteral("Width"), normalPlace_.width());
    layout.save();
}

output::PrinterGeometry TPrevF::printerGeometry() const {
    const int dpi = device_->resolution();
    const QRect sheet = device_->pageLayout().fullRectPixels(dpi);
    return {dpi, dpi, sheet.width(), sheet.height()};
}

void TPrevF::render() {
    const WaitCursor hourglass;
    printer_.margins = {margins_["TopMgn"]->value(),
                        margins_["BottomMgn"]->value() + kExtraBottomMargin,
                        margins_["LeftMgn"]->value(), margins_["RightMgn"]->value()};
    const bool chart = grid_.name() == QStringLiteral("BSG");
    printer_.setZoom(chart ? zoomBox_->currentText().toInt() : 100);
    look_.colour = colourBox_->isChecked();
    output::setUpDrawing(printer_, look_);
    printer_.paginate(printerGeometry());
    showPage();
}

void TPrevF::showPage() {
    image_ = printer_.renderPage(logicalDpiX());
    picture_->setPixmap(QPixmap::fromImage(image_));
    picture_->resize(image_.size());
    pageLabel_->setText(pageLabel());
    buttons_["PrevBtn"]->setEnabled(output::hasEarlierPage(printer_.page()));
    buttons_["NextBtn"]->setEnabled(output::hasLaterPage(printer_.page(), printer_.counts()));
}

QString TPrevF::pageLabel() const {
    const output::PagePosition page = printer_.page();
    return QStringLiteral("縦%1:横%2 /全 %3頁")
        .arg(page.row)
        .arg(page.column)
        .arg(printer_.counts().total());
}

void TPrevF::NextBtnClick() {
    printer_.setPage(output::nextPage(printer_.page(), printer_.counts()));
    showPage();
}

void TPrevF::PrevBtnClick() {
    if (!output::hasEarlierPage(printer_.page())) {
        return;
    }
    printer_.setPage(output::previousPage(printer_.page(), printer_.counts()));
    showPage();
}

bool TPrevF::PrintBtnClick() {
    const output::PagePosition shown = printer_.page();
    const bool printed = printOrSavePdf(*device_, this, [this](QPrinter& on) {
        printer_.paginate(printerGeometry());
        printer_.printAll(on);
    });
    printer_.setPage(shown);
    return printed;
}

void TPrevF::printerSetUp() {
    QPageSetupDialog dialog(device_.get(), this);
    if (dialog.exec() == QDialog::Accepted) {
        render();
    }
}

void TPrevF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (services_.system != nullptr) {
        ApplySystemFont(*this, *services_.system);
    }
    runUserCommand([this] { render(); });
}

void TPrevF::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    keepNormalPlace();
}

void TPrevF::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    keepNormalPlace();
}

// A maximised window's own place is the screen; the place to keep is the one it returns to.
void TPrevF::keepNormalPlace() {
    if (isVisible() && windowState() == Qt::WindowNoState) {
        normalPlace_ = QRect(pos(), size());
    }
}

void TPrevF::done(int result) {
    runUserCommand([this] { writeStoredValues(); });
    QDialog::done(result);
}

}  // namespace sorvik::ui
