#pragma once

#include <optional>
#include <vector>

#include <QList>

#include <QObject>
#include <QString>

#include "records/name_list.h"

// Name data files (*.nam): Shift-JIS, one person per line, every one of the 38 cells followed
// by a comma, nothing quoted. Only the first four cells are read back.
namespace sorvik::records {

inline constexpr auto kNewNameFile = "NewFile.nam";
// Asked before a changed list is replaced or the program ends.
inline constexpr auto kSaveChangesQuestion = u"名前ﾃﾞｰﾀが更新されています。保存しますか？";
inline constexpr auto kNameFileFilter = "名前ﾃﾞｰﾀ(*.nam);;すべてのﾌｧｲﾙ (*.*)";
inline constexpr auto kReplacePersonQuestion = u"既に同じ名前で登録されています。置き換えますか？";

// Why a name file was not loaded; the window beeps and shows the message.
struct LoadRefusal {
    QString message;
};

// The four stored fields of a line, normalised; the derived columns stay empty.
NameList::Row readNameLine(const QString& line);
QString formatNameLine(const NameList::Row& row);

// Throw platform::FileError when the file cannot be read or written; writing replaces the
// file atomically (EncodingError for a name without a Shift-JIS code, nothing written then).
// Bytes that are no Shift-JIS character read as "〓", so that the list can be saved again;
// the rows (from 1) that held them are given when asked for, and so are the rows whose sex is
// written as neither "男" nor "女", which count as 男.
std::vector<NameList::Row> readNameFile(const QString& path, QList<int>* unreadableRows = nullptr,
                                        QList<int>* unknownSexRows = nullptr);
void writeNameFile(const QString& path, const NameList& list);

// Whether a row read counts as 男 for a sex written as neither "男" nor "女".
bool readsAsUnknownSex(const NameList::Row& row);

// What the user is told after a load that met such rows; empty when it met none.
QString nameFileReadingMessage(const QString& fileName, const QList<int>& unreadableRows,
                               const QList<int>& unknownSexRows);
// The current name file with its list: which file Save writes to, whether the list changed
// since it was loaded. It asks nothing: the window asks before it drops changes or replaces a
// person, and calls here with the answer given.
class NameFileSession : public QObject {
    Q_OBJECT
  public:
    // appDir ends with a separator; bare file names are taken relative to it.
    NameFileSession(NameList& list, QString appDir, QObject* parent = nullptr);

    NameList& list() { return list_; }
    const NameList& list() const { return list_; }
    QString currentNameFile() const { return current_; }
    void setCurrentNameFile(const QString& name) { current_ = name; }
    bool nameListModified() const { return modified_; }
    void setNameListModified(bool modified);

    // An absolute path is used as it is; any other name is taken from AppDir.
    QString resolveNamePath(const QString& name) const;

    // Replaces the list by the file; a missing file (or no name) is refused. Throws
    // platform::FileError when it cannot be read, leaving the list as it was.
    std::optional<LoadRefusal> LoadNameFile(const QString& name);
    // The rows (from 1) in which the last load met bytes of no Shift-JIS character; they read
    // as "〓", and the file stays as it is until the list is saved.
    const QList<int>& unreadableRows() const { return unreadableRows_; }
    // The rows (from 1) of the last load whose sex was neither "男" nor "女".
    const QList<int>& unknownSexRows() const { return unknownSexRows_; }
    // Writes the list; neither the modified flag nor the title change.
    void SaveNameFile(const QString& name) const;
    // Starts an empty list named "NewFile.nam".
    void newFile();
    // Save as: writes to the path, which becomes the current file.
    void saveAs(const QString& path);

    // How many times the replace question comes before a person of a chart request is
    // recorded: once for every stored person of the same name ahead of an exact copy.
    int replaceQuestions(const QString& name, const QString& sex, const QString& date,
                         const QString& time) const;
    // Records the person, replacing the last person of the same name ahead of an exact copy
    // (an exact copy is kept as it is); the window has asked before.
    void AddPerson(const QString& name, const QString& sex, const QString& date,
                   const QString& time);

  signals:
    // The file name to show in the main window's title.
    void titleChanged(const QString& fileName);

  private:
    NameList& list_;
    QString appDir_;
    QString current_;
    bool modified_ = false;
    QList<int> unreadableRows_;
    QList<int> unknownSexRows_;
};

}  // namespace sorvik::records
