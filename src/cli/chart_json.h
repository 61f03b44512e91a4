#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cli/json_name.h"
#include "engine/chart_request.h"
#include "strength/double_stars.h"
#include "strength/luck_periods.h"

// The objects the command line prints, described once for any writer with beginObject,
// endObject, beginArray, endArray, key, value(int), value(std::string_view) and intArray: the JSON
// library's builder for single answers, the fast line writer for batches.
namespace sorvik::cli {

using namespace json_names;

// The captions of the double stars' relations.
inline constexpr std::array<JsonName, strength::kRelationCount> kRelationJsonNames = {
    JsonName(strength::kRelationNames[0]), JsonName(strength::kRelationNames[1]),
    JsonName(strength::kRelationNames[2]), JsonName(strength::kRelationNames[3]),
    JsonName(strength::kRelationNames[4])};

// Everything `chart` prints besides what the chart request returns.
struct ChartOutput {
    engine::Chart chart;
    int dokun = 0;
    std::array<std::string, 12> palaceStrength;
    strength::DoubleStarFindingsByPalace doubleStars;
    // Those of the maker, which outlives what it makes.
    const strength::DoubleStarEntryTexts* doubleStarTexts = nullptr;
};

template <typename Writer>
void writeMember(Writer& w, const JsonName& key, int value) {
    w.key(key);
    w.value(value);
}

template <typename Writer>
void writeMember(Writer& w, const JsonName& key, std::string_view text) {
    w.key(key);
    w.value(text);
}

template <typename Writer, typename Range>
void writeTextArray(Writer& w, const Range& texts) {
    w.beginArray();
    for (const auto& text : texts) {
        w.value(std::string_view(text));
    }
    w.endArray();
}

template <typename Writer, typename Rows>
void writeIntRows(Writer& w, const Rows& rows) {
    w.beginArray();
    for (const auto& row : rows) {
        w.intArray(row);
    }
    w.endArray();
}

template <typename Writer>
void writeConversion(Writer& w, const engine::ConvertedMoment& m) {
    w.beginObject();
    writeMember(w, "lunarYear"_name, m.lunar.year);
    writeMember(w, "lunarMonth"_name, m.lunar.month);
    writeMember(w, "lunarDay"_name, m.lunar.day);
    writeMember(w, "hourBranch"_name, static_cast<int>(m.lunar.hour));
    writeMember(w, "leapAdjust"_name, m.leapAdjust);
    writeMember(w, "yearStem"_name, static_cast<int>(m.yearStem));
    writeMember(w, "yearBranch"_name, static_cast<int>(m.yearBranch));
    writeMember(w, "lifePalace"_name, static_cast<int>(m.lifePalace));
    writeMember(w, "bodyPalace"_name, static_cast<int>(m.bodyPalace));
    writeMember(w, "placementMonth"_name, m.placementMonth());
    writeMember(w, "lunarText"_name, m.lunarText);
    w.endObject();
}

// The answer of `lunar`.
template <typename Writer>
void writeLunar(Writer& w, const engine::ConvertedMoment& m) {
    w.beginObject();
    w.key("conversion"_name);
    writeConversion(w, m);
    w.endObject();
}

template <typename Writer>
void writeLabels(Writer& w, const engine::ChartLabels& l) {
    w.beginObject();
    writeMember(w, "Name"_name, l.Name);
    writeMember(w, "Date"_name, l.Date);
    writeMember(w, "Inyo"_name, l.Inyo);
    writeMember(w, "InDate"_name, l.InDate);
    writeMember(w, "Kyoku"_name, l.Kyoku);
    writeMember(w, "Kazoe"_name, l.Kazoe);
    writeMember(w, "Mei"_name, l.Mei);
    writeMember(w, "Sin"_name, l.Sin);
    writeMember(w, "Nat"_name, l.Nat);
    writeMember(w, "ZNen"_name, l.ZNen);
    writeMember(w, "ZKS"_name, l.ZKS);
    w.endObject();
}

template <typename Writer>
void writeDoubleStars(Writer& w, const strength::DoubleStarFindingsByPalace& palaces,
                      const strength::DoubleStarEntryTexts& entryTexts) {
    w.beginArray();
    for (const strength::DoubleStarFindings& findings : palaces) {
        w.beginObject();
        w.key("relations"_name);
        w.beginArray();
        for (std::size_t r = 0; r < findings.relations.size(); ++r) {
            const strength::DoubleStarFinding& found = findings.relations[r];
            w.beginObject();
            w.key("name"_name);
            w.value(kRelationJsonNames[r]);
            w.key("entries"_name);
            w.beginArray();
            for (std::size_t e = 0; e < found.count; ++e) {
                w.value(std::string_view(entryTexts[static_cast<std::size_t>(found.pairs[e])]));
            }
            w.endArray();
            strength::TenthsRoom room;
            writeMember(w, "power"_name, strength::powerText(found.powerTenths, room));
            w.endObject();
        }
        w.endArray();
        strength::TenthsRoom room;
        writeMember(w, "total"_name, strength::totalText(findings.totalTenths, room));
        w.endObject();
    }
    w.endArray();
}

// The answer of `chart`, and one line of `batch`.
template <typename Writer>
void writeChart(Writer& w, const ChartOutput& out) {
    const engine::Chart& chart = out.chart;
    w.beginObject();
    w.key("conversion"_name);
    writeConversion(w, chart.birth);
    w.key("header"_name);
    w.intArray(chart.record.header());
    w.key("labels"_name);
    writeLabels(w, chart.labels);
    writeMember(w, "dokun"_name, out.dokun);
    w.key("monthlyLuckDates"_name);
    writeTextArray(w, chart.monthlyLuckDates);
    writeMember(w, "bureau"_name, chart.placement.bureau);
    w.key("starTable"_name);
    writeIntRows(w, chart.placement.stars);
    w.key("palaceStarLists"_name);
    writeIntRows(w, chart.record.palaceStarLists);
    w.key("yearlyStarLists"_name);
    writeIntRows(w, chart.yearlyStarLists);
    w.key("patternFlags"_name);
    w.intArray(chart.patternFlags);
    w.key("patterns"_name);
    writeTextArray(w, chart.patterns);
    w.key("palaceStrength"_name);
    writeTextArray(w, out.palaceStrength);
    w.key("doubleStars"_name);
    writeDoubleStars(w, out.doubleStars, *out.doubleStarTexts);
    w.endObject();
}

// The answer of `luck`: the table's eight rows of 100 texts.
template <typename Writer>
void writeLuck(Writer& w, const strength::LuckTable& table) {
    w.beginObject();
    w.key("luck"_name);
    w.beginArray();
    for (const auto& row : table) {
        writeTextArray(w, row);
    }
    w.endArray();
    w.endObject();
}

}  // namespace sorvik::cli
