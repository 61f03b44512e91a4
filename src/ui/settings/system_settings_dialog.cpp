#include "system_settings_dialog.h"

#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/prompts.h"
#include "system_settings_models.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/help/help_window.h"
#include "ui/shell/main_window.h"

namespace sorvik::ui {

namespace {

using settings::FontRole;

constexpr int kStarColumnWidths[settings::kStarDisplayColumns] = {40, 47, 0, 80, 80, 80};
constexpr int kOpenButtonWidth = 28;
constexpr int kFontButtonWidth = 72;
constexpr int kFontSampleHeight = 22;
constexpr int kDateEditWidth = 90;
constexpr int kMarginEditWidth = 36;
constexpr QSize kPanelButtonSize{48, 20};
constexpr int kInfoRowHeight = 20;
constexpr int kStarRowHeight = 20;
constexpr int kWidthColumnWidth = 50;  // the star list's width table
constexpr int kWidthRowHeight = 20;
constexpr int kTableFrame = 4;
constexpr int kInfoRows = 5;

const char16_t* const kFontButtonTexts[settings::kFontCount] = {u"命盤", u"説明文", u"命盤印刷",
                                                                u"システム"};
const char16_t* const kPanelTexts[4] = {u"選択した宮", u"対　宮", u"三合宮", u"その他の宮"};
const char16_t* const kScbTexts[5] = {
    u"行運のﾎﾞﾀﾝを非表示にする。",
    u"命盤のﾒﾆｭｰを隠す",
    u"新規ウィンドウ作成時に、並べて表示する。",
    u"命盤の星数値 0 を非表示にする",
    u"命盤クリックで、ビープ音を鳴らす",
};
const char16_t* const kPcgTexts[3] = {u"星の一覧", u"双星の一覧", u"説明文"};

QString text(const char16_t* t) {
    return QString::fromUtf16(t);
}

QPushButton* openButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(QStringLiteral("…"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedWidth(kOpenButtonWidth);
    return button;
}

// A label above an edit with its open button.
QLineEdit* addFileRow(QGridLayout* grid, int row, const QString& caption, const char* editName,
                      QPushButton* button) {
    auto* parent = grid->parentWidget();
    grid->addWidget(new QLabel(caption, parent), row, 0, 1, 2);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(editName));
    grid->addWidget(edit, row + 1, 0);
    if (button) {
        grid->addWidget(button, row + 1, 1);
    }
    return edit;
}

}  // namespace

TSysF::TSysF(TMainF& mainWindow, settings::SystemSettings& store, QWidget* parent)
    : QDialog(parent), main_(mainWindow), store_(store) {
    setObjectName(QStringLiteral("SysF"));
    setWindowTitle(QStringLiteral("ｼｽﾃﾑ設定"));
    setMinimumWidth(kWidth);
    setMaximumWidth(kWidth);
    starModel_ = new StarDisplayModel(store_, this);
    infoModel_ = new InfoRowModel(store_, this);

    pickColour = [this](const QColor& current) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current, this);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };
    pickFont = [this](const QFont& current) {
        return platform::Prompts::chooseFont(this, current, true);
    };

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(buildBasicTab(), QStringLiteral("基本設定"));
    tabs_->addTab(buildChartTab(), QStringLiteral("命盤の表示"));
    tabs_->addTab(buildStarTab(), QStringLiteral("星の表示"));
    tabs_->addTab(buildDetailTab(), QStringLiteral("宮詳細の表示"));

    const DialogButtons buttons = makeDialogButtons(this, PreviewButton::kWith);
    buttons.ok->setDefault(true);
    // One click out of a missing or empty settings file, whose defaults OK refuses.
    auto* defaults = new QPushButton(QStringLiteral("初期値に戻す"), this);
    defaults->setObjectName(QStringLiteral("DefaultsBtn"));
    defaults->setToolTip(QStringLiteral("配布時のｼｽﾃﾑ設定を読み込みます（OKで保存）"));
    defaults->setAutoDefault(false);
    buttons.layout->insertWidget(1, defaults);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons.layout);

    connect(buttons.preview, &QToolButton::clicked, this, &TSysF::printPreview);
    connect(buttons.ok, &QPushButton::clicked, this, &TSysF::OKBtnClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &TSysF::CancelBtnClick);
    connect(defaults, &QPushButton::clicked, this, &TSysF::fillShippedDefaults);
    connectHelp(*this, store_.appDir(), kHelpTopic, buttons.help);

    LoadSettings(true);
    store_.loadFonts();
    refreshFontLabels(true);
    resize(kWidth, 520);
}

