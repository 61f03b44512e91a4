#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "platform/atomic_file.h"

class QFile;

namespace sorvik::platform {

// The stored lines of a text file one at a time, for files too large to hold at once: split
// as splitStoredLines splits them, and without the end-of-file mark that decodeSjisLines
// drops. Refuses what readWholeFile refuses; every member throws FileError.
class LineReader {
  public:
    explicit LineReader(const QString& path, qint64 limit = kReadLimit);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its line end; false after the last.
    bool next(QByteArray& line);

  private:
    void fill();

    std::unique_ptr<QFile> file_;
    qint64 limit_;
    qint64 read_ = 0;
    QByteArray buffer_;
    qsizetype position_ = 0;
    bool atEnd_ = false;
};

}  // namespace sorvik::platform
