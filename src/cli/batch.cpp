#include "batch.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <future>
#include <optional>
#include <vector>

#include <poll.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "cli/job_queue.h"
#include "cli/json_keys.h"
#include "cli/json_line_writer.h"
#include "cli/text_object.h"
#include "engine/errors.h"
#include "settings/target_date.h"

namespace sorvik::cli {

namespace {

// Lines of a round: enough to share out between threads, few enough that a share's answers
// (a chart line is about 10 kB) stay in the processor's cache and the memory stays flat.
constexpr std::size_t kLinesPerRound = 256;
constexpr std::size_t kReadSize = 1 << 16;
constexpr std::size_t kMaxLineBytes = 1 << 20;

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void writeErrorLine(JsonLineWriter& out, long long number, std::string_view message) {
    out.beginObject();
    out.key("line");
    out.value(number);
    out.key("error");
    out.value(message);
    out.endObject();
    out.endLine();
}

namespace {

constexpr std::array<std::string_view, 5> kKeys = {"name", "sex", "date", "time", "target"};
using Values = std::array<std::optional<QString>, kKeys.size()>;

// The line without the JSON library, when it is an object of texts under distinct known keys.
bool readPlainLine(std::string_view line, Values& values) {
    const auto members = readTextObject(line);
    if (!members) {
        return false;
    }
    for (const auto& [key, value] : *members) {
        const auto at =
            static_cast<std::size_t>(std::find(kKeys.begin(), kKeys.end(), key) - kKeys.begin());
        if (at == kKeys.size() || values[at]) {
            values = {};
            return false;  // the library's reading tells which key
        }
        values[at] = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    }
    return true;
}

// Any other line, with the library; why the line has no chart, if it is known here.
std::optional<std::string> readLineWithLibrary(std::string_view line, Values& values) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return "not JSON: " + error.errorString().toStdString();
    }
    if (!document.isObject()) {
        return "not a JSON object";
    }
    // Read in one pass over the object, by the place of the key in the list.
    const QJsonObject object = document.object();
    if (const auto repeated = repeatedKey(line, object.size())) {
        return "repeated key: " + repeated->toStdString();
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const auto at =
            static_cast<std::size_t>(std::find(kKeys.begin(), kKeys.end(), key) - kKeys.begin());
        if (at == kKeys.size()) {
            return "unknown key: " + key;
        }
        if (!it.value().isString()) {
            return key + " must be a text";
        }
        values[at] = it.value().toString();
    }
    return std::nullopt;
}

}  // namespace

BatchItem Batch::read(std::string_view line) const {
    Values values;
    if (!readPlainLine(line, values)) {
        if (auto refusal = readLineWithLibrary(line, values)) {
            return std::move(*refusal);
        }
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (!values[k]) {
            return "missing " + std::string(kKeys[k]);
        }
    }
    const ChartArguments args{*values[0], *values[1], *values[2], *values[3], values[4]};
    auto request = readChartRequest(args, calendar_, now_, "");
    if (auto* refusal = std::get_if<Refusal>(&request)) {
        return std::move(refusal->message);
    }
    return std::get<ChartRequest>(std::move(request));
}

void Batch::answer(const BatchItem& item, long long number, JsonLineWriter& out) const {
    const auto* request = std::get_if<ChartRequest>(&item);
    if (!request) {
        writeErrorLine(out, number, std::get<std::string>(item));
        return;
    }
    try {
        const ChartOutput chart = maker_.make(request->person, request->target);
        writeChart(out, chart);  // the chart is whole before its line begins
        out.endLine();
    } catch (const Error& e) {
        writeErrorLine(out, number, e.what());
    }
}

std::string Batch::answerLine(std::string_view line, long long number, JsonLineWriter& out) const {
    const BatchItem item = read(line);
    answer(item, number, out);
    const auto* request = std::get_if<ChartRequest>(&item);
    if (!request || !request->targetReplaced) {
        return {};
    }
    static const std::string replacedNote =
        QString::fromUtf16(settings::kTargetDateOutOfRangeMessage).toStdString();
    return "sorvik-cli: line " + std::to_string(number) + ": " + replacedNote + "\n";
}

namespace {

// Lines of the input answered together, with their bytes.
struct Round {
    // A line of the input, or the refusal of one too long to keep.
    struct Line {
        std::size_t offset = 0;  // in text
        std::size_t size = 0;
        bool tooLong = false;
    };
    std::string text;
    std::vector<Line> lines;
    long long firstNumber = 1;
    // By share: the answers, in room kept from round to round so that it is made only once;
    // how many bytes of it were written; the notes for standard error.
    std::vector<std::string> outs;
    std::vector<std::size_t> sizes;
    std::vector<std::string> notes;

    std::string_view line(std::size_t i) const {
        return {text.data() + lines[i].offset, lines[i].size};
    }
};

// Standard input cut into rounds of whole lines.
class LineSource {
  public:
    explicit LineSource(int fd) : fd_(fd) {}

    // The next lines, up to a round's worth: reading on while the input has more at once, and
    // waiting for it only while the round has no line, so that a slow input is answered line by
    // line. At the end a round without lines. A last line without its line feed counts too.
    // False when reading fails; errno says why.
    bool next(Round& round) {
        round.text.clear();
        round.lines.clear();
        round.firstNumber = lineNumber_ + 1;
        while (true) {
            take(round);
            if (round.lines.size() == kLinesPerRound || atEnd_ ||
                (!round.lines.empty() && !readableNow())) {
                return true;
            }
            if (!read()) {
                return false;
            }
        }
    }

