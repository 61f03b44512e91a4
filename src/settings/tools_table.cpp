#include "tools_table.h"

#include "platform/comma_list.h"
#include "platform/key_store.h"
#include "platform/program_key.h"

namespace sorvik::settings {

namespace {

const QString kValue = QStringLiteral("SG1");

QString toolKey() {
    return platform::programKey(QStringLiteral("Tool"));
}

}  // namespace

ToolsTable ToolsTable::load(const platform::KeyStore& keys) {
    return fromStoredText(keys.hasValue(toolKey(), kValue) ? keys.readText(toolKey(), kValue)
                                                           : QString::fromUtf8(kDefaultToolsText));
}

void ToolsTable::save(platform::KeyStore& keys) const {
    keys.writeText(toolKey(), kValue, storedText());
}

ToolsTable ToolsTable::fromStoredText(const QString& text) {
    const QStringList cells = platform::readCommaList(
        text, static_cast<qsizetype>(kRows * kColumns), platform::LastPiece::Dropped);
    ToolsTable table;
    for (std::size_t r = 0; r < kRows; ++r) {
        const auto at = static_cast<qsizetype>(r * kColumns);
        table.rows_[r] = {cells[at], cells[at + 1], cells[at + 2], cells[at + 3]};
    }
    return table;
}

QString ToolsTable::storedText() const {
    QStringList cells;
    for (const Tool& tool : rows_) {
        cells << tool.title << tool.program << tool.file << tool.folder;
    }
    return platform::joinCommaList(cells);
}

std::size_t ToolsTable::toolCount() const {
    std::size_t count = 0;
    while (count < kRows && !rows_[count].title.isEmpty()) {
        ++count;
    }
    return count;
}

bool ToolsTable::storable(const Tool& tool) {
    for (const QString* cell : {&tool.title, &tool.program, &tool.file, &tool.folder}) {
        if (cell->contains(u',')) {
            return false;
        }
    }
    return true;
}

bool ToolsTable::add(const Tool& tool) {
    if (tool.title.isEmpty() || !storable(tool)) {
        return false;
    }
    for (Tool& row : rows_) {
        if (row.title.isEmpty()) {
            row = tool;
            return true;
        }
    }
    return false;
}

void ToolsTable::remove(std::size_t index) {
    if (index >= kRows) {
        return;
    }
    std::size_t last = index;
    while (last + 1 < kRows) {
        rows_[last] = rows_[last + 1];
        ++last;
        if (rows_[last - 1].title.isEmpty()) {
            break;
        }
    }
    rows_[last] = Tool{};
}

}  // namespace sorvik::settings
