#include "records/recent_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/key_store.h"

namespace sorvik::records {
namespace {

TEST(RecentFiles, MergesPathsOfThisRunInFrontAndKeepsTen) {
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("registry.ini"));
    const QString owner = QStringLiteral("Software\\Velmora\\TQLX4");
    QStringList old;
    for (int i = 0; i < 10; ++i) {
        old << QStringLiteral("/old/%1.nam").arg(i);
    }
    keys.writeText(RecentFiles::kKey, owner, old.join("\r\n"));

    RecentFiles recent(keys, owner);
    EXPECT_EQ(recent.stored(), old);
    recent.add("/new/a.nam");
    recent.add("/old/5.nam");
    recent.add("/new/a.nam");  // opened again: front of this run's list, once
    EXPECT_EQ(recent.added(), QStringList({"/new/a.nam", "/old/5.nam"}));

    const QStringList merged = recent.merge();
    EXPECT_EQ(merged.size(), 10);
    EXPECT_EQ(merged.mid(0, 4),
              QStringList({"/new/a.nam", "/old/5.nam", "/old/0.nam", "/old/1.nam"}));
    EXPECT_FALSE(merged.contains("/old/9.nam"));

    RecentFiles later(keys, owner);  // the next run reads what was written
    EXPECT_EQ(later.stored(), merged);
}

}  // namespace
}  // namespace sorvik::records