  private:
    // Moves the whole lines read so far into the round.
    void take(Round& round) {
        std::size_t start = 0;
        while (round.lines.size() < kLinesPerRound && start < pending_.size()) {
            std::size_t end = pending_.find('\n', start);
            if (end == std::string::npos) {
                if (!atEnd_) {
                    // Memory stays flat even for a line without end: it is refused and
                    // skipped to its line feed.
                    if (pending_.size() - start > kMaxLineBytes) {
                        round.lines.push_back({round.text.size(), 0, true});
                        ++lineNumber_;
                        start = pending_.size();
                        skipping_ = true;
                    }
                    break;
                }
                end = pending_.size();
            }
            std::string_view line(pending_.data() + start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            round.lines.push_back({round.text.size(), line.size()});
            round.text += line;
            ++lineNumber_;
            start = end + 1;
        }
        pending_.erase(0, std::min(start, pending_.size()));
    }

    bool readableNow() const {
        pollfd input{fd_, POLLIN, 0};
        return ::poll(&input, 1, 0) > 0;
    }

    bool read() {
        const std::size_t size = pending_.size();
        pending_.resize(size + kReadSize);
        const ssize_t got = ::read(fd_, pending_.data() + size, kReadSize);
        if (got < 0) {
            pending_.resize(size);
            return errno == EINTR;  // interrupted: read again
        }
        pending_.resize(size + static_cast<std::size_t>(got));
        atEnd_ = got == 0;
        if (skipping_) {
            const std::size_t end = pending_.find('\n');
            if (end == std::string::npos) {
                pending_.clear();
            } else {
                pending_.erase(0, end + 1);
                skipping_ = false;
            }
        }
        return true;
    }

    int fd_;
    std::string pending_;  // read, not yet in a round
    long long lineNumber_ = 0;
    bool atEnd_ = false;
    bool skipping_ = false;  // the rest of an overlong line
};

// Answers share t of the round's lines, `share` lines a share.
void answerShare(const Batch& batch, Round& round, std::size_t t, std::size_t share) {
    // One writer for the share, over the room kept from the round before.
    JsonLineWriter writer(round.outs[t], JsonLineWriter::OverRoom{});
    round.notes[t].clear();
    for (std::size_t i = t * share; i < std::min(round.lines.size(), (t + 1) * share); ++i) {
        const long long number = round.firstNumber + static_cast<long long>(i);
        if (round.lines[i].tooLong) {
            writeErrorLine(writer, number,
                           "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
        } else {
            round.notes[t] += batch.answerLine(round.line(i), number, writer);
        }
    }
    round.sizes[t] = writer.written();
}

}  // namespace

bool Batch::run(int inputFd, int outputFd, int threads) const {
    // This thread reads; the workers answer each round, a consecutive share each; one writer
    // thread writes the shares in input order, each as soon as it is answered. So a slow input
    // is answered line by line, and the workers never wait for the output.
    LineSource source(inputFd);
    std::array<Round, 2> rounds;
    std::array<std::vector<std::future<int>>, 2> writing;  // of each round, its shares' writes
    int writeFailure = 0;  // the errno of a failed write; only the writer's thread sets it
    // Declared after what their jobs use, so that however run() ends, they finish their jobs
    // before those go.
    JobQueue workers(threads);
    JobQueue writer(1);
    const auto finish = [](std::vector<std::future<int>>& writes) {
        int failure = 0;
        for (std::future<int>& write : writes) {
            failure = std::max(failure, write.get());
        }
        writes.clear();
        return failure;
    };
    for (std::size_t r = 0;; r ^= 1) {
        // The round read into here went out two rounds ago: it must be written first.
        if (const int failure = finish(writing[r])) {
            finish(writing[r ^ 1]);
            errno = failure;
            return false;
        }
        Round& round = rounds[r];
        if (!source.next(round)) {
            const int failure = errno;
            finish(writing[r ^ 1]);
            errno = failure;
            return false;
        }
        if (round.lines.empty()) {
            break;
        }
        const std::size_t shares =
            std::min(static_cast<std::size_t>(std::max(threads, 1)), round.lines.size());
        const std::size_t share = (round.lines.size() + shares - 1) / shares;
        round.outs.resize(std::max(round.outs.size(), shares));
        round.notes.resize(round.outs.size());
        round.sizes.resize(round.outs.size());
        for (std::size_t t = 0; t < shares; ++t) {
            std::shared_future<int> answered = workers
                                                   .submit([this, &round, t, share] {
                                                       answerShare(*this, round, t, share);
                                                       return 0;
                                                   })
                                                   .share();
            writing[r].push_back(writer.submit([&round, t, answered, outputFd, &writeFailure] {
                answered.get();           // what the share threw is thrown on
                if (writeFailure == 0) {  // nothing more is written after a failed write
                    std::fputs(round.notes[t].c_str(), stderr);
                    if (!writeAll(outputFd,
                                  std::string_view(round.outs[t]).substr(0, round.sizes[t]))) {
                        writeFailure = errno;
                    }
                }
                return writeFailure;
            }));
        }
    }
    const int failure = std::max(finish(writing[0]), finish(writing[1]));
    errno = failure;
    return failure == 0;
}

}  // namespace sorvik::cli
