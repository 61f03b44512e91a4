// The menus and toolbars of the main window: built once, then only enabled and checked.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "main_window.h"
#include "toolbar_icons.h"
#include "window_commands.h"

namespace sorvik::ui {

namespace {

struct ItemDef {
    const char* name;
    const char16_t* text;
    const char16_t* hint;
};

// Items whose windows are built elsewhere start disabled; those windows enable them.
constexpr ItemDef kItems[] = {
    {"NewItem", u"新規作成(&N)", u"新規ﾌｧｲﾙの作成"},
    {"OpenItem", u"開く(&O)", u"既存のﾌｧｲﾙを開く"},
    {"SaveItem", u"上書き保存(&S)", u"現在のﾌｧｲﾙを保存"},
    {"SaveAsItem", u"名前を付けて保存(&A)...", u"名前を付けて保存..."},
    {"StarListItem", u"星曜一覧表(&Y)", u""},
    {"BackItem", u"ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ(&B)", u""},
    {"InfItem", u"お知らせ(&I)", u""},
    {"ExitItem", u"終了(&X)", u"ｱﾌﾟﾘｹｰｼｮﾝの終了"},
    {"SSetuItem", u"星の説明の編集(&S)", u""},
    {"HSetuItem", u"宮毎の説明文の編集(&H)", u""},
    {"DSetuItem", u"同宮加会による説明文の編集(&D)", u""},
    {"KSetuItem", u"格局の説明文の編集(&K)", u""},
    {"KHyoItem", u"暦の編集(&R)", u""},
    {"SysItem", u"ｼｽﾃﾑ設定(&S)", u""},
    {"USysItem", u"紫微斗数の設定(&T)", u""},
    {"GaijiItem", u"特殊文字の設定(&G)", u""},
    {"SystemBarItem", u"SystemBar(&S)", u""},
    {"EntBarItem", u"入力Bar(&E)", u""},
    {"WindowBarItem", u"WindowBar(&W)", u""},
    {"StsBarItem", u"ｽﾃｰﾀｽﾊﾞｰ(&S)", u""},
    {"CloseAllItem", u"命盤・行運を全て閉じる(&N)", u""},
    {"CascadeItem", u"重ねて表示(&C)", u"ｳｨﾝﾄﾞｳを重なりあうように並べ直す"},
    {"TileItem", u"並べて表示(&T)", u"ｳｨﾝﾄﾞｳを重ならないように並べ直す"},
    {"MinimiseItem", u"すべてをｱｲｺﾝ化(&M)", u"すべてのｳｨﾝﾄﾞｳをｱｲｺﾝ状態にする"},
    {"ToolsItem", u"ﾂｰﾙの設定(&T)", u""},
    {"ContentsItem", u"目次(&C)", u""},
    {"AboutItem", u"ﾊﾞｰｼﾞｮﾝ情報(&A)", u""},
    {"W1", u"ｻﾎﾟｰﾄﾍﾟｰｼﾞへ(&W)", u"ｻﾎﾟｰﾄ用ﾎｰﾑﾍﾟｰｼﾞへ接続します。"},
};

struct ButtonDef {
    const char* name;
    const char16_t* hint;
    ToolbarIcon icon;
    const char* sameAs;  // the menu item whose command it runs
};

constexpr ButtonDef kButtons[] = {
    {"NListBtn", u"名前リストの表示", ToolbarIcon::NameList, nullptr},
    {"NewBtn", u"新規名前ﾃﾞｰﾀ", ToolbarIcon::NewFile, "NewItem"},
    {"OpenBtn", u"名前ﾃﾞｰﾀを開く", ToolbarIcon::OpenFile, "OpenItem"},
    {"SaveBtn", u"名前データの上書き保存", ToolbarIcon::SaveFile, "SaveItem"},
    {"SysBtn", u"ｼｽﾃﾑ設定", ToolbarIcon::SystemSettings, "SysItem"},
    {"USysBtn", u"紫微斗数の設定", ToolbarIcon::ZiWeiSettings, "USysItem"},
    {"BackBtn", u"ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ", ToolbarIcon::Backup, "BackItem"},
    {"CloseBtn", u"命式・行運を全てクリアする", ToolbarIcon::CloseAll, "CloseAllItem"},
    {"MiniBtn", u"全てをｱｲｺﾝ化", ToolbarIcon::MinimiseAll, "MinimiseItem"},
    {"TileBtn", u"並べて表示", ToolbarIcon::Tile, "TileItem"},
    {"CascadeBtn", u"重ねて表示", ToolbarIcon::Cascade, "CascadeItem"},
    {"HelpBtn", u"ﾍﾙﾌﾟ", ToolbarIcon::Help, "ContentsItem"},
    {"URLBtn", u"ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ接続します", ToolbarIcon::SupportPage, "W1"},
    {"InfoBtn", u"お知らせ", ToolbarIcon::Announcements, "InfItem"},
};

const char* const kLaterItems[] = {
    "StarListItem", "BackItem", "SSetuItem", "HSetuItem", "DSetuItem", "KSetuItem",
    "KHyoItem",     "SysItem",  "USysItem",  "GaijiItem", "ToolsItem", "NListBtn",
};

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& title, const QString& hint) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setStatusTip(hint);
    return menu;
}

}  // namespace

