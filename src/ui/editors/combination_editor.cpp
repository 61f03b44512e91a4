#include "combination_editor.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "description_list.h"
#include "editor_look.h"
#include "engine/catalogue.h"
#include "platform/prompts.h"
#include "settings/zi_wei_settings.h"
#include "texts/line_break.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

namespace {

using platform::Prompts;
using texts::CombinationKind;

constexpr auto kNoStarB = u"なし";

}  // namespace

void RefillingComboBox::showPopup() {
    emit aboutToOpen();
    QComboBox::showPopup();
}

TDSetuF::TDSetuF(const EditorServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("DSetuF"));
    setWindowTitle(QStringLiteral("同宮加会による説明文の編集"));
    setModal(true);
    setMinimumSize(500, 400);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    for (const QString& name : services.ziWei.palaceNameTable()) {
        tabs_->addTab(name + QStringLiteral("で"));
    }

    star1_ = new QComboBox(this);
    star1_->setObjectName(QStringLiteral("Star1CB"));
    star1_->addItems(starItems(services.starNames, engine::kStarCount - 1));
    starA_ = new RefillingComboBox(this);
    starA_->setObjectName(QStringLiteral("StarACB"));
    starB_ = new RefillingComboBox(this);
    starB_->setObjectName(QStringLiteral("StarBCB"));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("KindCB"));
    kind_->addItems({texts::kindText(CombinationKind::SamePalace),
                     texts::kindText(CombinationKind::SameOrTrine)});
    for (QComboBox* box :
         {star1_, static_cast<QComboBox*>(starA_), static_cast<QComboBox*>(starB_)}) {
        box->setMaxVisibleItems(20);
        box->setMinimumWidth(110);
    }

    // Read as one sentence: 星１ と、 星Ａ or 星Ｂ が、 kind
    auto* key = new QGridLayout;
    const QStringList captions = {QStringLiteral("星１"),
                                  QString(),
                                  QStringLiteral("星Ａ"),
                                  QString(),
                                  QStringLiteral("星Ｂ"),
                                  QString(),
                                  QString()};
    const QList<QWidget*> cells = {star1_, new QLabel(QStringLiteral("と、"), this),
                                   starA_, new QLabel(QStringLiteral("or"), this),
                                   starB_, new QLabel(QStringLiteral("が、"), this),
                                   kind_};
    for (int column = 0; column < cells.size(); ++column) {
        key->addWidget(new QLabel(captions.at(column), this), 0, column);
        key->addWidget(cells.at(column), 1, column);
    }
    key->setColumnStretch(static_cast<int>(cells.size()), 1);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("CountLbl"));
    showCount();
    auto* addButton = new QPushButton(QStringLiteral("追加・置換"), this);
    addButton->setObjectName(QStringLiteral("AddBtn"));
    auto* listButton = makeListButton(this);
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    auto* helpButton = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    helpButton->setObjectName(QStringLiteral("HelpBtn"));

    auto* keyRow = new QHBoxLayout;
    keyRow->addLayout(key, 1);
    keyRow->addWidget(listButton, 0, Qt::AlignBottom);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(count_);
    countRow->addStretch();
    countRow->addWidget(addButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(keyRow);
    layout->addWidget(memo_, 1);
    layout->addLayout(countRow);
    layout->addLayout(buttons);

    connect(star1_, &QComboBox::activated, this, &TDSetuF::chooseStar1);
    connect(starA_, &RefillingComboBox::aboutToOpen, this, &TDSetuF::refillStarA);
    connect(starB_, &RefillingComboBox::aboutToOpen, this, &TDSetuF::refillStarB);
    connect(addButton, &QPushButton::clicked, this, [this] { addOrReplace(); });
    connect(listButton, &QToolButton::clicked, this,
            [this] { runUserCommand([&] { openList(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(tabs_, &QTabBar::currentChanged, this, &TDSetuF::changeTab);
    connectHelp(*this, services.appDir, kHelpTopic, helpButton);
    // Wide enough to show every palace's tab.
    resize(std::max(600, tabs_->sizeHint().width() + 24), 440);
}

void TDSetuF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyDescriptionFont(*memo_, services_.system);
    runUserCommand([&] { activate(); });
}

void TDSetuF::activate() {
    star1_->setCurrentIndex(0);
    kind_->setCurrentIndex(0);
    showMemo({});
    readTab();
}

void TDSetuF::showMemo(const QString& text) {
    memo_->setPlainText(text);
    shownMemo_ = text;
}

bool TDSetuF::keepTypedText() {
    const QString typed = memo_->toPlainText();
    if (typed.isEmpty() || typed == shownMemo_) {
        return true;
    }
    switch (Prompts::box(platform::BoxStyle::Confirmation, platform::BoxButtons::YesNoCancel,
                         QStringLiteral("入力した説明文を登録しますか？"))) {
        case platform::Answer::Yes:
            return addOrReplace();
        case platform::Answer::No:
            showMemo({});
            return true;
        default:
            return false;
    }
}

void TDSetuF::readTab() {
    // A file that could not be read is never written over, nor are another tab's records.
    tabRead_ = false;
    file_ = {};
    showCount();
    file_ = texts::readCombinationFile(services_.appDir, fileTab_ + 1);
    tabRead_ = true;
    showCount();
}

void TDSetuF::writeTab() {
    if (!tabRead_) {
        return;
    }
    texts::writeCombinationFile(services_.appDir, fileTab_ + 1, file_);
}

void TDSetuF::showCount() {
    count_->setText(QStringLiteral("現在登録件数：%1件").arg(file_.recordCount(), 4));
}

void TDSetuF::changeTab(int tab) {
    if (!keepTypedText()) {
        const QSignalBlocker still(tabs_);
        tabs_->setCurrentIndex(fileTab_);
        return;
    }
    runUserCommand([&] { writeTab(); });
    fileTab_ = tab;
    runUserCommand([&] { readTab(); });
}

void TDSetuF::chooseStar1(int) {
    refillStarA();
    refillStarB();
}

void TDSetuF::refillStarA() {
    starA_->clear();
    starA_->addItems(starItems(services_.starNames, engine::kStarCount));
    starA_->setCurrentIndex(1);
}

void TDSetuF::refillStarB() {
    const int after = starA_->currentIndex() + 1;  // the number of 星Ａ
    starB_->clear();
    starB_->addItem(QString::fromUtf16(kNoStarB));
    for (int star = after + 1; star <= engine::kStarCount; ++star) {
        starB_->addItem(QString::fromStdString(services_.starNames[star]));
    }
    starB_->setCurrentIndex(0);
}

int TDSetuF::starNumberB() const {
    return starB_->currentIndex() <= 0 ? texts::kNoStarB
                                       : starA_->currentIndex() + 1 + starB_->currentIndex();
}

QString TDSetuF::keyText() const {
    QString text = star1_->currentText() + u'と' + starA_->currentText();
    if (starNumberB() != texts::kNoStarB) {
        text += u'か' + starB_->currentText();
    }
    return text + u'が' + kind_->currentText();
}

bool TDSetuF::addOrReplace() {
    if (starA_->currentIndex() < 0 || !tabRead_) {
        // 星Ａ has not been chosen yet, or the tab's file could not be read.
        Prompts::beep();
        return false;
    }
    const texts::CombinationRecord record{star1_->currentIndex() + 1, starA_->currentIndex() + 1,
                                          starNumberB(),
                                          static_cast<CombinationKind>(kind_->currentIndex()),
                                          texts::encodeLineBreaks(memo_->toPlainText())};
    if (file_.indexOfKey(record)) {
        Prompts::beep();
        if (!Prompts::askYesNo(platform::BoxStyle::Confirmation,
                               u'『' + keyText() + QStringLiteral("』を置き換えますか？"))) {
            return false;
        }
    }
    file_.addOrReplace(record);
    showCount();
    const bool written = runUserCommand([&] { writeTab(); });
    runUserCommand([&] { activate(); });
    return written;
}

void TDSetuF::editRecord(int record) {
    const auto parsed = texts::parseCombinationRecord(file_.records.value(record));
    if (!parsed) {
        return;
    }
    star1_->setCurrentIndex(parsed->star1 - 1);
    refillStarA();
    starA_->setCurrentIndex(parsed->starA - 1);
    refillStarB();
    starB_->setCurrentIndex(parsed->starB > parsed->starA ? parsed->starB - parsed->starA : 0);
    kind_->setCurrentIndex(static_cast<int>(parsed->kind));
    showMemo(memoText(texts::decodeLineBreaks(parsed->text)));
}

void TDSetuF::openList() {
    const QString palace = services_.ziWei.palaceNameTable().at(fileTab_);
    const auto name = [this](int star) {
        return QString::fromStdString(services_.starNames[star]);
    };
    DescriptionList list{{QStringLiteral("宮"), QStringLiteral("星１"), QStringLiteral("星Ａ"),
                          QStringLiteral("星Ｂ"), QString(), file_.heading},
                         {},
                         5,
                         {35, 35, 35, 35, 80},
                         true};
    for (const QString& line : file_.records) {
        const auto r = texts::parseCombinationRecord(line);
        list.rows << (r ? QStringList{palace, name(r->star1), name(r->starA),
                                      r->starB < 2 ? QString() : name(r->starB),
                                      texts::kindText(r->kind), r->text}
                        : QStringList{palace, QString(), QString(), QString(), QString(), line});
    }
    TSListF::RecordActions actions{[this](int row) { editRecord(row); },
                                   [this](int row) { file_.records.removeAt(row); }};
    services_.list.showList(std::move(list), std::move(actions));
}

void TDSetuF::done(int result) {
    if (!keepTypedText()) {
        return;
    }
    runUserCommand([&] { writeTab(); });
    QDialog::done(result);
}

}  // namespace sorvik::ui
