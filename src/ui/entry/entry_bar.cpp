#include "entry_bar.h"

#include <array>

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/sjis.h"
#include "records/birth_entry.h"
#include "records/date_texts.h"
#include "settings/system_settings.h"
#include "ui/common/error_boundary.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

QLabel* verticalLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(verticalCaption(caption), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A hint shows beside the mouse and, like every hint of the main window, in its status bar.
void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

}  // namespace

QString verticalCaption(const QString& caption) {
    QString text;
    for (const QChar c : caption) {
        text += c;
        if (platform::sjisByteLength(QString(c)) == 2) {
            text += u'\n';
        }
    }
    return text.endsWith(u'\n') ? text.chopped(1) : text;
}

EntBar::EntBar(const EntryBarServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("EntBar"));
    // In its toolbar the bar keeps its own width instead of spreading its controls out.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);

    QFont buttonFont = font();
    buttonFont.setBold(true);
    buttonFont.setItalic(true);
    const auto makeButton = [&](const char* name, const char* caption, const char* hint) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        setHint(button, QString::fromUtf8(hint));
        button->setFont(buttonFont);
        // Blue only while it can be pressed; a disabled button keeps the grey of its kind.
        button->setStyleSheet(QStringLiteral("QPushButton:enabled { color: blue; }"));
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
        return button;
    };
    meiBtn_ = makeButton("MeiBtn", "命盤 ", "命式を作成する");
    connect(meiBtn_, &QPushButton::clicked, this, &EntBar::MeiBtnClick);
    kouBtn_ = makeButton("KouBtn", "行運 ", "行運を作成する");
    connect(kouBtn_, &QPushButton::clicked, this, &EntBar::KouBtnClick);
    kouBtn_->setEnabled(services_.requests.offers(PersonWindow::Luck));

    row->addWidget(verticalLabel(QStringLiteral("Label1"), QStringLiteral("氏名"), this));
    nameE_ = new NameBox(
        services_.persons, [this] { NameEDropDown(); }, this);
    nameE_->setObjectName(QStringLiteral("NameE"));
    nameE_->setMinimumWidth(150);
    nameE_->setMaxVisibleItems(15);
    connect(nameE_, qOverload<int>(&QComboBox::activated), this, &EntBar::pickPerson);
    row->addWidget(nameE_);

    sex_ = new QComboBox(this);
    sex_->setObjectName(QStringLiteral("Sex"));
    sex_->addItems({QStringLiteral("男"), QStringLiteral("女")});
    row->addWidget(sex_);

    QLabel* dateLabel = verticalLabel(QStringLiteral("DLabel"), QStringLiteral("日付"), this);
    dLabel_ = dateLabel;
    setHint(dateLabel, QStringLiteral("和暦変換入力をします"));
    row->addWidget(dateLabel);
    dateE_ = new QLineEdit(this);
    dateE_->setObjectName(QStringLiteral("DateE"));
    // Year and month digits may stay blank, the day digits are required.
    dateE_->setInputMask(QStringLiteral("0000/00/99;_"));
    dateE_->setAttribute(Qt::WA_InputMethodEnabled, false);
    dateE_->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000/00/000")));
    row->addWidget(dateE_);

    QLabel* timeLabel = verticalLabel(QStringLiteral("TLabel"), QStringLiteral("時間"), this);
    tLabel_ = timeLabel;
    setHint(timeLabel, QStringLiteral("時間一覧ウィンドウから入力します"));
    row->addWidget(timeLabel);
    timeE_ = new QLineEdit(this);
    timeE_->setObjectName(QStringLiteral("TimeE"));
    timeE_->setInputMask(QStringLiteral("00:99;_"));
    timeE_->setAttribute(Qt::WA_InputMethodEnabled, false);
    timeE_->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("00:000")));
    row->addWidget(timeE_);

    nowBtn_ = new QPushButton(QStringLiteral("◎"), this);
    nowBtn_->setObjectName(QStringLiteral("NowBtn"));
    nowBtn_->setFlat(true);
    nowBtn_->setFixedWidth(QFontMetrics(font()).horizontalAdvance(nowBtn_->text()) + 12);
    setHint(nowBtn_, QStringLiteral("現在日時を写します"));
    nowBtn_->setFocusPolicy(Qt::NoFocus);
    connect(nowBtn_, &QPushButton::clicked, this, &EntBar::NowBtnClick);
    row->addWidget(nowBtn_);

    setTabOrder(sex_, dateE_);
    setTabOrder(dateE_, timeE_);
    setTabOrder(timeE_, nameE_);
    for (QWidget* control :
         {static_cast<QWidget*>(nameE_), static_cast<QWidget*>(sex_), static_cast<QWidget*>(dateE_),
          static_cast<QWidget*>(timeE_), static_cast<QWidget*>(nameE_->lineEdit())}) {
        control->installEventFilter(this);
    }
    applySettings();
}

void EntBar::setLabelCommands(std::function<void()> dateLabel, std::function<void()> timeLabel) {
    dLabelCommand_ = std::move(dateLabel);
    tLabelCommand_ = std::move(timeLabel);
    const std::pair<QLabel*, bool> labels[] = {{dLabel_, static_cast<bool>(dLabelCommand_)},
                                               {tLabel_, static_cast<bool>(tLabelCommand_)}};
    for (const auto& [label, offered] : labels) {
        if (offered) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
        } else {
            label->unsetCursor();
        }
    }
}

void EntBar::applySettings() {
    kouBtn_->setVisible(!services_.system.hideLuckButton());
}

