// The menus and toolbars of the main window: built once, then only enabled and checked.
#include <optional>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "main_window.h"
#include "main_window_look.h"
#include "opener_state.h"
#include "toolbar_frame.h"
#include "toolbar_icons.h"
#include "ui/help/help_window.h"
#include "window_commands.h"

namespace sorvik::ui {

namespace {

struct ItemDef {
    MainAction id;
    const char* name;
    const char16_t* text;
    const char16_t* hint;
};

// Items whose windows are built elsewhere start disabled; those windows enable them.
constexpr ItemDef kItems[] = {
    {MainAction::NewItem, "NewItem", u"新規作成(&N)", u"新規ﾌｧｲﾙの作成"},
    {MainAction::OpenItem, "OpenItem", u"開く(&O)", u"既存のﾌｧｲﾙを開く"},
    {MainAction::SaveItem, "SaveItem", u"上書き保存(&S)", u"現在のﾌｧｲﾙを保存"},
    {MainAction::SaveAsItem, "SaveAsItem", u"名前を付けて保存(&A)...", u"名前を付けて保存..."},
    {MainAction::StarListItem, "StarListItem", u"星曜一覧表(&Y)", u""},
    {MainAction::BackItem, "BackItem", u"ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ(&B)", u""},
    {MainAction::InfItem, "InfItem", u"お知らせ(&I)", u""},
    {MainAction::ExitItem, "ExitItem", u"終了(&X)", u"ｱﾌﾟﾘｹｰｼｮﾝの終了"},
    {MainAction::SSetuItem, "SSetuItem", u"星の説明の編集(&S)", u""},
    {MainAction::HSetuItem, "HSetuItem", u"宮毎の説明文の編集(&H)", u""},
    {MainAction::DSetuItem, "DSetuItem", u"同宮加会による説明文の編集(&D)", u""},
    {MainAction::KSetuItem, "KSetuItem", u"格局の説明文の編集(&K)", u""},
    {MainAction::KHyoItem, "KHyoItem", u"暦の編集(&R)", u""},
    {MainAction::SysItem, "SysItem", u"ｼｽﾃﾑ設定(&S)", u""},
    {MainAction::USysItem, "USysItem", u"紫微斗数の設定(&T)", u""},
    {MainAction::GaijiItem, "GaijiItem", u"特殊文字の設定(&G)", u""},
    {MainAction::SystemBarItem, "SystemBarItem", u"SystemBar(&S)", u""},
    {MainAction::EntBarItem, "EntBarItem", u"入力Bar(&E)", u""},
    {MainAction::WindowBarItem, "WindowBarItem", u"WindowBar(&W)", u""},
    {MainAction::StsBarItem, "StsBarItem", u"ｽﾃｰﾀｽﾊﾞｰ(&S)", u""},
    {MainAction::CloseAllItem, "CloseAllItem", u"命盤・行運を全て閉じる(&N)", u""},
    {MainAction::CascadeItem, "CascadeItem", u"重ねて表示(&C)",
     u"ｳｨﾝﾄﾞｳを重なりあうように並べ直す"},
    {MainAction::TileItem, "TileItem", u"並べて表示(&T)", u"ｳｨﾝﾄﾞｳを重ならないように並べ直す"},
    {MainAction::MinimiseItem, "MinimiseItem", u"すべてをｱｲｺﾝ化(&M)",
     u"すべてのｳｨﾝﾄﾞｳをｱｲｺﾝ状態にする"},
    {MainAction::ToolsItem, "ToolsItem", u"ﾂｰﾙの設定(&T)", u""},
    {MainAction::ContentsItem, "ContentsItem", u"目次(&C)", u""},
    {MainAction::AboutItem, "AboutItem", u"ﾊﾞｰｼﾞｮﾝ情報(&A)", u""},
    {MainAction::W1, "W1", u"ｻﾎﾟｰﾄﾍﾟｰｼﾞへ(&W)", u"ｻﾎﾟｰﾄ用ﾎｰﾑﾍﾟｰｼﾞへ接続します。"},
};

struct ButtonDef {
    MainAction id;
    const char* name;
    const char16_t* hint;
    ToolbarIcon icon;
    std::optional<MainAction> sameAs;  // the menu item whose command it runs
};

constexpr ButtonDef kButtons[] = {
    {MainAction::NListBtn, "NListBtn", u"名前リストの表示", ToolbarIcon::NameList, std::nullopt},
    {MainAction::NewBtn, "NewBtn", u"新規名前ﾃﾞｰﾀ", ToolbarIcon::NewFile, MainAction::NewItem},
    {MainAction::OpenBtn, "OpenBtn", u"名前ﾃﾞｰﾀを開く", ToolbarIcon::OpenFile,
     MainAction::OpenItem},
    {MainAction::SaveBtn, "SaveBtn", u"名前データの上書き保存", ToolbarIcon::SaveFile,
     MainAction::SaveItem},
    {MainAction::SysBtn, "SysBtn", u"ｼｽﾃﾑ設定", ToolbarIcon::SystemSettings, MainAction::SysItem},
    {MainAction::USysBtn, "USysBtn", u"紫微斗数の設定", ToolbarIcon::ZiWeiSettings,
     MainAction::USysItem},
    {MainAction::BackBtn, "BackBtn", u"ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ", ToolbarIcon::Backup,
     MainAction::BackItem},
    {MainAction::CloseBtn, "CloseBtn", u"命式・行運を全てクリアする", ToolbarIcon::CloseAll,
     MainAction::CloseAllItem},
    {MainAction::MiniBtn, "MiniBtn", u"全てをｱｲｺﾝ化", ToolbarIcon::MinimiseAll,
     MainAction::MinimiseItem},
    {MainAction::TileBtn, "TileBtn", u"並べて表示", ToolbarIcon::Tile, MainAction::TileItem},
    {MainAction::CascadeBtn, "CascadeBtn", u"重ねて表示", ToolbarIcon::Cascade,
     MainAction::CascadeItem},
    {MainAction::HelpBtn, "HelpBtn", u"ﾍﾙﾌﾟ", ToolbarIcon::Help, MainAction::ContentsItem},
    {MainAction::URLBtn, "URLBtn", u"ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ接続します", ToolbarIcon::SupportPage,
     MainAction::W1},
    {MainAction::InfoBtn, "InfoBtn", u"お知らせ", ToolbarIcon::Announcements, MainAction::InfItem},
};

constexpr MainAction kLaterItems[] = {
    MainAction::StarListItem, MainAction::BackItem,  MainAction::SSetuItem, MainAction::HSetuItem,
    MainAction::DSetuItem,    MainAction::KSetuItem, MainAction::KHyoItem,  MainAction::SysItem,
    MainAction::USysItem,     MainAction::GaijiItem, MainAction::ToolsItem, MainAction::NListBtn,
};

std::size_t slot(MainAction which) {
    return static_cast<std::size_t>(which);
}

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
        actions_[slot(def.id)] = item;
    }
    for (const ButtonDef& def : kButtons) {
        auto* button = new QAction(toolbarIcon(def.icon), QString::fromUtf16(def.hint), this);
        button->setObjectName(QString::fromLatin1(def.name));
        button->setToolTip(QString::fromUtf16(def.hint));
        button->setStatusTip(QString::fromUtf16(def.hint));
        actions_[slot(def.id)] = button;
        if (def.sameAs) {
            // The button follows its menu item: same command, same enabled state.
            QAction* item = action(*def.sameAs);
            connect(button, &QAction::triggered, item, &QAction::trigger);
            connect(item, &QAction::enabledChanged, button, &QAction::setEnabled);
        }
    }
    auto* edit = new QAction(QStringLiteral("編"), this);
    edit->setObjectName(QStringLiteral("EditBtn"));
    edit->setToolTip(QStringLiteral("説明文の編集をします"));
    edit->setStatusTip(edit->toolTip());
    actions_[slot(MainAction::EditBtn)] = edit;