void TMainF::buildActions() {
    for (const ItemDef& def : kItems) {
        auto* item = new QAction(QString::fromUtf16(def.text), this);
        item->setObjectName(QString::fromLatin1(def.name));
        item->setStatusTip(QString::fromUtf16(def.hint));
    }
    for (const ButtonDef& def : kButtons) {
        auto* button = new QAction(toolbarIcon(def.icon), QString::fromUtf16(def.hint), this);
        button->setObjectName(QString::fromLatin1(def.name));
        button->setToolTip(QString::fromUtf16(def.hint));
        button->setStatusTip(QString::fromUtf16(def.hint));
        if (def.sameAs != nullptr) {
            // The button follows its menu item: same command, same enabled state.
            QAction* item = action(QString::fromLatin1(def.sameAs));
            connect(button, &QAction::triggered, item, &QAction::trigger);
            connect(item, &QAction::enabledChanged, button, &QAction::setEnabled);
        }
    }
    auto* edit = new QAction(QStringLiteral("編"), this);
    edit->setObjectName(QStringLiteral("EditBtn"));
    edit->setToolTip(QStringLiteral("説明文の編集をします"));
    edit->setStatusTip(edit->toolTip());

    for (const char* name : kLaterItems) {
        action(QString::fromLatin1(name))->setEnabled(false);
    }
    for (const char* name : {"SystemBarItem", "EntBarItem", "WindowBarItem", "StsBarItem"}) {
        action(QString::fromLatin1(name))->setCheckable(true);
        action(QString::fromLatin1(name))->setChecked(true);
    }

    connect(action("NewItem"), &QAction::triggered, this, &TMainF::newNameFile);
    connect(action("OpenItem"), &QAction::triggered, this, &TMainF::openNameFile);
    connect(action("SaveItem"), &QAction::triggered, this, &TMainF::saveNameFile);
    connect(action("SaveAsItem"), &QAction::triggered, this, &TMainF::saveNameFileAs);
    connect(action("InfItem"), &QAction::triggered, this, &TMainF::showAnnouncements);
    connect(action("ExitItem"), &QAction::triggered, this, &QWidget::close);
    connect(action("CloseAllItem"), &QAction::triggered, this, &TMainF::closeAll);
    connect(action("CascadeItem"), &QAction::triggered, this, &TMainF::cascade);
    connect(action("TileItem"), &QAction::triggered, this, &TMainF::tile);
    connect(action("MinimiseItem"), &QAction::triggered, this, &TMainF::minimiseAll);
    connect(action("ContentsItem"), &QAction::triggered, this, [this] { openHelp(1); });
    connect(action("AboutItem"), &QAction::triggered, this, &TMainF::showAbout);
    connect(action("W1"), &QAction::triggered, this, &TMainF::openSupportPage);
    connect(action("StsBarItem"), &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    auto* f1 = new QAction(this);
    f1->setShortcut(Qt::Key_F1);
    f1->setShortcutContext(Qt::WindowShortcut);
    addAction(f1);
    connect(f1, &QAction::triggered, this, [this] { openHelp(kHelpTopic); });
}

void TMainF::buildMenus() {
    auto* bar = new QMenuBar(this);
    menuBarWidget_ = bar;
    bar->setObjectName(QStringLiteral("MnuBar"));
    bar->setNativeMenuBar(false);

    QMenu* file = addMenu(bar, "FileMenu", "ﾌｧｲﾙ(&F)", "ﾌｧｲﾙ操作に関するｺﾏﾝﾄﾞ");
    fileMenu_ = file;
    file->addActions(
        {action("NewItem"), action("OpenItem"), action("SaveItem"), action("SaveAsItem")});
    file->addSeparator();
    file->addActions({action("StarListItem"), action("BackItem"), action("InfItem")});
    file->addSeparator();
    file->addAction(action("ExitItem"));
    // The recently used name files follow here.

    const QList<QAction*> editors = {action("SSetuItem"), action("HSetuItem"), action("DSetuItem"),
                                     action("KSetuItem")};
    QMenu* edit = addMenu(bar, "EditMenu", "編集(&E)", QString());
    edit->addActions(editors);
    edit->addAction(action("KHyoItem"));

    QMenu* settings = addMenu(bar, "SettingsMenu", "設定(&S)", QString());
    settings->addActions({action("SysItem"), action("USysItem"), action("GaijiItem")});

    QMenu* view = addMenu(bar, "ViewMenu", "表示(&V)", QString());
    QMenu* bars = view->addMenu(QStringLiteral("ﾂｰﾙﾊﾞｰ(&T)"));
    bars->setObjectName(QStringLiteral("ToolbarMenu"));
    bars->addActions({action("SystemBarItem"), action("EntBarItem"), action("WindowBarItem")});
    view->addAction(action("StsBarItem"));

    windowMenu_ = addMenu(bar, "WindowMenu", "ｳｨﾝﾄﾞｳ(&W)", "ｳｨﾝﾄﾞｳ操作に関するｺﾏﾝﾄﾞ");
    windowMenu_->addActions({action("CloseAllItem"), action("CascadeItem"), action("TileItem"),
                             action("MinimiseItem")});
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainF::rebuildWindowList);

    QMenu* tools = addMenu(bar, "ToolsMenu", "ﾂｰﾙ(&T)", QString());
    tools->addAction(action("ToolsItem"));
    tools->addSeparator();

    QMenu* help = addMenu(bar, "HelpMenu", "ﾍﾙﾌﾟ(&H)", "ﾄﾋﾟｯｸの検索");
    help->addActions({action("ContentsItem"), action("AboutItem"), action("W1")});

    editPopup_ = new QMenu(this);
    editPopup_->setObjectName(QStringLiteral("EditPop"));
    editPopup_->addActions(editors);
    connect(action("EditBtn"), &QAction::triggered, this, [this] {
        const QWidget* button = toolbar("SystemBar")->widgetForAction(action("EditBtn"));
        editPopup_->popup(button->mapToGlobal(button->rect().bottomLeft()));
    });
}