engine::BirthMoment EntBar::birthMoment() const {
    return {nameE_->currentText().toStdString(), engine::sexAt(sex_->currentIndex()),
            dateE_->text().toStdString(), timeE_->text().toStdString()};
}

QWidget* EntBar::fieldOf(records::EntryRefusal::Field field) const {
    using Field = records::EntryRefusal::Field;
    switch (field) {
        case Field::Name:
            return nameE_;
        case Field::Sex:
            return sex_;
        case Field::Date:
            return dateE_;
        case Field::Time:
            return timeE_;
        case Field::Calendar:
            break;  // the date outside the calendar is the one to correct
    }
    return dateE_;
}

void EntBar::refuse(QWidget* field, const QString& reason, bool withBox) {
    Prompts::beep();
    if (withBox) {
        Prompts::information(reason);
    }
    clearRefusal();
    // Many desktops make no sound: the field and the status bar show what the beep meant.
    refused_ = field;
    QWidget* shown = field == nameE_ ? nameE_->lineEdit() : field;
    shown->setStyleSheet(QStringLiteral("background-color: #ffd0d0;"));
    emit statusMessage(reason);
    field->setFocus();
}

void EntBar::clearRefusal() {
    if (refused_ == nullptr) {
        return;
    }
    QWidget* shown = refused_ == nameE_ ? nameE_->lineEdit() : refused_;
    shown->setStyleSheet(QString());
    refused_ = nullptr;
    emit statusMessage(QString());
}

bool EntBar::ValidateEntry() {
    const std::optional<records::EntryRefusal> refusal = records::checkBirthEntry(
        {nameE_->currentText(), sex_->currentIndex() >= 0, dateE_->text(), timeE_->text()},
        services_.calendar);
    if (refusal) {
        refuse(fieldOf(refusal->field), refusal->message, refusal->boxed);
        return false;
    }
    // What is stored and charted is the full spelling of the date and time.
    dateE_->setText(records::normaliseDateText(dateE_->text()));
    timeE_->setText(records::normaliseTimeText(timeE_->text()));
    return true;
}

void EntBar::MeiBtnClick() {
    request(PersonWindow::Chart);
}

void EntBar::KouBtnClick() {
    request(PersonWindow::Luck);
}

void EntBar::request(PersonWindow kind) {
    if (services_.requests.showOpen(kind, nameE_->currentText())) {
        return;
    }
    if (!ValidateEntry()) {
        return;
    }
    bool made = false;
    runUserCommand([this, kind, &made] { made = services_.requests.make(kind, birthMoment()); });
    if (!made) {
        return;
    }
    nameE_->setCurrentIndex(-1);
    nameE_->setEditText(QString());
    dateE_->clear();
    timeE_->clear();
    nameE_->setFocus();
}

void EntBar::NowBtnClick() {
    const QDateTime now = platform::Clock::now();
    filling_ = true;
    nameE_->setEditText(now.toString(QStringLiteral("yy/MM/dd hh:mm")));
    filling_ = false;
    sex_->setCurrentIndex(0);
    dateE_->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    timeE_->setText(now.toString(QStringLiteral("hh:mm")));
}

void EntBar::NameEDropDown() {
    // The list opens with no person marked and the text as typed.
    const QString typed = nameE_->currentText();
    nameE_->setCurrentIndex(-1);
    nameE_->setEditText(typed);
}

void EntBar::pickPerson(int index) {
    const int row = nameE_->listRow(index);
    if (row < 0) {
        return;
    }
    const records::NameList::Row& person = services_.persons.row(row);
    fillEntry(person[records::NameList::kName], person[records::NameList::kSex],
              person[records::NameList::kDate], person[records::NameList::kTime]);
}

void EntBar::setDateText(const QString& date) {
    dateE_->setText(date);
}

QString EntBar::typedName() const {
    return nameE_->currentText();
}

QString EntBar::typedSex() const {
    return sex_->currentText();
}

QString EntBar::typedDate() const {
    return dateE_->text();
}

void EntBar::focusEntry() {
    // The activation that follows a refusal's message box must not take the focus from the
    // field to correct.
    (refused_ != nullptr ? refused_ : nameE_)->setFocus();
}

QWidget* EntBar::nextField(const QObject* from, bool forward) const {
    const std::array<QWidget*, 4> order = {sex_, dateE_, timeE_, nameE_};
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (from == order[i] || (order[i] == nameE_ && from == nameE_->lineEdit())) {
            return order[(i + (forward ? 1 : order.size() - 1)) % order.size()];
        }
    }
    return nullptr;
}

void EntBar::refuseDate() {
    Prompts::beep();
    dateE_->setFocus();
}

void EntBar::fillEntry(const QString& name, const QString& sex, const QString& date,
                       const QString& time) {
    nameE_->setEditText(name);
    sex_->setCurrentIndex(sex_->findText(sex));
    dateE_->setText(date);
    timeE_->setText(time);
}

bool EntBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && (watched == dLabel_ || watched == tLabel_)) {
        const std::function<void()>& command = watched == dLabel_ ? dLabelCommand_ : tLabelCommand_;
        if (command && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            command();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    clearRefusal();
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == timeE_ && key->key() == Qt::Key_Period &&
        key->modifiers().testFlag(Qt::KeypadModifier)) {
        MeiBtnClick();
        return true;
    }
    // Enter moves on as Tab does; both go round the bar's own fields, whatever windows the
    // main window holds besides.
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool back = key->key() == Qt::Key_Backtab;
    if (plain && (back || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Return ||
                  key->key() == Qt::Key_Enter)) {
        if (QWidget* next = nextField(watched, !back)) {
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sorvik::ui
