#include "chart_summary.h"

#include "engine/chart_request.h"
#include "engine/conversion.h"
#include "engine/placement.h"
#include "records/date_texts.h"

namespace sorvik::records {

namespace {

using engine::Branch;
using engine::Stem;

// Where the summary columns are, counted from column 4.
enum SummaryColumn {
    kLunarDate = 0,
    kYinYang,
    kBureau,
    kYear,
    kHour,
    kDokun,
    kLifeMaster,
    kBodyMaster,
    kNayinMaster,
    kBodyPalace,
    kFirstPalace,  // stem and branch, then the stars, for each of the twelve palaces
};
static_assert(kFirstPalace + 2 * engine::kBranchCount == kSummaryColumns);

constexpr int kListedSlots = 20;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The twelve branch names and ten stem names as texts, made once.
const QString& branchText(Branch b) {
    static const auto names = [] {
        std::array<QString, engine::kBranchCount> all;
        for (const Branch branch : engine::kBranches) {
            all[engine::index(branch)] = text(engine::branchName(branch));
        }
        return all;
    }();
    return names[engine::index(b)];
}

const QString& stemText(Stem s) {
    static const auto names = [] {
        std::array<QString, engine::kStemCount> all;
        for (int i = 0; i < engine::kStemCount; ++i) {
            all[i] = text(engine::stemName(engine::stemAt(i)));
        }
        return all;
    }();
    return names[engine::index(s)];
}

}  // namespace

SummaryContext::SummaryContext(const engine::CalendarTable& calendar,
                               const engine::StarDisplayNames& names,
                               const engine::PlacementTables& tables, int bodyStarRule,
                               const std::array<bool, engine::kStarCount + 1>& shownInList)
    : calendar_(calendar), tables_(tables), bodyStarRule_(bodyStarRule), shown_(shownInList) {
    for (int n = 1; n <= engine::kStarCount; ++n) {
        names_[n] = QString::fromStdString(names[n]);
    }
}

Stem palaceStem(Stem yearStem, Branch palace) {
    const int u = engine::index(palace);
    return engine::stemAt(2 * engine::index(yearStem) + u + (u < 2 ? 2 : 0));
}

Summary ComputeSummary(const SummaryContext& context, engine::Sex sex,
                       const engine::DateTime& moment) {
    const engine::ConvertedMoment birth = engine::ConvertBirthMoment(context.calendar(), moment);
    const engine::Counting direction = engine::CountingDirection(sex, birth.yearStem);
    const engine::Placement placement = engine::PlaceStars(birth, direction, context.tables());

    Summary s;
    s[kLunarDate] = text(birth.lunarText);
    s[kYinYang] = engine::isYang(birth.yearStem) ? QStringLiteral("陽") : QStringLiteral("陰");
    s[kBureau] = text(engine::bureauName(placement.bureau));
    s[kYear] = stemText(birth.yearStem) + branchText(birth.yearBranch);
    s[kHour] = branchText(birth.lunar.hour);
    s[kDokun] = branchText(engine::Dokun(birth.lunar.month, birth.leapAdjust, birth.lunar.hour));
    s[kLifeMaster] = context.starName(engine::LifeMasterStar(birth.lifePalace));
    s[kBodyMaster] =
        context.starName(engine::BodyMasterStar(context.bodyStarRule(), birth.yearBranch));
    s[kNayinMaster] = context.starName(engine::NayinMasterStar(placement.bureau));
    s[kBodyPalace] = branchText(birth.bodyPalace);
    for (int i = 0; i < engine::kBranchCount; ++i) {
        const Branch palace = birth.lifePalace - i;
        s[kFirstPalace + 2 * i] = stemText(palaceStem(birth.yearStem, palace)) + branchText(palace);
        QString& stars = s[kFirstPalace + 2 * i + 1];
        const engine::PalaceStarList& list = placement.palaceStarLists[engine::index(palace)];
        for (int slot = 1; slot <= kListedSlots && list[slot] != 0; ++slot) {
            if (context.listed(list[slot])) {
                stars += context.starName(list[slot]);
                stars += u' ';
            }
        }
    }
    return s;
}

std::optional<engine::DateTime> rowMoment(const NameList::Row& row) {
    const std::optional<QDate> date = readDateText(row[NameList::kDate]);
    const std::optional<QTime> time = readTimeText(row[NameList::kTime]);
    if (!date || !time) {
        return std::nullopt;
    }
    return engine::DateTime{
        {date->year(), date->month(), date->day()}, time->hour(), time->minute()};
}

std::optional<engine::DateTime> rowMoment(const NameList& list, int row) {
    return rowMoment(list.row(row));
}

engine::Sex rowSex(const NameList::Row& row) {
    return row[NameList::kSex] == u"女" ? engine::Sex::Female : engine::Sex::Male;
}

engine::Sex rowSex(const NameList& list, int row) {
    return rowSex(list.row(row));
}

QString unreadableMomentMessage(const NameList::Row& cells, int row) {
    return QStringLiteral(
               "%1件目『%2』の生年月日『%3 %4』は日付と時間として読めません。"
               "命盤ﾃﾞｰﾀ生成をここで中止しました。")
        .arg(row + 1)
        .arg(cells[NameList::kName], cells[NameList::kDate], cells[NameList::kTime]);
}

QString unreadableMomentMessage(const NameList& list, int row) {
    return unreadableMomentMessage(list.row(row), row);
}

bool skippedBySummary(const NameList::Row& row) {
    return row[NameList::kTime] == QLatin1StringView(kUnreadableTime);
}

SummaryRun summariseList(NameList& list, const SummaryContext& context) {
    SummaryRun run;
    if (list.isEmpty()) {
        return run;  // the blank row of an empty list is no person
    }
    for (int row = 0; row < list.rowCount(); ++row) {
        if (skippedBySummary(list.row(row))) {
            continue;
        }
        const std::optional<engine::DateTime> moment = rowMoment(list, row);
        if (!moment) {
            run.stoppedAt = row;
            run.message = unreadableMomentMessage(list, row);
            return run;
        }
        if (!context.calendar().inRange(moment->date)) {
            continue;
        }
        list.setCells(row, kFirstSummaryColumn,
                      ComputeSummary(context, rowSex(list, row), *moment));
        ++run.summarised;
    }
    return run;
}

}  // namespace sorvik::records
