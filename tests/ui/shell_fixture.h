#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "platform/key_store.h"
#include "platform/prompts.h"
#include "ui/entry/entry_bar.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"
#include "ui/shell/startup.h"

namespace sorvik::ui::testing {

// A program folder and a key store of its own in a temporary folder, and no modal windows.
// Each window made here starts a run of its own. The fixture keeps the context of every run
// until it ends itself, so a window may still stand when the next run starts; the windows must
// be gone before the fixture.
class ShellFixture {
  public:
    ShellFixture() {
        platform::Prompts::startScripting();
        QDir(dir.path()).mkpath("bin");
        appDir = dir.filePath("bin") + u'/';
        writeFile("INREKI.DAT", calendarBytes());
        keys = std::make_unique<platform::KeyStore>(dir.filePath("registry.ini"));
    }
    ~ShellFixture() { platform::Prompts::stopScripting(); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(QDir(appDir).filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    // The shipped tables and calendar from dataDir and the texts generated into binDir, for
    // the windows of a real run.
    void copyShippedFiles(const QString& dataDir, const QString& binDir) const {
        QFile::remove(QDir(appDir).filePath("INREKI.DAT"));
        for (const char* name : {"INREKI.DAT", "Default.ini", "HOSISUU.DAT", "HOSIBYOU.DAT"}) {
            QFile::copy(QDir(dataDir).filePath(name), QDir(appDir).filePath(name));
        }
        for (const QString& name : requiredDataFiles().filter(".DAT")) {
            QFile::copy(QDir(binDir).filePath(name), QDir(appDir).filePath(name));
        }
    }

    // The main window of a new run, over a context of its own on the fixture's key store.
    std::unique_ptr<TMainF> makeWindow() {
        windows.reset();
        runs_.push_back(std::make_unique<AppContext>(appDir, keys->filePath()));
        return std::make_unique<TMainF>(context());
    }

    // The main window and the windows of a run, shown at the size the tests look at.
    std::unique_ptr<TMainF> startWindows() {
        std::unique_ptr<TMainF> window = makeWindow();
        startLongLivedWindows(*window);
        window->resize(1280, 900);
        window->show();
        return window;
    }

    // The windows of the run of window; splashDone as in the start-up.
    LongLivedWindows& startLongLivedWindows(TMainF& window,
                                            const std::function<void()>& splashDone = {}) {
        return windows.emplace(createLongLivedWindows(window, context(), splashDone));
    }

    // The shared state of the last run.
    AppContext& context() const { return *runs_.back(); }

    // Two months: enough for the table to load.
    static QByteArray calendarBytes() {
        QByteArray bytes;
        for (const qint32 value : {19000131, 1900, 1, 19000301, 1900, 2}) {
            for (int shift = 0; shift < 32; shift += 8) {
                bytes.append(static_cast<char>((value >> shift) & 0xFF));
            }
        }
        return bytes;
    }

    QTemporaryDir dir;
    QString appDir;
    // The fixture's own handle on the run's key store file, as another program would have.
    std::unique_ptr<platform::KeyStore> keys;
    // The long-lived windows of the last run, once started.
    std::optional<LongLivedWindows> windows;

  private:
    std::vector<std::unique_ptr<AppContext>> runs_;
};

// Types a person into the entry bar; sex is the item index (0 男, 1 女).
inline void typePerson(EntBar& bar, const QString& name, int sex, const QString& date,
                       const QString& time) {
    bar.nameBox()->setEditText(name);
    bar.sexBox()->setCurrentIndex(sex);
    bar.dateBox()->setText(date);
    bar.timeBox()->setText(time);
}

}  // namespace sorvik::ui::testing
