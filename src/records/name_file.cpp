#include "name_file.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/comma_list.h"
#include "platform/text_file.h"
#include "records/date_texts.h"

namespace sorvik::records {

NameList::Row readNameLine(const QString& line) {
    // A comma is appended before cutting, so a last field without its comma still counts.
    const QStringList fields =
        platform::readCommaList(line, NameList::kStoredColumns, platform::LastPiece::Counts);
    NameList::Row row;
    for (int column = 0; column < NameList::kStoredColumns; ++column) {
        row[column] = fields[column];
    }
    row[NameList::kDate] = normaliseDateText(row[NameList::kDate]);
    row[NameList::kTime] = normaliseTimeText(row[NameList::kTime]);
    return row;
}

QString formatNameLine(const NameList::Row& row) {
    return platform::joinCommaList(QStringList(row.begin(), row.end()));
}

std::vector<NameList::Row> readNameFile(const QString& path, QList<int>* unreadableRows,
                                        QList<int>* unknownSexRows) {
    const QStringList lines = platform::readSjisLines(path, unreadableRows);
    std::vector<NameList::Row> rows;
    rows.reserve(lines.size());
    for (const QString& line : lines) {
        rows.push_back(readNameLine(line));
        if (unknownSexRows != nullptr && readsAsUnknownSex(rows.back())) {
            unknownSexRows->append(static_cast<int>(rows.size()));
        }
    }
    return rows;
}

bool readsAsUnknownSex(const NameList::Row& row) {
    // A row without a sex is one not filled in yet, not one written by another program.
    const QString& sex = row[NameList::kSex];
    return !sex.isEmpty() && sex != u"男" && sex != u"女";
}

QString nameFileReadingMessage(const QString& fileName, const QList<int>& unreadableRows,
                               const QList<int>& unknownSexRows) {
    QStringList parts;
    if (!unreadableRows.isEmpty()) {
        parts.append(platform::unreadableBytesMessage(fileName, unreadableRows));
    }
    if (!unknownSexRows.isEmpty()) {
        parts.append(QStringLiteral("『%1』の%2の性別は「男」「女」のどちらでもないため、"
                                    "男として扱います。")
                         .arg(fileName, platform::lineNumbersText(unknownSexRows)));
    }
    return parts.join(u'\n');
}

void writeNameFile(const QString& path, const NameList& list) {
    QStringList lines;
    lines.reserve(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        lines.append(formatNameLine(list.row(row)));
    }
    platform::writeSjisLines(path, lines);
}

NameFileSession::NameFileSession(NameList& list, QString appDir, QObject* parent)
    : QObject(parent), list_(list), appDir_(std::move(appDir)) {}

void NameFileSession::setNameListModified(bool modified) {
    modified_ = modified;
}

QString NameFileSession::resolveNamePath(const QString& name) const {
    // A relative name is taken from AppDir too, never from the process's working folder.
    return QFileInfo(name).isAbsolute() ? name : appDir_ + name;
}

std::optional<LoadRefusal> NameFileSession::LoadNameFile(const QString& name) {
    if (name.isEmpty()) {
        return LoadRefusal{QStringLiteral("起動時に開く名前ﾃﾞｰﾀﾌｧｲﾙが設定されていません。")};
    }
    const QString path = resolveNamePath(name);
    const QFileInfo file(path);
    if (!file.isFile()) {
        // A folder or a pipe of that name is there, but reading it would fail or never end.
        return LoadRefusal{file.exists()
                               ? QStringLiteral("『%1』は、名前ﾃﾞｰﾀﾌｧｲﾙではありません。").arg(name)
                               : QStringLiteral("『%1』がありません。").arg(name)};
    }
    QList<int> unreadableRows;
    QList<int> unknownSexRows;
    list_.reset(readNameFile(path, &unreadableRows, &unknownSexRows));
    unreadableRows_ = unreadableRows;
    unknownSexRows_ = unknownSexRows;
    current_ = name;
    emit titleChanged(current_);
    setNameListModified(false);
    return std::nullopt;
}

void NameFileSession::SaveNameFile(const QString& name) const {
    writeNameFile(resolveNamePath(name), list_);
}

void NameFileSession::newFile() {
    list_.clear();
    current_ = QString::fromLatin1(kNewNameFile);
    emit titleChanged(current_);
    setNameListModified(false);
}

void NameFileSession::saveAs(const QString& path) {
    SaveNameFile(path);
    current_ = path;
    emit titleChanged(current_);
}

namespace {

bool isCopy(const NameList::Row& cells, const QString& name, const QString& sex,
            const QString& date, const QString& time) {
    return cells[NameList::kName] == name && cells[NameList::kSex] == sex &&
           cells[NameList::kDate] == date && cells[NameList::kTime] == time;
}

}  // namespace

int NameFileSession::replaceQuestions(const QString& name, const QString& sex, const QString& date,
                                      const QString& time) const {
    int questions = 0;
    for (int row = 0; row < list_.rowCount(); ++row) {
        const NameList::Row& cells = list_.row(row);
        if (isCopy(cells, name, sex, date, time)) {
            break;
        }
        if (cells[NameList::kName] == name) {
            ++questions;
        }
    }
    return questions;
}

void NameFileSession::AddPerson(const QString& name, const QString& sex, const QString& date,
                                const QString& time) {
    int replace = -1;
    for (int row = 0; row < list_.rowCount(); ++row) {
        const NameList::Row& cells = list_.row(row);
        if (isCopy(cells, name, sex, date, time)) {
            return;
        }
        if (cells[NameList::kName] == name) {
            replace = row;
        }
    }
    NameList::Row cells;
    if (replace >= 0) {
        cells = list_.row(replace);
    } else if (list_.isEmpty()) {
        replace = 0;
    }
    cells[NameList::kName] = name;
    cells[NameList::kSex] = sex;
    cells[NameList::kDate] = date;
    cells[NameList::kTime] = time;
    if (replace >= 0) {
        for (int column = 0; column < NameList::kStoredColumns; ++column) {
            list_.setCell(replace, column, cells[column]);
        }
    } else {
        list_.append(cells);
    }
    setNameListModified(true);
}

}  // namespace sorvik::records
