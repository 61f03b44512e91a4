#include "profile_file.h"

#include <QFileInfo>

#include "atomic_file.h"
#include "sjis.h"

namespace sorvik::platform {

namespace {

// Single-byte blanks only: a full-width space belongs to the value.
QByteArray trimmed(const QByteArray& bytes) {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\t')) {
        ++begin;
    }
    while (end > begin && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t')) {
        --end;
    }
    return bytes.mid(begin, end - begin);
}

// Where an ASCII character first stands in the line, scanning by Shift-JIS characters so that
// a trail byte (the 0x5D of "ゾ" is a ']') is not taken for it.
qsizetype findAscii(const QByteArray& line, char wanted, qsizetype from = 0) {
    for (qsizetype i = from; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == static_cast<unsigned char>(wanted)) {
            return i;
        }
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            ++i;
        }
    }
    return -1;
}

qsizetype equalsPosition(const QByteArray& line) {
    return findAscii(line, '=');
}

// The name of a "[section]" line, or a null string when the line is no header.
QString headerName(const QByteArray& line) {
    const QByteArray text = trimmed(line);
    if (!text.startsWith('[')) {
        return {};
    }
    const qsizetype close = findAscii(text, ']', 1);
    const QByteArray name = close < 0 ? text.mid(1) : text.mid(1, close - 1);
    const QString decoded = decodeSjis(trimmed(name));
    return decoded.isNull() ? QStringLiteral("") : decoded;  // "[]" is a header too
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString keyOf(const QByteArray& line) {
    const qsizetype eq = equalsPosition(line);
    return eq < 0 ? QString() : decodeSjis(trimmed(line.left(eq)));
}

QString valueOf(const QByteArray& line) {
    QByteArray value = trimmed(line.mid(equalsPosition(line) + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return decodeSjis(value);
}

}  // namespace

ProfileFile::ProfileFile(const QString& path) : path_(path) {
    existed_ = QFileInfo(path).isFile();
    if (!existed_) {
        return;
    }
    const QByteArray data = readWholeFile(path);
    endedWithinALine_ = !data.isEmpty() && !data.endsWith('\r') && !data.endsWith('\n');
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n') {
            ++end;
        }
        lines_.append(data.mid(start, end - start));
        if (end + 1 < data.size() && data[end] == '\r' && data[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        bool unreadable = false;
        decodeSjis(lines_[i], unreadable);
        if (unreadable) {
            unreadableLines_.append(static_cast<int>(i + 1));
        }
    }
}

ProfileFile::Range ProfileFile::findSection(const QString& section) const {
    Range range;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString name = headerName(lines_[i]);
        if (name.isNull()) {
            continue;
        }
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(name, section)) {
            range.header = i;
        }
    }
    range.end = lines_.size();
    return range;
}

qsizetype ProfileFile::findKey(const Range& range, const QString& key) const {
    if (range.header < 0) {
        return -1;
    }
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QString name = keyOf(lines_[i]);
        if (!name.isNull() && sameName(name, key)) {
            return i;
        }
    }
    return -1;
}

bool ProfileFile::hasSection(const QString& section) const {
    return findSection(section).header >= 0;
}

bool ProfileFile::hasKey(const QString& section, const QString& key) const {
    return findKey(findSection(section), key) >= 0;
}

QStringList ProfileFile::sections() const {
    QStringList names;
    for (const QByteArray& line : lines_) {
        const QString name = headerName(line);
        if (!name.isNull()) {
            names.append(name);
        }
    }
    return names;
}

QStringList ProfileFile::keys(const QString& section) const {
    const Range range = findSection(section);
    QStringList names;
    for (qsizetype i = range.header + 1; range.header >= 0 && i < range.end; ++i) {
        const QString name = keyOf(lines_[i]);
        if (!name.isNull()) {
            names.append(name);
        }
    }
    return names;
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& fallback) const {
    const qsizetype line = findKey(findSection(section), key);
    return line < 0 ? fallback : valueOf(lines_[line]);
}

int ProfileFile::readInteger(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : fallback;
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QByteArray line = encodeSjis(key) + '=' + encodeSjis(value);
    Range range = findSection(section);
    if (range.header < 0) {
        lines_.append(encodeSjis(u'[' + section + u']'));
        lines_.append(line);
        return;
    }
    const qsizetype existing = findKey(range, key);
    if (existing >= 0) {
        lines_[existing] = line;
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    qsizetype at = range.end;
    while (at > range.header + 1 && trimmed(lines_[at - 1]).isEmpty()) {
        --at;
    }
    lines_.insert(at, line);
}

void ProfileFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void ProfileFile::deleteKey(const QString& section, const QString& key) {
    const qsizetype line = findKey(findSection(section), key);
    if (line >= 0) {
        lines_.removeAt(line);
    }
}

void ProfileFile::eraseSection(const QString& section) {
    const Range range = findSection(section);
    if (range.header >= 0) {
        lines_.remove(range.header, range.end - range.header);
    }
}

QByteArray ProfileFile::bytes() const {
    QByteArray data;
    for (const QByteArray& line : lines_) {
        data += line;
        data += "\r\n";
    }
    return data;
}

void ProfileFile::save() const {
    writeFileAtomically(path_, bytes());
}

}  // namespace sorvik::platform