    for (const MainAction later : kLaterItems) {
        action(later)->setEnabled(false);
    }
    for (const MainAction mark : {MainAction::SystemBarItem, MainAction::EntBarItem,
                                  MainAction::WindowBarItem, MainAction::StsBarItem}) {
        action(mark)->setCheckable(true);
        action(mark)->setChecked(true);
    }

    connect(action(MainAction::NewItem), &QAction::triggered, this, &TMainF::newNameFile);
    connect(action(MainAction::OpenItem), &QAction::triggered, this, &TMainF::openNameFile);
    connect(action(MainAction::SaveItem), &QAction::triggered, this, &TMainF::saveNameFile);
    connect(action(MainAction::SaveAsItem), &QAction::triggered, this, &TMainF::saveNameFileAs);
    connect(action(MainAction::InfItem), &QAction::triggered, this, &TMainF::showAnnouncements);
    connect(action(MainAction::ExitItem), &QAction::triggered, this, &QWidget::close);
    connect(action(MainAction::CloseAllItem), &QAction::triggered, this, &TMainF::closeAll);
    connect(action(MainAction::CascadeItem), &QAction::triggered, this, &TMainF::cascade);
    connect(action(MainAction::TileItem), &QAction::triggered, this, &TMainF::tile);
    connect(action(MainAction::MinimiseItem), &QAction::triggered, this, &TMainF::minimiseAll);
    connect(action(MainAction::ContentsItem), &QAction::triggered, this, [this] { openHelp(1); });
    connect(action(MainAction::AboutItem), &QAction::triggered, this, &TMainF::showAbout);
    connect(action(MainAction::W1), &QAction::triggered, this, &TMainF::openSupportPage);
    connect(action(MainAction::StsBarItem), &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    // F1 opens the topic of the child window that has the focus, else the main window's.
    auto* f1 = new QAction(this);
    f1->setObjectName(QStringLiteral("HelpKey"));
    f1->setShortcut(Qt::Key_F1);
    f1->setShortcutContext(Qt::WindowShortcut);
    addAction(f1);
    connect(f1, &QAction::triggered, this,
            [this] { openHelp(helpTopicAt(QApplication::focusWidget(), kHelpTopic)); });
}

void TMainF::buildMenus() {
    auto* bar = new QMenuBar(this);
    menuBarWidget_ = bar;
    bar->setObjectName(QStringLiteral("MnuBar"));
    bar->setNativeMenuBar(false);

    QMenu* file = addMenu(bar, "FileMenu", "ﾌｧｲﾙ(&F)", "ﾌｧｲﾙ操作に関するｺﾏﾝﾄﾞ");
    fileMenu_ = file;
    file->addActions({action(MainAction::NewItem), action(MainAction::OpenItem),
                      action(MainAction::SaveItem), action(MainAction::SaveAsItem)});
    file->addSeparator();
    file->addActions({action(MainAction::StarListItem), action(MainAction::BackItem),
                      action(MainAction::InfItem)});
    file->addSeparator();
    file->addAction(action(MainAction::ExitItem));
    // The recently used name files follow here.

    const QList<QAction*> editors = {action(MainAction::SSetuItem), action(MainAction::HSetuItem),
                                     action(MainAction::DSetuItem), action(MainAction::KSetuItem)};
    QMenu* edit = addMenu(bar, "EditMenu", "編集(&E)", QString());
    edit->addActions(editors);
    edit->addAction(action(MainAction::KHyoItem));

    QMenu* settings = addMenu(bar, "SettingsMenu", "設定(&S)", QString());
    settings->addActions(
        {action(MainAction::SysItem), action(MainAction::USysItem), action(MainAction::GaijiItem)});

    QMenu* view = addMenu(bar, "ViewMenu", "表示(&V)", QString());
    QMenu* bars = view->addMenu(QStringLiteral("ﾂｰﾙﾊﾞｰ(&T)"));
    bars->setObjectName(QStringLiteral("ToolbarMenu"));
    bars->addActions({action(MainAction::SystemBarItem), action(MainAction::EntBarItem),
                      action(MainAction::WindowBarItem)});
    view->addAction(action(MainAction::StsBarItem));

    windowMenu_ = addMenu(bar, "WindowMenu", "ｳｨﾝﾄﾞｳ(&W)", "ｳｨﾝﾄﾞｳ操作に関するｺﾏﾝﾄﾞ");
    windowMenu_->addActions({action(MainAction::CloseAllItem), action(MainAction::CascadeItem),
                             action(MainAction::TileItem), action(MainAction::MinimiseItem)});
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainF::rebuildWindowList);

