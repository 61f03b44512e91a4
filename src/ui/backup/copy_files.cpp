#include "copy_files.h"

#include <QFileInfo>
#include <QProgressBar>

#include "platform/file_names.h"
#include "platform/prompts.h"
#include "ui/common/error_boundary.h"

namespace sorvik::ui {

using platform::Answer;
using platform::Prompts;

std::optional<QStringList> askOverwrites(const QStringList& names, const QString& folder) {
    QStringList chosen;
    bool all = false;
    for (const QString& name : names) {
        if (!all && QFileInfo::exists(platform::findFileIgnoringCase(folder, name))) {
            const Answer answer =
                Prompts::box(platform::BoxStyle::Confirmation, platform::BoxButtons::YesAllNoCancel,
                             QStringLiteral("『%1』は既に存在します。上書きしますか？").arg(name));
            if (answer == Answer::Cancel) {
                return std::nullopt;
            }
            if (answer == Answer::No) {
                continue;
            }
            all = answer == Answer::YesToAll;
        }
        chosen << name;
    }
    return chosen;
}

CopyProgress::CopyProgress(int files, QWidget* parent)
    : QProgressDialog(QString(), QStringLiteral("ｷｬﾝｾﾙ"), 0, files, parent) {
    setObjectName(QStringLiteral("CopyProgress"));
    setWindowTitle(parent ? parent->window()->windowTitle() : QString());
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(300);
    setMinimumWidth(360);
    auto* bar = new QProgressBar(this);
    bar->setFormat(QStringLiteral("%v / %m"));
    setBar(bar);
    setRange(0, files);  // the new bar counts from 0 to 100 until told otherwise
}

void CopyProgress::startFile(int done, const QString& name) {
    setValue(done);
    setLabelText(QStringLiteral("%1 をコピーしています...").arg(name));
}

CopyOutcome writeFiles(const std::vector<records::DataFile>& files, const QString& folder,
                       QWidget* parent) {
    CopyProgress progress(static_cast<int>(files.size()), parent);
    CopyOutcome outcome;
    for (const records::DataFile& file : files) {
        progress.startFile(static_cast<int>(outcome.copied.size()), file.name);
        if (progress.wasCanceled() ||
            !runUserCommand([&] { records::writeDataFile(folder, file); })) {
            return outcome;
        }
        outcome.copied << file.name;
    }
    progress.setValue(progress.maximum());
    outcome.finished = true;
    return outcome;
}

}  // namespace sorvik::ui