void TMainF::buildToolbars() {
    auto make = [this](const char* name, const QString& caption) {
        auto* bar = new QToolBar(caption, this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setIconSize(QSize(20, 20));
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };

    QToolBar* menu = make("MenuBar", QStringLiteral("MenuBar"));
    menu->setFloatable(false);
    menu->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    menu->addWidget(menuBarWidget_);

    // The entry bar's controls are added by the entry bar itself.
    QToolBar* entry = make("EntBar", QStringLiteral("入力Bar"));
    entry->setMinimumHeight(28);

    QToolBar* system = make("SystemBar", QStringLiteral("SystemBar"));
    system->addActions(
        {action("NListBtn"), action("NewBtn"), action("OpenBtn"), action("SaveBtn")});
    system->addSeparator();
    system->addActions({action("SysBtn"), action("USysBtn")});
    system->addSeparator();
    system->addActions({action("EditBtn"), action("BackBtn")});

    QToolBar* window = make("WindowBar", QStringLiteral("WindowBar"));
    window->addActions({action("CloseBtn"), action("MiniBtn"), action("TileBtn"),
                        action("CascadeBtn"), action("HelpBtn")});

    QToolBar* net = make("Netbar", QStringLiteral("NetBar"));
    net->addActions({action("URLBtn"), action("InfoBtn")});

    const std::pair<const char*, QToolBar*> links[] = {
        {"SystemBarItem", system}, {"EntBarItem", entry}, {"WindowBarItem", window}};
    for (const auto& [item, bar] : links) {
        QToolBar* linked = bar;
        connect(action(item), &QAction::triggered, this,
                [this, linked](bool shown) { showToolbar(linked, shown); });
        // A toolbar that goes away by other means loses its mark.
        connect(linked, &QToolBar::visibilityChanged, action(item), [this, linked, item] {
            if (isVisible() && !linked->isVisible() && linked->isHidden()) {
                action(item)->setChecked(false);
            }
        });
    }
}

QAction* TMainF::action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QToolBar* TMainF::toolbar(const QString& name) const {
    return findChild<QToolBar*>(name, Qt::FindDirectChildrenOnly);
}

QList<QToolBar*> TMainF::toolbars() const {
    return {toolbar("MenuBar"), toolbar("EntBar"), toolbar("SystemBar"), toolbar("WindowBar"),
            toolbar("Netbar")};
}

void TMainF::rebuildWindowList() {
    const QList<QAction*> items = windowMenu_->actions();
    for (qsizetype i = fixedWindowItems_; i < items.size(); ++i) {
        windowMenu_->removeAction(items[i]);
        items[i]->deleteLater();
    }
    const QList<QMdiSubWindow*> order = windowOrder(*mdi_);
    if (order.isEmpty()) {
        return;
    }
    windowMenu_->addSeparator();
    if (order.size() > 100) {
        return;
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        QMdiSubWindow* child = *it;
        QString caption = child->windowTitle();
        auto* item = windowMenu_->addAction(caption.replace(u'&', QStringLiteral("&&")));
        item->setCheckable(true);
        item->setChecked(child == mdi_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child = QPointer<QMdiSubWindow>(child)] {
            if (!child) {
                return;
            }
            child->showNormal();
            mdi_->setActiveSubWindow(child);
            if (tileAfterChoosing_ && tileAfterChoosing_()) {
                tile();
            } else {
                cascade();
            }
        });
    }
}

}  // namespace sorvik::ui
