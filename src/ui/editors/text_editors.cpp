#include "text_editors.h"

#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "description_list.h"
#include "engine/catalogue.h"
#include "engine/patterns.h"
#include "settings/zi_wei_settings.h"
#include "texts/editor_lines.h"
#include "texts/text_files.h"

namespace sorvik::ui {

namespace {

QString listCaption(const QWidget& editor) {
    return editor.windowTitle() + QStringLiteral("の一覧");
}

QStringList patternItems() {
    QStringList names;
    for (int k = 0; k < engine::kPatternCount; ++k) {
        names << QString::fromUtf8(engine::patternName(k));
    }
    return names;
}

QString starName(const engine::StarDisplayNames& names, int star) {
    return QString::fromStdString(names[star]);
}

}  // namespace

QStringList starItems(const engine::StarDisplayNames& names, int last) {
    QStringList items;
    for (int star = 1; star <= last; ++star) {
        items << starName(names, star);
    }
    return items;
}

TSSetuF::TSSetuF(const EditorServices& services, QStringList& starLines, QWidget* parent)
    : ItemEditor({"SSetuF", QStringLiteral("星の説明の編集"), QStringLiteral("星名"),
                  QStringLiteral("前の星"), QStringLiteral("次の星"), kHelpTopic},
                 services.appDir, services.system, parent),
      services_(services),
      lines_(starLines) {
    nature_ = new QLineEdit(this);
    nature_->setObjectName(QStringLiteral("SeiE"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("星の性質"), this));
    row->addWidget(nature_, 1);
    fieldArea()->addLayout(row);
    fieldArea()->addWidget(new QLabel(QStringLiteral("Hint表示の内容"), this));
    if (lines_.size() < texts::kStarLineCount) {
        lines_.resize(texts::kStarLineCount);
    }
    resize(520, 360);
    setItems(starItems(services.starNames, engine::kStarCount));
    selectItem(0);
}

void TSSetuF::showItem(int item) {
    const texts::StarLine fields = texts::starEditorFields(lines_.value(item));
    nature_->setText(fields.nature);
    memo()->setPlainText(memoText(fields.description));
}

void TSSetuF::storeItem(int item) {
    if (lines_.isEmpty()) {
        return;
    }
    lines_[item] = texts::starEditorLine(nature_->text(), memo()->toPlainText());
}

void TSSetuF::writeFiles() {
    texts::writeStarLines(appDir(), lines_);
}

void TSSetuF::openList() {
    DescriptionList list{{QString(), listCaption(*this), QString()}, {}, 1, {35, 150}, false};
    for (int star = 1; star <= engine::kStarCount; ++star) {
        const texts::StarLine line = texts::splitStarLine(lines_.value(star - 1));
        list.rows << QStringList{starName(services_.starNames, star), line.nature,
                                 line.description};
    }
    services_.list.showList(std::move(list));
}

TKSetuF::TKSetuF(const EditorServices& services, QStringList& patternLines, QWidget* parent)
    : ItemEditor({"KSetuF", QStringLiteral("格局の説明文の編集"), QStringLiteral("格局名"),
                  QStringLiteral("前の格局"), QStringLiteral("次の格局"), kHelpTopic},
                 services.appDir, services.system, parent),
      services_(services),
      lines_(patternLines) {
    resize(520, 360);
    setItems(patternItems());
    selectItem(0);
}

void TKSetuF::showItem(int item) {
    memo()->setPlainText(memoText(texts::decodeLineBreaks(lines_.value(item))));
}

void TKSetuF::storeItem(int item) {
    if (lines_.isEmpty()) {
        return;
    }
    if (item >= lines_.size()) {
        lines_.resize(item + 1);
    }
    lines_[item] = texts::encodeLineBreaks(memo()->toPlainText());
}

void TKSetuF::writeFiles() {
    texts::writePatternLines(appDir(), lines_);
}

void TKSetuF::openList() {
    DescriptionList list{{QString(), listCaption(*this)}, {}, 1, {60}, true};
    const QStringList names = patternItems();
    for (int k = 0; k < names.size(); ++k) {
        list.rows << QStringList{names.at(k), lines_.value(k)};
    }
    services_.list.showList(std::move(list));
}

void TKSetuF::activate() {
    selectItem(0);
}

THSetuF::THSetuF(const EditorServices& services, QWidget* parent)
    : ItemEditor({"HSetuF", QStringLiteral("宮毎の説明文の編集"), QStringLiteral("星名"),
                  QStringLiteral("前の星"), QStringLiteral("次の星"), kHelpTopic},
                 services.appDir, services.system, parent),
      services_(services) {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    for (const QString& name : services.ziWei.palaceNameTable()) {
        tabs_->addTab(name);
    }
    tabs_->addTab(QStringLiteral("行　運"));
    tabs_->installEventFilter(this);
    topArea()->addWidget(tabs_);
    setMinimumSize(500, 400);
    resize(std::max(560, tabs_->sizeHint().width() + 24), 420);
    {
        const QSignalBlocker quiet(selector());
        selector()->addItems(starItems(services.starNames, engine::kStarCount));
    }
    connect(tabs_, &QTabBar::currentChanged, this, &THSetuF::changeTab);
}

void THSetuF::showItem(int item) {
    // Until the tab's file has been read there is nothing to store: the lines of another tab
    // must never be written into this one's file.
    lines_.clear();
    memo()->clear();
    lines_ = texts::palaceEditorLines(texts::readPalaceLines(appDir(), fileTab_ + 1));
    memo()->setPlainText(memoText(texts::decodeLineBreaks(lines_.value(item + 1))));
}

void THSetuF::storeItem(int item) {
    if (lines_.isEmpty()) {
        return;
    }
    lines_[item + 1] = texts::encodeLineBreaks(memo()->toPlainText());
    texts::writePalaceLines(appDir(), fileTab_ + 1, lines_);
}

void THSetuF::writeFiles() {
    if (lines_.isEmpty()) {
        return;
    }
    // The tab's own file was written by the store that closing made.
    texts::writeEditorCopy(appDir(), lines_);
}

void THSetuF::openList() {
    storeCurrent();
    DescriptionList list{{QString(), lines_.value(0)}, {}, 1, {35}, true};
    for (int star = 1; star <= engine::kStarCount; ++star) {
        list.rows << QStringList{starName(services_.starNames, star), lines_.value(star)};
    }
    services_.list.showList(std::move(list));
}

void THSetuF::activate() {
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(0);
    }
    fileTab_ = 0;
    selectItem(0);
}

void THSetuF::changeTab(int tab) {
    // The edit belongs to the file of the tab it was made in.
    storeCurrent();
    fileTab_ = tab;
    selectItem(currentItem());
}

bool THSetuF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_ && event->type() == QEvent::FocusIn) {
        storeCurrent();
    }
    return ItemEditor::eventFilter(watched, event);
}

}  // namespace sorvik::ui