TSysF::~TSysF() = default;

QWidget* TSysF::buildBasicTab() {
    auto* page = new QWidget;
    // Made in the order the focus moves through them.
    QWidget* files = buildFileRows(page);
    QGroupBox* fonts = buildFontGroup(page);
    for (int n : {1, 3}) {
        scb_[n - 1] = new QCheckBox(text(kScbTexts[n - 1]), page);
        scb_[n - 1]->setObjectName(QStringLiteral("SCB%1").arg(n));
    }
    QGroupBox* date = buildTargetDateGroup(page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(files);
    layout->addWidget(fonts);
    layout->addWidget(scb_[0]);
    layout->addWidget(scb_[2]);
    layout->addWidget(date);
    layout->addStretch();
    return page;
}

// The five file and folder names, each with the button that picks it.
QWidget* TSysF::buildFileRows(QWidget* page) {
    auto* files = new QGridLayout;
    auto* holder = new QWidget(page);
    holder->setLayout(files);
    files->setContentsMargins(0, 0, 0, 0);
    files->setVerticalSpacing(2);

    auto* nameOpen = openButton(holder, "NameFileBtn");
    nameFile_ =
        addFileRow(files, 0, QStringLiteral("起動時に開く名前ﾃﾞｰﾀﾌｧｲﾙ"), "NameFileE", nameOpen);
    auto* sysOpen = openButton(holder, "SysFileBtn");
    sysFile_ = addFileRow(files, 2, QStringLiteral("ｼｽﾃﾑ設定ﾌｧｲﾙ"), "SysFileE", sysOpen);
    auto* exeOpen = openButton(holder, "ExeNameBtn");
    exeName_ = addFileRow(files, 4, QStringLiteral("命盤説明文の出力時に起動するｿﾌﾄ　"),
                          "MeiExeName", exeOpen);
    auto* htmlOpen = openButton(holder, "ExeHtmlBtn");
    exeHtml_ = addFileRow(files, 6, QStringLiteral("命盤HTML出力時に起動するｿﾌﾄ　"), "MeiExeHTML",
                          htmlOpen);
    auto* folderOpen = openButton(holder, "FolderBtn");
    folder_ = addFileRow(files, 8, QStringLiteral("出力時の保存ﾌｫﾙﾀﾞ"), "MeiFolder", folderOpen);

    connect(nameFile_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setStartupNameFile(t); });
    connect(sysFile_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setSettingsFileName(t); });
    connect(exeName_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setMeiExeName(t); });
    connect(exeHtml_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setMeiExeHtml(t); });
    connect(folder_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setMeiFolder(t); });
    const auto openInto = [this](QLineEdit* edit, const QString& filter,
                                 const std::function<void(const QString&)>& set) {
        const QString name =
            platform::Prompts::openFileName(this, QString(), store_.appDir(), filter);
        if (!name.isEmpty()) {
            edit->setText(name);
            set(name);
        }
    };
    connect(nameOpen, &QPushButton::clicked, this, [this, openInto] {
        openInto(nameFile_, QStringLiteral("名前ﾃﾞｰﾀ(*.nam)"),
                 [this](const QString& n) { store_.setStartupNameFile(n); });
    });
    connect(exeOpen, &QPushButton::clicked, this, [this, openInto] {
        openInto(exeName_, QStringLiteral("exe(*.exe)"),
                 [this](const QString& n) { store_.setMeiExeName(n); });
    });
    connect(htmlOpen, &QPushButton::clicked, this, [this, openInto] {
        openInto(exeHtml_, QStringLiteral("exe(*.exe)"),
                 [this](const QString& n) { store_.setMeiExeHtml(n); });
    });
    connect(sysOpen, &QPushButton::clicked, this, &TSysF::chooseSettingsFile);
    connect(folderOpen, &QPushButton::clicked, this, [this] {
        const QString folder = platform::Prompts::folderName(
            this, QStringLiteral("出力時の保存フォルダ"), store_.appDir());
        if (!folder.isEmpty()) {
            folder_->setText(QDir::toNativeSeparators(folder));
            store_.setMeiFolder(folder_->text());
        }
    });
    return holder;
}

