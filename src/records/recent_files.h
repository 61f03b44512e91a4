#pragma once

#include <QString>
#include <QStringList>

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::records {

// The recently opened name files, most recent first, at most ten. Paths opened during this run
// are collected apart and merged into the stored list when the menu is rebuilt and at exit.
class RecentFiles {
  public:
    static constexpr int kMaxHistory = 10;
    static constexpr auto kKey = "\\Software\\OpnFilHs\\OFH";

    // valueName: the program's own key path, under which its list is kept.
    RecentFiles(platform::KeyStore& keys, QString valueName);

    // The list as stored.
    QStringList stored() const;
    // A path opened in this run goes to the front of the added paths.
    void add(const QString& path);
    QStringList added() const { return added_; }
    // Merges the added paths into the stored list, cuts it to ten, writes it and returns the
    // list read back.
    QStringList merge();

  private:
    platform::KeyStore& keys_;
    QString valueName_;
    QStringList added_;
};

}  // namespace sorvik::records
