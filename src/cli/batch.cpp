#include "batch.h"

#include <cerrno>
#include <cstdio>
#include <future>
#include <vector>

#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "cli/json_line_writer.h"
#include "engine/errors.h"
#include "settings/target_date.h"

namespace sorvik::cli {

namespace {

// Lines answered between two writes: enough to share out between threads, few enough to keep
// the memory flat (a chart line is about 10 kB).
constexpr std::size_t kLinesPerRound = 512;
constexpr std::size_t kReadSize = 1 << 16;
constexpr std::size_t kLineSizeGuess = 10 * 1024;
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

void appendErrorLine(std::string& out, long long number, std::string_view message) {
    {
        JsonLineWriter w(out);
        w.beginObject();
        w.key("line");
        w.value(number);
        w.key("error");
        w.value(message);
        w.endObject();
    }
    out += '\n';
}

BatchItem Batch::read(std::string_view line) const {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return "not JSON: " + error.errorString().toStdString();
    }
    if (!document.isObject()) {
        return std::string("not a JSON object");
    }
    const QJsonObject object = document.object();
    static const QStringList keys = {"name", "sex", "date", "time", "target"};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key())) {
            return "unknown key: " + it.key().toStdString();
        }
        if (!it.value().isString()) {
            return it.key().toStdString() + " must be a text";
        }
    }
    for (const QString& key : keys.first(4)) {
        if (!object.contains(key)) {
            return "missing " + key.toStdString();
        }
    }
    ChartArguments args{object["name"].toString(), object["sex"].toString(),
                        object["date"].toString(), object["time"].toString(), std::nullopt};
    if (object.contains(u"target")) {
        args.target = object["target"].toString();
    }
    auto request = readChartRequest(args, calendar_, now_, "");
    if (auto* refusal = std::get_if<Refusal>(&request)) {
        return std::move(refusal->message);
    }
    return std::get<ChartRequest>(std::move(request));
}

void Batch::answer(const BatchItem& item, long long number, std::string& out) const {
    const auto* request = std::get_if<ChartRequest>(&item);
    if (!request) {
        appendErrorLine(out, number, std::get<std::string>(item));
        return;
    }
    try {
        const ChartOutput chart = maker_.make(request->person, request->target);
        {
            JsonLineWriter w(out);
            writeChart(w, chart);
        }
        out += '\n';
    } catch (const Error& e) {
        appendErrorLine(out, number, e.what());
    }
}

std::string Batch::answerLine(std::string_view line, long long number, std::string& out) const {
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

bool Batch::run(int inputFd, int outputFd, int threads) const {
    // A line of the input, or the refusal of one too long to keep.
    struct Line {
        std::string_view text;
        bool tooLong = false;
    };
    std::string pending;  // read, not yet answered
    std::vector<Line> lines;
    const auto shares = static_cast<std::size_t>(std::max(threads, 1));
    std::vector<std::string> outs(shares);
    std::vector<std::string> notes(shares);
    long long lineNumber = 0;
    bool atEnd = false;
    bool skipping = false;  // the rest of an overlong line
    while (!atEnd) {
        const std::size_t size = pending.size();
        pending.resize(size + kReadSize);
        const ssize_t got = ::read(inputFd, pending.data() + size, kReadSize);
        if (got < 0) {
            pending.resize(size);
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        pending.resize(size + static_cast<std::size_t>(got));
        atEnd = got == 0;
        if (skipping) {
            const std::size_t end = pending.find('\n');
            if (end == std::string::npos) {
                pending.clear();
                continue;
            }
            pending.erase(0, end + 1);
            skipping = false;
        }
        // At the end a last line without its line feed counts too.
        std::size_t start = 0;
        while (start < pending.size()) {
            lines.clear();
            const long long firstNumber = lineNumber + 1;
            while (lines.size() < kLinesPerRound && start < pending.size()) {
                std::size_t end = pending.find('\n', start);
                if (end == std::string::npos) {
                    if (!atEnd) {
                        // Memory stays flat even for a line without end: it is refused and
                        // skipped to its line feed.
                        if (pending.size() - start > kMaxLineBytes) {
                            lines.push_back({{}, true});
                            ++lineNumber;
                            start = pending.size();
                            skipping = true;
                        }
                        break;
                    }
                    end = pending.size();
                }
                std::string_view line(pending.data() + start, end - start);
                if (!line.empty() && line.back() == '\r') {
                    line.remove_suffix(1);
                }
                start = end + 1;
                lines.push_back({line});
                ++lineNumber;
            }
            if (lines.empty()) {
                break;
            }
            // Each thread reads and answers one consecutive share, so the shares join in input
            // order.
            const std::size_t share = (lines.size() + shares - 1) / shares;
            for (std::size_t t = 0; t < shares; ++t) {
                outs[t].clear();  // a share may have no lines this round
                notes[t].clear();
            }
            const auto answerShare = [&](std::size_t t) {
                outs[t].reserve(share * kLineSizeGuess);
                for (std::size_t i = t * share; i < std::min(lines.size(), (t + 1) * share); ++i) {
                    const long long number = firstNumber + static_cast<long long>(i);
                    if (lines[i].tooLong) {
                        appendErrorLine(
                            outs[t], number,
                            "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
                    } else {
                        notes[t] += answerLine(lines[i].text, number, outs[t]);
                    }
                }
            };
            std::vector<std::future<void>> helpers;
            for (std::size_t t = 1; t < shares && t * share < lines.size(); ++t) {
                helpers.push_back(std::async(std::launch::async, answerShare, t));
            }
            answerShare(0);
            for (auto& helper : helpers) {
                helper.get();
            }
            for (std::size_t t = 0; t < shares; ++t) {
                if (!notes[t].empty()) {
                    std::fputs(notes[t].c_str(), stderr);
                }
                if (!writeAll(outputFd, outs[t])) {
                    return false;
                }
            }
        }
        pending.erase(0, std::min(start, pending.size()));
    }
    return true;
}

}  // namespace sorvik::cli
