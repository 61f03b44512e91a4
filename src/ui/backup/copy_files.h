#pragma once

#include <optional>
#include <vector>

#include <QProgressDialog>
#include <QString>
#include <QStringList>

#include "records/backup_files.h"

namespace sorvik::ui {

// Of the names, those to copy into the folder: a file already there (in any spelling) is asked
// about, and "すべて上書き" answers yes for it and every later one. None at ｷｬﾝｾﾙ.
std::optional<QStringList> askOverwrites(const QStringList& names, const QString& folder);

// The box of a copy, counting the files: "DSETUF1.DAT をコピーしています..." over "3 / 34".
class CopyProgress : public QProgressDialog {
  public:
    CopyProgress(int files, QWidget* parent);
    void startFile(int done, const QString& name);
};

struct CopyOutcome {
    QStringList copied;
    bool finished = false;
};

// Writes the files into the folder in order under a CopyProgress. Stops at its ｷｬﾝｾﾙ, or at
// the first file that cannot be written, after its error has been told.
CopyOutcome writeFiles(const std::vector<records::DataFile>& files, const QString& folder,
                       QWidget* parent);

}  // namespace sorvik::ui