QGroupBox* TSysF::buildFontGroup(QWidget* page) {
    auto* fonts = new QGroupBox(QStringLiteral("フォント"), page);
    auto* fontGrid = new QGridLayout(fonts);
    fontGrid->setVerticalSpacing(3);
    for (int i = 0; i < settings::kFontCount; ++i) {
        auto* button = new QPushButton(text(kFontButtonTexts[i]), fonts);
        button->setObjectName(settings::fontKeyName(FontRole(i)) + QStringLiteral("Btn"));
        button->setFixedWidth(kFontButtonWidth);
        auto* sample = new QLabel(fonts);
        sample->setObjectName(settings::fontKeyName(FontRole(i)));
        sample->setFrameShape(QFrame::StyledPanel);
        sample->setMinimumHeight(kFontSampleHeight);
        fontLabels_[i] = sample;
        fontGrid->addWidget(button, i, 0);
        fontGrid->addWidget(sample, i, 1);
        connect(button, &QPushButton::clicked, this, [this, i] { pickFontFor(FontRole(i)); });
    }
    return fonts;
}

QGroupBox* TSysF::buildTargetDateGroup(QWidget* page) {
    auto* dateBox = new QGroupBox(QStringLiteral("造命の日付初期値"), page);
    auto* dateLayout = new QGridLayout(dateBox);
    nrg_ = new QButtonGroup(this);
    auto* nowButton = new QRadioButton(QStringLiteral("現在日時"), dateBox);
    auto* dateButton = new QRadioButton(QStringLiteral("指定日時"), dateBox);
    nrg_->addButton(nowButton, 0);
    nrg_->addButton(dateButton, 1);
    dateE_ = new QLineEdit(dateBox);
    dateE_->setObjectName(QStringLiteral("DateE"));
    dateE_->setInputMask(QStringLiteral("0000/00/00"));
    dateE_->setFixedWidth(kDateEditWidth);
    dateLayout->addWidget(nowButton, 0, 0);
    dateLayout->addWidget(dateButton, 1, 0);
    dateLayout->addWidget(dateE_, 1, 1);
    dateLayout->addWidget(new QLabel(QStringLiteral("年9999で、月日のみ指定"), dateBox), 1, 2);
    dateLayout->setColumnStretch(3, 1);

    connect(dateE_, &QLineEdit::textChanged, this,
            [this](const QString& t) { store_.setDateE(t); });
    connect(nrg_, &QButtonGroup::idClicked, this, [this](int id) { store_.setNRG(id); });
    return dateBox;
}

