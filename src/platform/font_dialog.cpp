#include "font_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvik::platform {

namespace {

// In the order of the styles list; bit 0 italic, bit 1 bold.
constexpr const char16_t* kStyleNames[] = {u"標準", u"斜体", u"太字", u"太字 斜体"};
constexpr int kSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kFallbackSize = 9;

int styleRow(const QFont& font) {
    return (font.italic() ? 1 : 0) | (font.bold() ? 2 : 0);
}

int pointSize(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize() : kFallbackSize;
}

bool sameLook(const QFont& a, const QFont& b) {
    return a.family() == b.family() && pointSize(a) == pointSize(b) && a.bold() == b.bold() &&
           a.italic() == b.italic() && a.underline() == b.underline() &&
           a.strikeOut() == b.strikeOut();
}

QListWidget* addList(QGridLayout* grid, int column, const QString& caption, QWidget* parent) {
    auto* list = new QListWidget(parent);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(list);
    grid->addWidget(label, 0, column);
    grid->addWidget(list, 1, column);
    return list;
}

}  // namespace

FontDialog::FontDialog(const QFont& font, bool scalableOnly, QWidget* parent)
    : QDialog(parent), given_(font) {
    setWindowTitle(QStringLiteral("フォントの指定"));
    auto* grid = new QGridLayout;
    families_ = addList(grid, 0, QStringLiteral("フォント名(&F):"), this);
    styles_ = addList(grid, 1, QStringLiteral("スタイル(&Y):"), this);
    sizes_ = addList(grid, 2, QStringLiteral("サイズ(&S):"), this);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family) &&
            (!scalableOnly || QFontDatabase::isScalable(family))) {
            families_->addItem(family);
        }
    }
    for (const char16_t* name : kStyleNames) {
        styles_->addItem(QString::fromUtf16(name));
    }
    for (const int size : kSizes) {
        sizes_->addItem(QString::number(size));
    }

    auto* effects = new QGroupBox(QStringLiteral("文字飾り"), this);
    auto* effectsLayout = new QVBoxLayout(effects);
    strikeOut_ = new QCheckBox(QStringLiteral("取り消し線(&K)"), effects);
    underline_ = new QCheckBox(QStringLiteral("下線(&U)"), effects);
    effectsLayout->addWidget(strikeOut_);
    effectsLayout->addWidget(underline_);
    auto* sampleBox = new QGroupBox(QStringLiteral("サンプル"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sample_ = new QLabel(QStringLiteral("紫微斗数 あアｱ亜 AaBb"), sampleBox);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(60);
    sampleLayout->addWidget(sample_);
    auto* lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sampleBox, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    selectFont(shown);
    opened_ = shownFont();
    for (QListWidget* list : {families_, styles_, sizes_}) {
        connect(list, &QListWidget::currentRowChanged, this, &FontDialog::showSample);
    }
    for (QCheckBox* box : {strikeOut_, underline_}) {
        connect(box, &QCheckBox::toggled, this, &FontDialog::showSample);
    }
    showSample();
    resize(520, 400);
}

void FontDialog::selectFont(const QFont& font) {
    const QList<QListWidgetItem*> family = families_->findItems(font.family(), Qt::MatchExactly);
    if (!family.isEmpty()) {
        families_->setCurrentItem(family.front());
    } else if (families_->count() > 0) {
        families_->setCurrentRow(0);
    }
    styles_->setCurrentRow(styleRow(font));
    const int size = pointSize(font);
    if (sizes_->findItems(QString::number(size), Qt::MatchExactly).isEmpty()) {
        int row = 0;
        while (row < sizes_->count() && sizes_->item(row)->text().toInt() < size) {
            ++row;
        }
        sizes_->insertItem(row, QString::number(size));
    }
    sizes_->setCurrentItem(sizes_->findItems(QString::number(size), Qt::MatchExactly).front());
    strikeOut_->setChecked(font.strikeOut());
    underline_->setChecked(font.underline());
}

QFont FontDialog::shownFont() const {
    QFont font(families_->currentItem() ? families_->currentItem()->text() : given_.family());
    font.setPointSize(sizes_->currentItem() ? sizes_->currentItem()->text().toInt()
                                            : pointSize(given_));
    const int style = styles_->currentRow();
    font.setItalic(style & 1);
    font.setBold(style & 2);
    font.setStrikeOut(strikeOut_->isChecked());
    font.setUnderline(underline_->isChecked());
    return font;
}

QFont FontDialog::chosenFont() const {
    const QFont shown = shownFont();
    return sameLook(shown, opened_) ? given_ : shown;
}

QString FontDialog::sampleText() const {
    return sample_->text();
}

void FontDialog::showSample() {
    sample_->setFont(shownFont());
}

}  // namespace sorvik::platform
