#pragma once

#include <cstdint>

// How a widget is placed. Only UI_LAYOUT_MODE_PARENT_RELATIVE is placed by
// its container's layout and rescaled by ScaleLayout; a widget in any other
// mode keeps the "Bounds" it was given.
enum UILayoutMode : int32_t {
  UI_LAYOUT_MODE_ABSOLUTE = 0,
  UI_LAYOUT_MODE_PARENT_RELATIVE = 1,
};
