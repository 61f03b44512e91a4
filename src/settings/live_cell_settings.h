#pragma once

#include "strength/palace_cells.h"

namespace sorvik::settings {

class SystemSettings;
class ZiWeiSettings;

// The palace cells read the two settings stores through this view, as they are at the fill.
class LiveCellSettings : public strength::CellSettings {
  public:
    LiveCellSettings(const SystemSettings& system, const ZiWeiSettings& ziwei)
        : system_(system), ziwei_(ziwei) {}

    bool starShownOnChart(int starNumber) const override;
    bool hideZeroPower() const override;
    strength::InfoItem infoItem(int row, int position) const override;
    std::string powerCell(int starNumber, engine::Branch branch) const override;
    std::string brightnessCell(int starNumber, engine::Branch branch) const override;
    std::string brightnessSymbol(int code) const override;
    std::string palaceName(int index) const override;
    std::string sjisPrefix(const std::string& text, int bytes) const override;

  private:
    const SystemSettings& system_;
    const ZiWeiSettings& ziwei_;
};

}  // namespace sorvik::settings
