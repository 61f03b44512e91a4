#pragma once

// Sizes the chart window and the palace detail share, so that the two headers line up.
namespace sorvik::ui {

// The pixel size of the chart's and the centre panel's texts at 100 %.
inline constexpr int kChartFontPixels = 12;
// The width of the "造命" caption before the target date.
inline constexpr int kTargetCaptionWidth = 33;

}  // namespace sorvik::ui