QWidget* TSysF::buildChartTab() {
    auto* page = new QWidget;
    // Made in the order the focus moves through them.
    QGroupBox* shape = buildShapeGroup(page);
    QGroupBox* colours = buildColourGroup(page);
    for (int n : {2, 4, 5}) {
        scb_[n - 1] = new QCheckBox(text(kScbTexts[n - 1]), page);
        scb_[n - 1]->setObjectName(QStringLiteral("SCB%1").arg(n));
    }
    QGroupBox* info = buildInfoGroup(page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(shape);
    layout->addWidget(colours);
    for (int n : {2, 4, 5}) {
        layout->addWidget(scb_[n - 1]);
    }
    layout->addWidget(info);
    layout->addStretch();
    for (int i = 0; i < 5; ++i) {
        connect(scb_[i], &QCheckBox::toggled, this,
                [this, i](bool on) { store_.setSCB(i + 1, on); });
    }
    return page;
}

// The chart's grid: star rows and columns per palace and the vertical margin.
QGroupBox* TSysF::buildShapeGroup(QWidget* page) {
    auto* shape = new QGroupBox(QStringLiteral("命盤の星の配置"), page);
    auto* shapeLayout = new QHBoxLayout(shape);
    bcbm_ = new QLineEdit(shape);
    bcbm_->setObjectName(QStringLiteral("BCBM"));
    bcbm_->setFixedWidth(kMarginEditWidth);
    banY_ = new QComboBox(shape);
    banY_->setObjectName(QStringLiteral("BanYCount"));
    for (int n = 1; n <= 4; ++n) {
        banY_->addItem(QString::number(n));
    }
    banX_ = new QComboBox(shape);
    banX_->setObjectName(QStringLiteral("BanXCount"));
    for (int n = 6; n <= 15; ++n) {
        banX_->addItem(QString::number(n));
    }
    shapeLayout->addWidget(new QLabel(QStringLiteral("縦"), shape));
    shapeLayout->addWidget(banY_);
    shapeLayout->addWidget(new QLabel(QStringLiteral("×横"), shape));
    shapeLayout->addWidget(banX_);
    shapeLayout->addSpacing(12);
    shapeLayout->addWidget(new QLabel(QStringLiteral("縦ﾏｰｼﾞﾝ"), shape));
    shapeLayout->addWidget(bcbm_);
    shapeLayout->addStretch();
    connect(bcbm_, &QLineEdit::textEdited, this,
            [this](const QString& t) { store_.setVerticalMarginText(t); });
    connect(banY_, &QComboBox::activated, this, [this](int i) { store_.setBanYCount(i); });
    connect(banX_, &QComboBox::activated, this, [this](int i) { store_.setBanXCount(i); });
    return shape;
}

QGroupBox* TSysF::buildColourGroup(QWidget* page) {
    auto* colours = new QGroupBox(QStringLiteral("宮の色"), page);
    auto* colourLayout = new QGridLayout(colours);
    colourLayout->setVerticalSpacing(3);
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QPushButton(colours);
        panels_[i]->setObjectName(QStringLiteral("CPnl%1").arg(i));
        panels_[i]->setFixedSize(kPanelButtonSize);
        colourLayout->addWidget(panels_[i], i / 2, (i % 2) * 2);
        colourLayout->addWidget(new QLabel(text(kPanelTexts[i]), colours), i / 2, (i % 2) * 2 + 1);
        connect(panels_[i], &QPushButton::clicked, this, [this, i] { pickPanelColour(i); });
    }
    colourLayout->setColumnStretch(1, 1);
    colourLayout->setColumnStretch(3, 1);
    return colours;
}

// The items of the chart's info rows: the table of rows and the item of its current cell.
QGroupBox* TSysF::buildInfoGroup(QWidget* page) {
    auto* info = new QGroupBox(QStringLiteral("命盤宮欄の表示内容"), page);
    auto* infoLayout = new QGridLayout(info);
    infoTable_ = new QTableView(info);
    infoTable_->setObjectName(QStringLiteral("KCSG"));
    infoTable_->setModel(infoModel_);
    infoTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    infoTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    infoTable_->verticalHeader()->setDefaultSectionSize(kInfoRowHeight);
    infoTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    infoTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    infoTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    infoTable_->setFixedHeight(kInfoRowHeight * kInfoRows +
                               infoTable_->horizontalHeader()->sizeHint().height() + 2);
    itemList_ = new QComboBox(info);
    itemList_->setObjectName(QStringLiteral("KCList"));
    // The list's rows are the items in their order.
    for (int i = 0; i < strength::kInfoItemCount; ++i) {
        itemList_->addItem(settings::infoItemName(static_cast<strength::InfoItem>(i)));
    }
    itemList_->setMaxVisibleItems(strength::kInfoItemCount);
    auto* choose = new QHBoxLayout;
    choose->addWidget(new QLabel(QStringLiteral("選択した欄の内容"), info));
    choose->addWidget(itemList_);
    choose->addStretch();
    infoLayout->addWidget(infoTable_, 0, 0);
    infoLayout->addLayout(choose, 1, 0);
    infoLayout->addWidget(
        new QLabel(QStringLiteral("※#四化１　→　各宮の四化\n※$四化２　→　流年の四化\n"
                                  "※%四化３　→　自宮の四化"),
                   info),
        2, 0);

    connect(infoTable_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSysF::showItemOfCurrentCell);
    connect(itemList_, &QComboBox::activated, this, [this](int item) {
        const QModelIndex cell = infoTable_->currentIndex();
        if (cell.isValid()) {
            infoModel_->setData(cell, settings::infoItemName(static_cast<strength::InfoItem>(item)),
                                Qt::EditRole);
        }
    });
    return info;
}

