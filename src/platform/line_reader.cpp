#include "line_reader.h"

#include <QFile>

namespace sorvik::platform {

namespace {

constexpr qint64 kPiece = 1 << 16;
constexpr char kEndOfFileMark = 0x1A;

}  // namespace

LineReader::LineReader(const QString& path, qint64 limit)
    : file_(std::make_unique<QFile>(path)), limit_(limit) {
    openForReading(*file_, limit);
}

LineReader::~LineReader() = default;

bool LineReader::next(QByteArray& line) {
    for (;;) {
        qsizetype end = position_;
        while (end < buffer_.size() && buffer_[end] != '\r' && buffer_[end] != '\n') {
            ++end;
        }
        // A CR at the end of what was read may be the first half of a CR LF.
        const bool split = end + 1 == buffer_.size() && buffer_[end] == '\r';
        if (end < buffer_.size() && (!split || atEnd_)) {
            line = buffer_.mid(position_, end - position_);
            const bool crLf =
                buffer_[end] == '\r' && end + 1 < buffer_.size() && buffer_[end + 1] == '\n';
            position_ = end + (crLf ? 2 : 1);
            return true;
        }
        if (!atEnd_) {
            fill();
            continue;
        }
        line = buffer_.mid(position_);
        position_ = buffer_.size();
        if (line.endsWith(kEndOfFileMark)) {
            line.chop(1);
        }
        return !line.isEmpty();
    }
}

void LineReader::fill() {
    buffer_.remove(0, position_);
    position_ = 0;
    const qsizetype had = buffer_.size();
    buffer_.resize(had + kPiece);
    const qint64 got = file_->read(buffer_.data() + had, kPiece);
    if (got < 0) {
        throw unreadableFileError(file_->fileName(), file_->errorString());
    }
    buffer_.resize(had + got);
    atEnd_ = got == 0;
    read_ += got;
    if (read_ > limit_) {
        throw tooLargeFileError(file_->fileName(), limit_);
    }
}

}  // namespace sorvik::platform
