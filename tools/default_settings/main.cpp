// Writes the settings file that ships beside the program, so that a first start shows a useful
// chart: three info rows and every star in the chart, coloured by kind.
#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "engine/catalogue.h"
#include "platform/key_store.h"
#include "platform/profile_file.h"
#include "settings/system_settings.h"

using namespace sorvik;

namespace {

// Windows colour values (0x00BBGGRR).
constexpr std::uint32_t kMainStarColour = 0x0000C0;  // dark red
constexpr std::uint32_t kGoodStarColour = 0xC00000;  // dark blue
constexpr std::uint32_t kBadStarColour = 0x800080;   // purple

using strength::InfoItem;
constexpr InfoItem kInfoRows[5][6] = {
    {InfoItem::Stem, InfoItem::Branch, InfoItem::PalaceName},
    {InfoItem::Strength, InfoItem::Decade, InfoItem::Minor},
    {InfoItem::Sihua1, InfoItem::Sihua2, InfoItem::Sihua3, InfoItem::BodyPalace},
};

bool isMainStar(int starNumber) {
    return starNumber <= 14;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Default.ini>\n", argv[0]);
        return 2;
    }
    const QFileInfo target(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir keysDir;
    platform::KeyStore keys(keysDir.filePath("keys.ini"));
    const auto names = engine::BuildStarDisplayNames("殺");
    settings::SystemSettings s(target.absolutePath(), keys, names);
    s.setSettingsFileName(target.fileName());

    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 6; ++c) {
            s.setKCSG(r + 1, c + 1, settings::infoItemName(kInfoRows[r][c]));
        }
    }
    for (int n = 1; n <= engine::kStarCount; ++n) {
        const bool good = engine::starInfo(n).classCode % 2 == 1;
        s.setStarColour(n, isMainStar(n) ? kMainStarColour
                           : good        ? kGoodStarColour
                                         : kBadStarColour);
        s.setShowsStar(n, settings::StarView::Chart, true);
        s.setShowsStar(n, settings::StarView::Detail, true);
        s.setShowsStar(n, settings::StarView::List, isMainStar(n));
    }
    if (const auto refusal = s.accept()) {
        std::fprintf(stderr, "%s\n", qPrintable(refusal->message));
        return 1;
    }
    // The output folder is the user's own documents folder, not the one of this machine.
    platform::ProfileFile file(target.absoluteFilePath());
    file.deleteKey(QString::fromLatin1(settings::kSysSection), QStringLiteral("MeiFolder"));
    file.save();
    return 0;
}
