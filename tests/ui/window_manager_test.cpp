// Runs under under_window_manager.sh: a virtual X server with openbox, where the window manager,
// not the program, decides which window is in front and which has the focus.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "platform/program_key.h"
#include "shell_fixture.h"
#include "ui/backup/backup_dialog.h"
#include "ui/backup/copy_files.h"
#include "x_server.h"

namespace sorvik::ui {
namespace {

using platform::Prompts;
using testing::rootWindows;

// How long the window manager may take to raise and focus a new window.
constexpr int kWaitMs = 5000;
// How long a user reads a box before answering: a box that another window covers meanwhile is
// as lost as one that opened behind.
constexpr int kReadMs = 1000;

// A window as the X server saw it once it had opened.
struct Opened {
    QString text;
    bool active = false;   // _NET_ACTIVE_WINDOW
    bool topmost = false;  // the top of _NET_CLIENT_LIST_STACKING
    bool focused = false;  // the keyboard focus inside it
    bool stayed = false;   // still so after the user has read it
    bool clickLanded = true;
};

Opened look(QWidget* window, const QString& text) {
    const QList<WId> stacking = rootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    const QWidget* focus = QApplication::focusWidget();
    return {text, rootWindows(QStringLiteral("_NET_ACTIVE_WINDOW")).value(0) == window->winId(),
            !stacking.isEmpty() && stacking.last() == window->winId(),
            QGuiApplication::focusWindow() == window->windowHandle() && focus &&
                (focus == window || window->isAncestorOf(focus))};
}

bool inFront(QWidget* window) {
    const Opened seen = look(window, {});
    return seen.active && seen.topmost && seen.focused;
}

// With SORVIK_PICTURES naming a folder, the whole screen as the user would see it.
void picture(const QString& name) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + ".png"));
    }
}

// A real click through the X server: it lands on whatever window is on top there.
void clickOnScreen(QWidget* widget) {
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(at.x()),
                       QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Plays a user at the dialog: clicks its buttons and answers its boxes with the mouse, each
// once the window manager has had its chance to put the window in front, and notes how the
// X server saw every window then.
class User : public QObject {
  public:
    struct Step {
        const char* dialogButton;  // or nullptr: answer the box
        QMessageBox::StandardButton answer;
    };

    User(QDialog& dialog, QList<Step> steps) : dialog_(dialog), steps_(std::move(steps)) {
        connect(&timer_, &QTimer::timeout, this, &User::tick);
        timer_.start(50);
    }

    QList<Opened> opened;

  private:
    void tick() {
        QWidget* modal = shown();
        if (!modal) {
            return;
        }
        if (modal != watched_) {
            watched_ = modal;
            since_.restart();
            phase_ = Phase::Opening;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        switch (phase_) {
            case Phase::Opening:
                if (steps_.isEmpty() ||
                    (box != nullptr) != (steps_.front().dialogButton == nullptr) ||
                    (!inFront(modal) && since_.elapsed() < kWaitMs)) {
                    return;
                }
                opened << look(modal, box ? box->text() : dialog_.windowTitle());
                picture(QStringLiteral("%1-%2")
                            .arg(opened.size(), 2, 10, QChar(u'0'))
                            .arg(box ? QStringLiteral("box")
                                     : QString::fromLatin1(steps_.front().dialogButton)));
                phase_ = Phase::Reading;
                since_.restart();
                return;
            case Phase::Reading: {
                if (since_.elapsed() < kReadMs) {
                    return;
                }
                opened.last().stayed = inFront(modal);
                const Step step = steps_.takeFirst();
                clicked_ = box ? box->button(step.answer)
                               : dialog_.findChild<QAbstractButton*>(
                                     QString::fromLatin1(step.dialogButton));
                phase_ = Phase::Clicked;
                since_.restart();
                clickOnScreen(clicked_);
                return;
            }
            case Phase::Clicked:
                // A click that did not land (a window above took it): press the button
                // directly, so that the run goes on and the fault shows in the notes.
                if (since_.elapsed() > kWaitMs && clicked_) {
                    opened.last().clickLanded = false;
                    QMetaObject::invokeMethod(clicked_, &QAbstractButton::click,
                                              Qt::QueuedConnection);
                    since_.restart();
                }
                return;
        }
    }

    // The box on the screen, else the dialog; by what is shown rather than by the modal
    // stack, so that a window that covers the box cannot hide it from the user played here.
    QWidget* shown() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(window) && window->isVisible()) {
                return window;
            }
        }
        return dialog_.isVisible() ? &dialog_ : nullptr;
    }

    enum class Phase { Opening, Reading, Clicked };
    QDialog& dialog_;
    QList<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    QPointer<QAbstractButton> clicked_;
    QElapsedTimer since_;
    Phase phase_ = Phase::Opening;
};

