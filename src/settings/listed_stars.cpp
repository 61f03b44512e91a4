#include "listed_stars.h"

#include "platform/comma_list.h"
#include "platform/profile_file.h"

namespace sorvik::settings {

namespace {

constexpr int kListColumn = 5;  // name, colour shown, colour, chart, detail, list

}  // namespace

std::array<bool, engine::kStarCount + 1> readListedStars(const QString& settingsFilePath) {
    const platform::ProfileFile file(settingsFilePath);
    std::array<bool, engine::kStarCount + 1> listed{};
    for (int n = 1; n <= engine::kStarCount; ++n) {
        const QString row = file.readString(QStringLiteral("Sys"), QStringLiteral("SG1%1").arg(n));
        const QStringList cells =
            platform::readCommaList(row, kListColumn + 1, platform::LastPiece::Dropped);
        listed[n] = cells[kListColumn] == QString::fromUtf16(kShown);
    }
    return listed;
}

}  // namespace sorvik::settings
