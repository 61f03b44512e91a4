#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/chart_json.h"
#include "cli/chart_maker.h"
#include "cli/json_builder.h"
#include "cli/json_line_writer.h"
#include "records/calendar_file.h"

namespace {

using namespace sorvik;

// What the JSON library reads from the fast writer's line, and whether it is one line.
template <typename Write>
QJsonValue readBack(Write write) {
    std::string line = "[";
    {
        cli::JsonLineWriter w(line);
        write(w);
    }
    line += ']';
    EXPECT_EQ(line.find('\n'), std::string::npos);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    return document.array().first();
}

template <typename Write>
QJsonValue built(Write write) {
    cli::JsonBuilder builder;
    write(builder);
    return builder.result();
}

TEST(JsonLineWriter, EscapesWhatJsonEscapes) {
    std::string every;
    for (int c = 1; c < 128; ++c) {
        every += static_cast<char>(c);
    }
    for (const std::string& text :
         {std::string(), std::string("\0", 1), every, std::string("旧暦\"2020\"年\\n"),
          std::string("紫微天相10 \t計：-0.5")}) {
        const auto write = [&](auto& w) {
            w.beginObject();
            w.key(text);
            w.beginArray();
            w.value(text);
            w.value(-2147483647 - 1);
            w.beginObject();
            w.endObject();
            w.beginArray();
            w.endArray();
            w.endArray();
            w.endObject();
        };
        EXPECT_EQ(readBack(write), built(write)) << text;
    }
}

TEST(JsonLineWriter, FindsAnEscapeAtEveryPlaceOfALongText) {
    // The writer looks at eight bytes at a time; a byte to escape may stand at any of them,
    // before bytes of Japanese text.
    for (const char special : {'\0', '\x1f', '"', '\\'}) {
        for (std::size_t at = 0; at <= 16; ++at) {
            std::string text = "abcdefghijklmnop紫微\x7f天府";
            text.insert(at, 1, special);
            const auto write = [&](auto& w) { w.value(text); };
            EXPECT_EQ(readBack(write), built(write)) << int(special) << " at " << at;
        }
    }
}

TEST(JsonLineWriter, WritesIntegerArraysOfAnySize) {
    std::vector<std::vector<int>> arrays = {{},
                                            {0},
                                            {9, 10, 99, 100, 999, 1000, 1984},
                                            {-1, -9, -10, -99, -100, -101},
                                            {-1000, 2147483647, -2147483647 - 1}};
    // Runs of zeros, at the end too, shorter and longer than the writer copies at once.
    arrays.push_back(std::vector<int>(40, 0));
    arrays.push_back({0, 0, 5, 0, 0, 0});
    arrays.back().resize(37, 0);
    for (const std::vector<int>& numbers : arrays) {
        const auto write = [&](auto& w) {
            w.beginArray();
            w.intArray(numbers);
            w.value(7);
            w.endArray();
        };
        EXPECT_EQ(readBack(write), built(write)) << numbers.size();
    }
}

// Charts over the shipped tables, across the calendar, as the batch writes them.
TEST(JsonLineWriter, WritesTheChartTheLibraryBuilds) {
    QTemporaryDir keys;
    const QString data = QStringLiteral(SORVIK_DATA_DIR);
    const engine::CalendarTable calendar = records::LoadCalendar(data);
    const cli::ChartMaker maker(calendar, data, keys.filePath("registry.ini"));
    for (int i = 0; i < 120; ++i) {
        const engine::BirthMoment person{"名前" + std::to_string(i), engine::sexAt(i % 2),
                                         engine::formatSlashed({1901 + i, 1 + i % 12, 1 + i % 28}),
                                         std::to_string(i % 24) + ":" + std::to_string(i % 60)};
        const engine::DateTime target{
            {std::min(2029, 1950 + i), 1 + i * 7 % 12, 1 + i % 27}, i % 24, i * 13 % 60};
        const cli::ChartOutput chart = maker.make(person, target);
        const auto write = [&](auto& w) { cli::writeChart(w, chart); };
        ASSERT_EQ(readBack(write), built(write)) << person.dateText;
    }
}

}  // namespace