class UnderWindowManager : public ::testing::Test {
  protected:
    UnderWindowManager() {
        Prompts::stopScripting();  // real boxes, answered through the X server
        QApplication::setApplicationName(TMainF::applicationTitle());
        for (const char* name : {"Default.nam", "HOSISUU.DAT", "Default.ini"}) {
            shell.writeFile(name, QByteArray(name) + " as shipped");
        }
        shell.keys->writeText(platform::programKey(), "Ver", "2690");
        window = shell.makeWindow();
        window->showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get(), kWaitMs));
    }
    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    int ends = 0;
};

TEST_F(UnderWindowManager, EveryBoxOfTheBackupDialogOpensInFrontWithTheFocus) {
    TBackF dialog(
        shell.appDir, *shell.keys, [this] { ++ends; }, window.get());
    dialog.setKinds(15);
    dialog.folderBox()->setText(shell.dir.filePath("BackUp"));
    using B = QMessageBox::StandardButton;
    User user(dialog, {
                          {"BackupBtn", B::NoButton},  // into a folder still to be made
                          {nullptr, B::Yes},
                          {nullptr, B::Yes},
                          {nullptr, B::Ok},
                          {"BackupBtn", B::NoButton},  // over that backup
                          {nullptr, B::Yes},
                          {nullptr, B::YesToAll},
                          {nullptr, B::Ok},
                          {"RestoreBtn", B::NoButton},
                          {nullptr, B::Yes},
                          {nullptr, B::Yes},
                          {nullptr, B::Cancel},
                          {nullptr, B::Ok},
                          {"CloseBtn", B::NoButton},
                      });
    dialog.exec();

    const QString title = dialog.windowTitle();
    const QStringList expected{
        title,
        "フォルダ がありません。作成しますか？",
        "バックアップを実行してよろしいですか？",
        "バックアップが終了しました。",
        title,
        "バックアップを実行してよろしいですか？",
        "『Default.ini』は既に存在します。上書きしますか？",
        "バックアップが終了しました。",
        title,
        "現在編集中の内容は破棄され、内容を反映させる為、Sorvik Ver2.69の再起動が必要となり"
        "ます。\n\nリストアを実行してよろしいですか？",
        "リストアを実行してよろしいですか？",
        "『Default.ini』は既に存在します。上書きしますか？",
        "リストアを中止しました。\n\nコピーしたファイルはありません。\n"
        "レジストリデータは反映していません。",
        title,
    };
    QStringList texts;
    for (const Opened& seen : user.opened) {
        texts << seen.text;
        EXPECT_TRUE(seen.active) << "not the active window: " << seen.text.toStdString();
        EXPECT_TRUE(seen.topmost) << "not on top: " << seen.text.toStdString();
        EXPECT_TRUE(seen.focused) << "without the focus: " << seen.text.toStdString();
        EXPECT_TRUE(seen.stayed) << "covered while read: " << seen.text.toStdString();
        EXPECT_TRUE(seen.clickLanded) << "a click missed it: " << seen.text.toStdString();
    }
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(ends, 0);
}

TEST_F(UnderWindowManager, TheProgressBoxOpensInFrontWithTheFocus) {
    TBackF dialog(
        shell.appDir, *shell.keys, [this] { ++ends; }, window.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return inFront(&dialog); }, kWaitMs));
    CopyProgress progress(34, &dialog);
    progress.show();
    progress.startFile(3, "DSETUF1.DAT");
    EXPECT_TRUE(QTest::qWaitFor([&] { return inFront(&progress); }, kWaitMs));
    picture("progress");
}

}  // namespace
}  // namespace sorvik::ui
