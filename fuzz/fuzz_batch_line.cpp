// A batch line from any bytes: it is answered with one line, a chart or its error, over the
// shipped tables; and what the plain reader reads of it, the JSON library reads too.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include <QJsonDocument>
#include <QJsonObject>

#include "cli/batch.h"
#include "cli/chart_maker.h"
#include "cli/json_line_writer.h"
#include "cli/text_object.h"
#include "records/calendar_file.h"

namespace {

struct Shipped {
    sorvik::engine::CalendarTable calendar =
        sorvik::records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    sorvik::cli::ChartMaker maker{calendar, QStringLiteral(SORVIK_DATA_DIR),
                                  QStringLiteral("/nonexistent/registry.ini")};
    sorvik::cli::Batch batch{calendar, maker, {{2026, 12, 10}, 15, 0}};
};

// The members the library reads, when it reads an object of texts with distinct keys.
std::vector<sorvik::cli::TextMember> libraryMembers(std::string_view line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
    std::vector<sorvik::cli::TextMember> members;
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return members;
    }
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString()) {
            return {};
        }
        members.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
    }
    std::sort(members.begin(), members.end());  // the library's order is by UTF-16
    return members;
}

void checkPlainReading(std::string_view line) {
    auto plain = sorvik::cli::readTextObject(line);
    if (!plain) {
        return;
    }
    std::sort(plain->begin(), plain->end());
    const bool distinct =
        std::adjacent_find(plain->begin(), plain->end(), [](const auto& a, const auto& b) {
            return a.first == b.first;
        }) == plain->end();
    if (distinct && *plain != libraryMembers(line)) {
        std::abort();  // the batch would answer this line otherwise than the library reads it
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Shipped shipped;
    checkPlainReading(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string answer;
    sorvik::cli::JsonLineWriter out(answer);
    (void)shipped.batch.answerLine(std::string_view(reinterpret_cast<const char*>(data), size), 1,
                                   out);
    return 0;
}
