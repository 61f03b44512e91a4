#pragma once

#include <array>
#include <cstddef>

#include <QString>
#include <QStringList>

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::settings {

// One external program of the tools menu: started with its file as parameter in its folder.
struct Tool {
    QString title;
    QString program;
    QString file;
    QString folder;
    friend bool operator==(const Tool&, const Tool&) = default;
};

// The tools table: ten rows, of which those above the first empty title are the tools. Stored
// as value "SG1" of section Tool, the 40 cells row by row, each followed by ",".
class ToolsTable {
  public:
    static constexpr std::size_t kRows = 10;
    static constexpr std::size_t kColumns = 4;

    // Reads the stored table, or the default (電卓 and Readme) when there is none.
    static ToolsTable load(const platform::KeyStore& keys);
    void save(platform::KeyStore& keys) const;
    static ToolsTable fromStoredText(const QString& text);
    QString storedText() const;

    const Tool& row(std::size_t index) const { return rows_.at(index); }
    // The rows above the first empty title.
    std::size_t toolCount() const;

    // Whether the stored form can hold the tool: its cells are cut at commas, so none may
    // contain one.
    static bool storable(const Tool& tool);
    // "追加": into the first row with an empty title; false (nothing changes) when the title is
    // empty, the tool is not storable or every row is in use.
    bool add(const Tool& tool);
    // "削除": the rows below move up by one, up to and including the first with an empty
    // title, and the last moved row is emptied.
    void remove(std::size_t index);

  private:
    std::array<Tool, kRows> rows_{};
};

inline constexpr const char* kDefaultToolsText =
    "電卓,calc.exe,,,Readme,Notepad.exe,Readme.txt,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";

}  // namespace sorvik::settings
