#include "live_cell_settings.h"

#include "platform/sjis.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::settings {

bool LiveCellSettings::starShownOnChart(int starNumber) const {
    return system_.showInChart(starNumber);
}

bool LiveCellSettings::hideZeroPower() const {
    return system_.hideZeroPower();
}

strength::InfoItem LiveCellSettings::infoItem(int row, int position) const {
    return system_.infoItem(row + 1, position + 1);
}

std::string LiveCellSettings::powerCell(int starNumber, engine::Branch branch) const {
    return ziwei_.cell(settings::Grid::Powers, starNumber, engine::index(branch) + 1).toStdString();
}

std::string LiveCellSettings::brightnessCell(int starNumber, engine::Branch branch) const {
    return ziwei_.cell(settings::Grid::Brightness, starNumber, engine::index(branch) + 1)
        .toStdString();
}

std::string LiveCellSettings::brightnessSymbol(int code) const {
    return ziwei_.brightnessSymbols().at(static_cast<std::size_t>(code)).toStdString();
}

std::string LiveCellSettings::palaceName(int index) const {
    return ziwei_.palaceNameTable().at(static_cast<std::size_t>(index)).toStdString();
}

std::string LiveCellSettings::sjisPrefix(const std::string& text, int bytes) const {
    return platform::sjisBytePrefix(QString::fromStdString(text), bytes).toStdString();
}

}  // namespace sorvik::settings
