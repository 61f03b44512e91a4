#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "cli/text_object.h"

namespace {

using sorvik::cli::readTextObject;
using sorvik::cli::TextMember;
using Members = std::vector<TextMember>;

// What the JSON library reads from the same text, members in its order of keys.
Members libraryMembers(std::string_view text) {
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray(text.data(), qsizetype(text.size()))).object();
    Members members;
    for (auto it = object.begin(); it != object.end(); ++it) {
        members.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
    }
    return members;
}

Members sorted(Members members) {
    std::sort(members.begin(), members.end());
    return members;
}

TEST(TextObject, ReadsThePlainSpellingOfAnObjectOfTextsAsTheLibraryDoes) {
    const std::pair<std::string_view, Members> cases[] = {
        {R"({"name":"山田","sex":"男"})", {{"name", "山田"}, {"sex", "男"}}},
        {" \t{ \"a\" :\r\n\"b\" , \"c\":\"\"}\t ", {{"a", "b"}, {"c", ""}}},
        {R"({"sex":"\u7537","n\u0061me":"\u5c71\u7530"})", {{"sex", "男"}, {"name", "山田"}}},
        {R"({"a":"\"\\\/\b\f\n\r\t"})", {{"a", "\"\\/\b\f\n\r\t"}}},
        {R"({"a":"\ud842\udfb7田 \u00C9\u00e9"})", {{"a", "𠮷田 Éé"}}},
        {R"({"a":"𠮷 é ｶ \u0001"})", {{"a", "𠮷 é ｶ \x01"}}},
        // Longer than any run read at once.
        {R"({"date":"1990/05/15","time":"08:30","target":"2025/01/01 12:00"})",
         {{"date", "1990/05/15"}, {"time", "08:30"}, {"target", "2025/01/01 12:00"}}},
    };
    for (const auto& [text, members] : cases) {
        const auto read = readTextObject(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(*read, members) << text;
        EXPECT_EQ(sorted(*read), sorted(libraryMembers(text))) << text;
    }
}

TEST(TextObject, LeavesEverythingElseToTheLibrary) {
    for (const std::string_view text :
         {"", "{}", "[]", R"("a")", "{\"a\":\"b\"", R"({"a":"b",})", R"({"a":"b"} x)",
          R"({"a":"b"}{})", R"({"a":1})", R"({"a":null})", R"({"a":["b"]})", R"({"a":{"b":"c"}})",
          R"({"a" "b"})", R"({a:"b"})", "\xEF\xBB\xBF{\"a\":\"b\"}",
          // Escapes of no plain character, and bad escapes.
          R"({"a":"\ud800"})", R"({"a":"\udc00x"})", R"({"a":"\ud800\u0041"})", R"({"a":"\u0000"})",
          R"({"a":"\uFFFE"})", R"({"a":"\ufdd0"})", R"({"a":"\uFEFF"})", R"({"a":"\x"})",
          R"({"a":"\u12"})", R"({"a":"\u12g4"})", R"({"a":"b\)",
          // Control and delete bytes, and bytes that are no UTF-8 or not its shortest form.
          "{\"a\":\"b\tc\"}", "{\"a\":\"\x7F\"}", "{\"a\":\"\x80\"}", "{\"a\":\"\xC3\"}",
          "{\"a\":\"\xC0\xAF\"}", "{\"a\":\"\xE0\x80\xAF\"}", "{\"a\":\"\xED\xA0\x80\"}",
          "{\"a\":\"\xF4\x90\x80\x80\"}", "{\"a\":\"\xEF\xBF\xBF\"}", "{\"a\":\"\xE3\x81\"}"}) {
        EXPECT_EQ(readTextObject(text), std::nullopt) << text;
    }
}

}  // namespace
