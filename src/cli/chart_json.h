#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/chart_request.h"
#include "strength/double_stars.h"
#include "strength/luck_periods.h"

// The objects the command line prints, described once for any writer with beginObject,
// endObject, beginArray, endArray, key, value(int), value(std::string_view) and intArray: the JSON
// library's builder for single answers, the fast line writer for batches.
namespace sorvik::cli {

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
void writeMember(Writer& w, std::string_view key, int value) {
    w.key(key);
    w.value(value);
}

template <typename Writer>
void writeMember(Writer& w, std::string_view key, std::string_view text) {
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
    writeMember(w, "lunarYear", m.lunar.year);
    writeMember(w, "lunarMonth", m.lunar.month);
    writeMember(w, "lunarDay", m.lunar.day);
    writeMember(w, "hourBranch", static_cast<int>(m.lunar.hour));
    writeMember(w, "leapAdjust", m.leapAdjust);
    writeMember(w, "yearStem", static_cast<int>(m.yearStem));
    writeMember(w, "yearBranch", static_cast<int>(m.yearBranch));
    writeMember(w, "lifePalace", static_cast<int>(m.lifePalace));
    writeMember(w, "bodyPalace", static_cast<int>(m.bodyPalace));
    writeMember(w, "placementMonth", m.placementMonth());
    writeMember(w, "lunarText", m.lunarText);
    w.endObject();
}

// The answer of `lunar`.
template <typename Writer>
void writeLunar(Writer& w, const engine::ConvertedMoment& m) {
    w.beginObject();
    w.key("conversion");
    writeConversion(w, m);
    w.endObject();
}

template <typename Writer>
void writeLabels(Writer& w, const engine::ChartLabels& l) {
    w.beginObject();
    writeMember(w, "Name", l.Name);
    writeMember(w, "Date", l.Date);
    writeMember(w, "Inyo", l.Inyo);
    writeMember(w, "InDate", l.InDate);
    writeMember(w, "Kyoku", l.Kyoku);
    writeMember(w, "Kazoe", l.Kazoe);
    writeMember(w, "Mei", l.Mei);
    writeMember(w, "Sin", l.Sin);
    writeMember(w, "Nat", l.Nat);
    writeMember(w, "ZNen", l.ZNen);
    writeMember(w, "ZKS", l.ZKS);
    w.endObject();
}

template <typename Writer>
void writeDoubleStars(Writer& w, const strength::DoubleStarFindingsByPalace& palaces,
                      const strength::DoubleStarEntryTexts& entryTexts) {
    w.beginArray();
    for (const strength::DoubleStarFindings& findings : palaces) {
        w.beginObject();
        w.key("relations");
        w.beginArray();
        for (std::size_t r = 0; r < findings.relations.size(); ++r) {
            const strength::DoubleStarFinding& found = findings.relations[r];
            w.beginObject();
            writeMember(w, "name", strength::kRelationNames[r]);
            w.key("entries");
            w.beginArray();
            for (std::size_t e = 0; e < found.count; ++e) {
                w.value(std::string_view(entryTexts[static_cast<std::size_t>(found.pairs[e])]));
            }
            w.endArray();
            writeMember(w, "power", strength::powerText(found.powerTenths));
            w.endObject();
        }
        w.endArray();
        writeMember(w, "total", strength::totalText(findings.totalTenths));
        w.endObject();
    }
    w.endArray();
}

// The answer of `chart`, and one line of `batch`.
template <typename Writer>
void writeChart(Writer& w, const ChartOutput& out) {
    const engine::Chart& chart = out.chart;
    w.beginObject();
    w.key("conversion");
    writeConversion(w, chart.birth);
    w.key("header");
    w.intArray(chart.record.header());
    w.key("labels");
    writeLabels(w, chart.labels);
    writeMember(w, "dokun", out.dokun);
    w.key("monthlyLuckDates");
    writeTextArray(w, chart.monthlyLuckDates);
    writeMember(w, "bureau", chart.placement.bureau);
    w.key("starTable");
    writeIntRows(w, chart.placement.stars);
    w.key("palaceStarLists");
    writeIntRows(w, chart.record.palaceStarLists);
    w.key("yearlyStarLists");
    writeIntRows(w, chart.yearlyStarLists);
    w.key("patternFlags");
    w.intArray(chart.patternFlags);
    w.key("patterns");
    writeTextArray(w, chart.patterns);
    w.key("palaceStrength");
    writeTextArray(w, out.palaceStrength);
    w.key("doubleStars");
    writeDoubleStars(w, out.doubleStars, *out.doubleStarTexts);
    w.endObject();
}

// The answer of `luck`: the table's eight rows of 100 texts.
template <typename Writer>
void writeLuck(Writer& w, const strength::LuckTable& table) {
    w.beginObject();
    w.key("luck");
    w.beginArray();
    for (const auto& row : table) {
        writeTextArray(w, row);
    }
    w.endArray();
    w.endObject();
}

}  // namespace sorvik::cli