QWidget* TSysF::buildStarTab() {
    auto* page = new QWidget;
    starTable_ = new QTableView(page);
    starTable_->setObjectName(QStringLiteral("SG1"));
    starTable_->setModel(starModel_);
    starTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    starTable_->verticalHeader()->hide();
    starTable_->verticalHeader()->setDefaultSectionSize(kStarRowHeight);
    starTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < settings::kStarDisplayColumns; ++c) {
        starTable_->setColumnWidth(c, kStarColumnWidths[c]);
    }
    starTable_->setColumnHidden(settings::kColourColumn, true);
    starTable_->setItemDelegateForColumn(settings::kColourShownColumn,
                                         new ColourSwatchDelegate(starTable_));
    auto* pick = new QPushButton(QStringLiteral("参照"), page);
    pick->setObjectName(QStringLiteral("ColorBtn"));
    auto* note = new QLabel(QStringLiteral("※表示欄はﾀﾞﾌﾞﾙｸﾘｯｸで切り替えます。"), page);

    auto* row = new QHBoxLayout;
    row->addWidget(note);
    row->addStretch();
    row->addWidget(pick);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(starTable_);
    layout->addLayout(row);

    connect(starTable_, &QTableView::doubleClicked, starModel_, &StarDisplayModel::toggle);
    connect(pick, &QPushButton::clicked, this, &TSysF::pickStarColour);
    return page;
}

QWidget* TSysF::buildDetailTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildShownContentGroup(page));
    layout->addWidget(buildStarListWidthGroup(page));
    layout->addStretch();
    return page;
}

// Which panels the palace detail shows.
QGroupBox* TSysF::buildShownContentGroup(QWidget* page) {
    auto* shown = new QGroupBox(QStringLiteral("表示する内容"), page);
    auto* shownLayout = new QVBoxLayout(shown);
    for (int i = 0; i < 3; ++i) {
        pcg_[i] = new QCheckBox(text(kPcgTexts[i]), shown);
        pcg_[i]->setObjectName(QStringLiteral("PCG%1").arg(i));
        shownLayout->addWidget(pcg_[i]);
        connect(pcg_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            store_.setPCG(on ? store_.PCG() | (1 << i) : store_.PCG() & ~(1 << i));
        });
    }
    return shown;
}