    toolsMenu_ = addMenu(bar, "ToolsMenu", "ﾂｰﾙ(&T)", QString());
    toolsMenu_->addAction(action(MainAction::ToolsItem));
    toolsMenu_->addSeparator();

    QMenu* help = addMenu(bar, "HelpMenu", "ﾍﾙﾌﾟ(&H)", "ﾄﾋﾟｯｸの検索");
    help->addActions(
        {action(MainAction::ContentsItem), action(MainAction::AboutItem), action(MainAction::W1)});

    editPopup_ = new QMenu(this);
    editPopup_->setObjectName(QStringLiteral("EditPop"));
    editPopup_->addActions(editors);
    enableWhileAnyEnabled(*action(MainAction::EditBtn), editors);
    connect(action(MainAction::EditBtn), &QAction::triggered, this, [this] {
        const QWidget* button =
            toolbar(MainToolbar::SystemBar)->widgetForAction(action(MainAction::EditBtn));
        editPopup_->popup(button->mapToGlobal(button->rect().bottomLeft()));
    });
}

void TMainF::buildToolbars() {
    auto make = [this](MainToolbar which, const char* name, const QString& caption) {
        auto* bar = new QToolBar(caption, this);
        bar->setObjectName(QString::fromLatin1(name));
        toolbars_[static_cast<std::size_t>(which)] = bar;
        bar->setIconSize(QSize(20, 20));
        bar->setStyleSheet(toolbarStyleSheet());
        addToolBar(Qt::TopToolBarArea, bar);
        floatWhenUndocked(*this, *bar);
        return bar;
    };

    QToolBar* menu = make(MainToolbar::MenuBar, "MenuBar", QStringLiteral("MenuBar"));
    menu->setFloatable(false);
    menu->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    menu->addWidget(menuBarWidget_);

    // The entry bar's controls are added by the entry bar itself.
    QToolBar* entry = make(MainToolbar::EntBar, "EntBar", QStringLiteral("入力Bar"));
    entry->setMinimumHeight(28);

    QToolBar* system = make(MainToolbar::SystemBar, "SystemBar", QStringLiteral("SystemBar"));
    system->addActions({action(MainAction::NListBtn), action(MainAction::NewBtn),
                        action(MainAction::OpenBtn), action(MainAction::SaveBtn)});
    system->addSeparator();
    system->addActions({action(MainAction::SysBtn), action(MainAction::USysBtn)});
    system->addSeparator();
    system->addActions({action(MainAction::EditBtn), action(MainAction::BackBtn)});

    QToolBar* window = make(MainToolbar::WindowBar, "WindowBar", QStringLiteral("WindowBar"));
    window->addActions({action(MainAction::CloseBtn), action(MainAction::MiniBtn),
                        action(MainAction::TileBtn), action(MainAction::CascadeBtn),
                        action(MainAction::HelpBtn)});

    QToolBar* net = make(MainToolbar::Netbar, "Netbar", QStringLiteral("NetBar"));
    net->addActions({action(MainAction::URLBtn), action(MainAction::InfoBtn)});

    const std::pair<MainAction, QToolBar*> links[] = {{MainAction::SystemBarItem, system},
                                                      {MainAction::EntBarItem, entry},
                                                      {MainAction::WindowBarItem, window}};
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
            // Restoring the other windows while arranging them activates each in turn.
            mdi_->setActiveSubWindow(child);
        });
    }
}

}  // namespace sorvik::ui
