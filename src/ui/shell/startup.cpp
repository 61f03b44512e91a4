#include "startup.h"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include "app_context.h"
#include "chart_requests.h"
#include "main_window.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/help_pages.h"
#include "platform/key_store.h"
#include "platform/program_folder.h"
#include "platform/prompts.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "records/calendar_file.h"
#include "shell_windows.h"
#include "splash_window.h"
#include "texts/text_files.h"
#include "ui/common/app_fonts.h"
#include "ui/common/error_boundary.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/editors/description_editors.h"
#include "ui/names/name_windows.h"
#include "ui/print/print_preview.h"
#include "ui/settings/settings_windows.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/settings/zi_wei_settings_dialog.h"

namespace sorvik::ui {

namespace {

// The message for a required file that is not there as a file; empty when it is.
QString absence(const QString& appDir, const QString& name) {
    if (name == platform::helpFolderName()) {
        return QFileInfo(platform::helpPagePath(appDir, platform::kHelpContentsTopic)).isFile()
                   ? QString()
                   : name + QStringLiteral("が、ありません。");
    }
    const QFileInfo file(platform::findFileIgnoringCase(appDir, name));
    if (file.isFile()) {
        return {};
    }
    // A folder or a pipe of that name would be read as nothing or never end.
    return file.exists() ? name + QStringLiteral("は、ファイルではありません。")
                         : name + QStringLiteral("が、ありません。");
}

// The damaged store is kept as it is and copied aside; the user chooses between a run on what
// could be read (the rest at the defaults) and no run, to restore the file first.
bool goOnOverDamagedKeyStore(const QString& keyStorePath, const QString& damage) {
    const QString copy = platform::keepDamagedKeyStore(keyStorePath, platform::Clock::now());
    QString text = damage + u'\n';
    if (!copy.isEmpty()) {
        text += QStringLiteral("元のファイルを『%1』として残しました。\n")
                    .arg(QDir::toNativeSeparators(copy));
    }
    text += QStringLiteral(
        "読み込めた値のほかは既定の設定を使って、起動しますか？\n"
        "（「はい」でも、このファイルは書き換えません。「いいえ」で起動を中止します。）");
    return platform::Prompts::askYesNo(platform::BoxStyle::Warning, text);
}

}  // namespace

QStringList requiredDataFiles() {
    QStringList names = {
        platform::helpFolderName(),    QString::fromLatin1(records::kCalendarFileName),
        texts::starFileName(),         QStringLiteral("HOSIBYOU.DAT"),
        QStringLiteral("HOSISUU.DAT"), texts::patternFileName()};
    for (int n = 1; n <= texts::kPalaceFileCount; ++n) {
        names.append(texts::palaceFileName(n));
    }
    for (int n = 1; n <= texts::kCombinationFileCount; ++n) {
        names.append(texts::combinationFileName(n));
    }
    return names;
}

QString checkDataFiles(const QString& appDir) {
    // The palace files are brought to length as the check reaches each of them, so a missing
    // later file still leaves the earlier ones normalised.
    for (const QString& name : requiredDataFiles()) {
        if (QString message = absence(appDir, name); !message.isEmpty()) {
            return message;
        }
        for (int n = 1; n <= texts::kPalaceFileCount; ++n) {
            if (name == texts::palaceFileName(n)) {
                texts::normalisePalaceFile(texts::textFilePath(appDir, name));
            }
        }
    }
    return {};
}

LongLivedWindows createLongLivedWindows(TMainF& mainWindow, AppContext& context,
                                        const std::function<void()>& splashDone,
                                        const QString& nameFile) {
    // TGaijiF, TUSysF, TSysF (special characters, Zi Wei settings, system settings; the last
    // reads the main window's file names)
    auto* settings = new SettingsWindows(mainWindow, context);
    // 印刷ﾌﾟﾚﾋﾞｭｰ of every grid: the stored margins, its placement and the system font.
    installPrintPreview({&context.keys(), context.appDir(), &context.systemSettings()});
    const auto printSettingsTable = [&mainWindow](const QString& title, const QTableView& view) {
        showTablePreview(QStringLiteral("SG"), title, view, &mainWindow);
    };
    settings->setTablePreview(printSettingsTable);
    // The entry bar and the chart windows read the stores just loaded.
    auto* requests = new ChartRequests(mainWindow, context);
    // TNListF (name list: reads the system settings) over the run's persons, and the entry
    // bar's era-date entry and time list.
    auto* names = new NameWindows(mainWindow, context, requests->entryBar());
    // The splash ends first: it stays on top and would hide the message of a missing start-up
    // file.
    if (splashDone) {
        splashDone();
    }
    settings->tellLoadWarnings();
    if (!mainWindow.layoutWarning().isEmpty()) {
        platform::Prompts::information(mainWindow.layoutWarning());
    }
    mainWindow.loadStartupNameFile(nameFile);
    attachCalendarEditor(mainWindow, context);
    // THSetuF, TDSetuF, TKSetuF, TSSetuF (description editors) over the live star and pattern
    // texts, read here; TSListF (description list) comes with them, since they fill it.
    texts::LiveTexts& texts = context.readLiveTexts();
    if (const QString message = texts::unreadableTextsMessage(context.appDir());
        !message.isEmpty()) {
        platform::Prompts::information(message);
    }
    attachDescriptionEditors(mainWindow, context, texts);
    attachStarList(mainWindow, context, texts);
    // TKyuSF (palace detail): filled by the palace clicks of every chart window
    auto* detail = new TKyuSF({context.appDir(), context.keys(), context.starNames(),
                               context.systemSettings(), context.ziWeiSettings(), texts},
                              &mainWindow);
    QObject::connect(requests, &ChartRequests::chartOpened, detail,
                     [detail](TMeibF& chart) { detail->followChart(chart.document()); });
    QObject::connect(&mainWindow, &TMainF::closingStores, detail, &TKyuSF::savePlacement);
    attachTools(mainWindow, context);
    attachBackup(mainWindow, context);
    // the announcements window opens per use from the main window
    return {*settings, *requests, *names};
}

SorvikRun::~SorvikRun() = default;

std::unique_ptr<SorvikRun> startSorvik(const QString& appDir, const QString& keyStorePath,
                                       bool withSplash, const QString& nameFile) {
    std::unique_ptr<TTitleF> splash;
    auto run = std::make_unique<SorvikRun>();
    // Every step reads files; whichever fails ends the start-up with the message that names
    // the file, never with an abort.
    const bool started = runUserCommand([&] {
        // The splash stays on top: it goes before the message of a failed start.
        auto dropSplash = qScopeGuard([&] {
            splash.reset();
            run.reset();
        });
        const QString message = checkDataFiles(appDir);
        if (!message.isEmpty()) {
            throw platform::FileError(message);
        }
        const QString keyStoreDamage = platform::keyStoreDamage(keyStorePath);
        if (!keyStoreDamage.isEmpty() && !goOnOverDamagedKeyStore(keyStorePath, keyStoreDamage)) {
            return;
        }
        // Dates as text are "YYYY/MM/DD" everywhere: the engine's date helpers write and read
        // only that form, so there is no process-wide format to set here.
        if (withSplash) {
            splash = std::make_unique<TTitleF>(TMainF::applicationTitle());
            splash->showNow();
        }
        run->context = std::make_unique<AppContext>(appDir, keyStorePath);
        if (!keyStoreDamage.isEmpty()) {
            run->context->keys().leaveFileAlone();
        }
        run->mainWindow = std::make_unique<TMainF>(*run->context);
        createLongLivedWindows(
            *run->mainWindow, *run->context, [&splash] { splash.reset(); }, nameFile);
        dropSplash.dismiss();
    });
    if (!started) {
        return nullptr;
    }
    return run;
}

int runSorvik() {
    // The desktop's "open with" gives a name file; taken before anything changes the working
    // folder, and handed to the running copy if there is one.
    const QStringList arguments = QApplication::arguments().mid(1);
    const QString nameFile =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).absoluteFilePath();
    platform::SingleInstance instance(platform::SingleInstance::programName());
    if (!instance.claim(nameFile)) {
        return 0;
    }
    if (platform::CheckFreeResources(25)) {
        return 0;
    }

    QApplication::setApplicationName(TMainF::applicationTitle());
    // The desktop finds the menu entry's name and icon for the windows by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.velmora.sorvik"));
    installFontSubstitutes();
    QApplication::setFont(defaultUiFont());

    QString appDir;
    if (!runUserCommand([&appDir] {
            appDir = platform::programFolder(QString::fromLatin1(records::kCalendarFileName));
        })) {
        return 1;
    }
    std::unique_ptr<SorvikRun> run =
        startSorvik(appDir, platform::KeyStore::defaultFilePath(), true, nameFile);
    if (!run) {
        return 1;
    }
    QObject::connect(&instance, &platform::SingleInstance::activationRequested,
                     run->mainWindow.get(), &TMainF::bringToFront);
    QObject::connect(&instance, &platform::SingleInstance::openRequested, run->mainWindow.get(),
                     &TMainF::openGivenNameFile);
    run->mainWindow->show();
    const int code = QApplication::exec();
    run.reset();
    return code;
}

}  // namespace sorvik::ui