// The widths of the palace detail's star list: titles over the widths, and their defaults.
QGroupBox* TSysF::buildStarListWidthGroup(QWidget* page) {
    auto* widthBox = new QGroupBox(QStringLiteral("星の一覧の表示巾"), page);
    auto* widthLayout = new QVBoxLayout(widthBox);
    widths_ = new QTableWidget(2, settings::kStarListColumns, widthBox);
    widths_->setObjectName(QStringLiteral("HSG"));
    widths_->horizontalHeader()->hide();
    widths_->verticalHeader()->hide();
    widths_->horizontalHeader()->setDefaultSectionSize(kWidthColumnWidth);
    widths_->verticalHeader()->setDefaultSectionSize(kWidthRowHeight);
    widths_->setFixedHeight(2 * kWidthRowHeight + kTableFrame);
    widths_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widths_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < settings::kStarListColumns; ++c) {
        auto* title = new QTableWidgetItem(settings::SystemSettings::starListTitle(c));
        title->setFlags(Qt::ItemIsEnabled);
        title->setTextAlignment(Qt::AlignCenter);
        title->setBackground(palette().button());
        widths_->setItem(0, c, title);
        auto* width = new QTableWidgetItem;
        width->setTextAlignment(Qt::AlignCenter);
        widths_->setItem(1, c, width);
    }
    auto* defaults = new QPushButton(QStringLiteral("ﾃﾞﾌｫﾙﾄ"), widthBox);
    defaults->setObjectName(QStringLiteral("HSGDefBtn"));
    auto* defaultsRow = new QHBoxLayout;
    defaultsRow->addStretch();
    defaultsRow->addWidget(defaults);
    widthLayout->addWidget(widths_);
    widthLayout->addLayout(defaultsRow);

    connect(widths_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        bool ok = false;
        const int width = item->text().toInt(&ok);
        if (item->row() == 1 && ok) {
            store_.setStarListWidth(item->column(), width);
        }
    });
    connect(defaults, &QPushButton::clicked, this, [this] {
        store_.resetStarListWidths();
        refresh();
    });
    return widthBox;
}

void TSysF::refresh() {
    // What is shown here comes from the store: none of it may be written back as an edit.
    const QSignalBlocker quietDate(dateE_);
    const QSignalBlocker quietWidths(widths_);
    std::vector<QSignalBlocker> quietBoxes;
    for (QCheckBox* box : scb_) {
        quietBoxes.emplace_back(box);
    }
    for (QCheckBox* box : pcg_) {
        quietBoxes.emplace_back(box);
    }
    nameFile_->setText(store_.startupNameFile());
    sysFile_->setText(store_.settingsFileName());
    exeName_->setText(store_.meiExeName());
    exeHtml_->setText(store_.meiExeHtml());
    folder_->setText(store_.meiFolder());
    bcbm_->setText(store_.verticalMarginText());
    // An index outside the list shows no value, as the start-up check expects.
    banY_->setCurrentIndex(
        store_.banYCount() >= 0 && store_.banYCount() < banY_->count() ? store_.banYCount() : -1);
    banX_->setCurrentIndex(
        store_.banXCount() >= 0 && store_.banXCount() < banX_->count() ? store_.banXCount() : -1);
    for (int i = 0; i < 5; ++i) {
        scb_[i]->setChecked(store_.SCB(i + 1));
    }
    if (auto* button = nrg_->button(store_.NRG())) {
        button->setChecked(true);
    }
    dateE_->setText(store_.DateE());
    for (int i = 0; i < 3; ++i) {
        pcg_[i]->setChecked(store_.PCG() & (1 << i));
    }
    for (int c = 0; c < settings::kStarListColumns; ++c) {
        widths_->item(1, c)->setText(QString::number(store_.starListWidth(c)));
    }
    refreshPanels();
    infoModel_->reload();
    starModel_->reload();
}

void TSysF::refreshPanels() {
    for (int i = 0; i < 4; ++i) {
        panels_[i]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                      .arg(store_.palaceColour(i).name()));
    }
}

void TSysF::refreshFontLabels(bool withSize) {
    for (int i = 0; i < settings::kFontCount; ++i) {
        const settings::FontSetting& f = store_.font(FontRole(i));
        fontLabels_[i]->setFont(toQFont(f));
        QPalette colours = fontLabels_[i]->palette();
        colours.setColor(QPalette::WindowText, fontColour(f));
        fontLabels_[i]->setPalette(colours);
        if (withSize) {
            fontLabels_[i]->setText(f.name + QString::number(f.size) + QStringLiteral("point"));
        }
    }
}

void TSysF::showItemOfCurrentCell() {
    const QModelIndex cell = infoTable_->currentIndex();
    if (!cell.isValid()) {
        return;
    }
    itemList_->setCurrentIndex(static_cast<int>(
        settings::infoItemNamed(infoModel_->data(cell, Qt::DisplayRole).toString())));
}

