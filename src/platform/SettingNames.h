#pragma once

// Every value name the program keeps under the "Options" group, in one place.
namespace SettingNames {
inline constexpr const char* kGroupOptions = "Options";

// Main frame placement.
inline constexpr const char* kFrameX = "cs_x";
inline constexpr const char* kFrameY = "cs_y";
inline constexpr const char* kFrameWidth = "cs_cx";
inline constexpr const char* kFrameHeight = "cs_cy";

// Shadow defaults given to new elements.
inline constexpr const char* kShadowColor = "ShadowColor";
inline constexpr const char* kShadowLength = "ShadowLength";

// Tip of the day.
inline constexpr const char* kShowTip = "ShowTip";

// View options.
inline constexpr const char* kDisplayGrid = "DisplayGrid";
inline constexpr const char* kGridColor = "GridColor";
inline constexpr const char* kGridType = "GridType";
inline constexpr const char* kUnitType = "UnitType";
inline constexpr const char* kGridSize = "GridSize";
}  // namespace SettingNames
