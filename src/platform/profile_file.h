#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace sorvik::platform {

// A profile (INI) file read and written the way the Windows profile functions do it, so that
// the layout and settings files of existing users open unchanged: Shift-JIS, CR LF, "[section]"
// headers, "key=value" lines, section and key names compared without regard to case, the first
// match wins, a value runs to the end of its line (blanks around it and one pair of enclosing
// quotes removed). Lines that are not touched by a write keep their bytes exactly.
class ProfileFile {
  public:
    // Loads the file when it exists; throws FileError when it exists but cannot be read.
    explicit ProfileFile(const QString& path);

    QString path() const { return path_; }
    bool existedOnLoad() const { return existed_; }
    // The lines (from 1) that held bytes of no Shift-JIS character when the file was loaded;
    // their values read with kUnreadableMark in place of those bytes.
    const QList<int>& unreadableLines() const { return unreadableLines_; }
    // Whether the file ended without the line end of its last line: every line the program
    // writes has one, so the file was cut short.
    bool endedWithinALine() const { return endedWithinALine_; }

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    QString readString(const QString& section, const QString& key,
                       const QString& fallback = {}) const;
    // The fallback when the value is missing or is not an integer.
    int readInteger(const QString& section, const QString& key, int fallback) const;

    // Throws EncodingError (nothing changes) for text without a Shift-JIS code.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void deleteKey(const QString& section, const QString& key);
    void eraseSection(const QString& section);

    // The whole file as it is stored.
    QByteArray bytes() const;
    // Writes the file atomically; throws FileError.
    void save() const;

  private:
    struct Range {
        qsizetype header = -1;  // line of "[section]"
        qsizetype end = 0;      // one past the section's last line
    };
    Range findSection(const QString& section) const;
    qsizetype findKey(const Range& range, const QString& key) const;

    QString path_;
    bool existed_ = false;
    QList<QByteArray> lines_;  // without their line ends
    QList<int> unreadableLines_;
    bool endedWithinALine_ = false;
};

}  // namespace sorvik::platform