void TSysF::LoadSettings(bool quiet) {
    store_.setSettingsFileName(main_.defSysFile());
    store_.setStartupNameFile(main_.defNameFile());
    // A damaged file gives the defaults and says so (loadWarning); nothing else is thrown.
    store_.LoadSettings();
    shownSinceLoad_ = isVisible();
    if (!quiet && !store_.loadWarning().isEmpty()) {
        platform::Prompts::information(store_.loadWarning());
    }
    refresh();
    infoTable_->setCurrentIndex(infoModel_->index(0, 0));
    showItemOfCurrentCell();
}

void TSysF::fillShippedDefaults() {
    store_.loadShippedDefaults();
    refresh();
    infoTable_->setCurrentIndex(infoModel_->index(0, 0));
    showItemOfCurrentCell();
}

bool TSysF::OKBtnClick() {
    if (const auto refusal = store_.validate()) {
        platform::Prompts::beep();
        platform::Prompts::information(refusal->message);
        if (refusal->reason == settings::SaveRefusal::Reason::BadTargetDate && isVisible()) {
            tabs_->setCurrentIndex(0);
            dateE_->setFocus();
        }
        return false;
    }
    main_.setDefNameFile(store_.startupNameFile());
    // What the user typed is where the settings now are, so the next start reads that file.
    main_.setDefSysFile(store_.settingsFileName());
    if (!runUserCommand([this] { store_.save(); })) {
        return false;
    }
    store_.changes().announce();
    if (isVisible()) {
        done(Accepted);
    }
    return true;
}

void TSysF::CancelBtnClick() {
    LoadSettings();
    store_.changes().announce();
    done(Rejected);
}

void TSysF::printPreview() {
    const int tab = tabs_->currentIndex();
    if (tab != 1 && tab != 2) {
        platform::Prompts::beep();
        platform::Prompts::information(QStringLiteral("この項は、印刷できません。"));
        return;
    }
    if (openPrintPreview) {
        openPrintPreview(tabs_->tabText(tab), tab == 1 ? *infoTable_ : *starTable_);
    }
}

void TSysF::pickPanelColour(int which) {
    if (const auto colour = pickColour(store_.palaceColour(which))) {
        store_.setPalaceColourValue(which, settings::windowsFromColour(*colour));
        refreshPanels();
    }
}

void TSysF::pickFontFor(FontRole role) {
    const settings::FontSetting current = store_.font(role);
    // OK without a change keeps the setting, the designed face name included.
    const QFont given = toQFont(current);
    if (const auto font = pickFont(given)) {
        if (fromQFont(*font, current.color) == fromQFont(given, current.color)) {
            return;
        }
        store_.setFont(role, fromQFont(*font, current.color));
        refreshFontLabels(false);
        fontLabels_[role]->setText(font->family());
        if (role == settings::kSystemFont) {
            ApplySystemFont(*this, store_, true);
        }
    }
}

void TSysF::pickStarColour() {
    const QModelIndex cell = starTable_->currentIndex();
    if (!cell.isValid()) {
        return;
    }
    const int star = cell.row() + 1;
    if (const auto colour = pickColour(store_.starColour(star).value_or(QColor(Qt::black)))) {
        starModel_->setColour(cell.row(), settings::windowsFromColour(*colour));
    }
}

void TSysF::chooseSettingsFile() {
    const QString name = platform::Prompts::openFileName(this, QString(), store_.appDir(),
                                                         QStringLiteral("ｼｽﾃﾑ設定ﾌｧｲﾙ(*.set)"));
    if (name.isEmpty()) {
        return;
    }
    main_.setDefSysFile(name);
    LoadSettings();
}

bool TSysF::saveAtExit() {
    if (store_.fellBackToDefaults() && !shownSinceLoad_) {
        return false;
    }
    return OKBtnClick();
}

void TSysF::showEvent(QShowEvent* event) {
    shownSinceLoad_ = true;
    ApplySystemFont(*this, store_, true);
    QDialog::showEvent(event);
}

// However it closes, the fonts are kept in the key store.
void TSysF::done(int result) {
    runUserCommand([this] { store_.saveFonts(); });
    QDialog::done(result);
}

}  // namespace sorvik::ui
