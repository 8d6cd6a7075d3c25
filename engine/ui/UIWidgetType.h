#pragma once

#include <cstdint>

// The class that a widget description's "Type" builds. The value 2 names no
// class and is rejected like any value above UI_WIDGET_TYPE_EDIT_LINE.
enum UIWidgetType : int32_t {
  UI_WIDGET_TYPE_BUTTON = 0,
  UI_WIDGET_TYPE_LABEL = 1,
  UI_WIDGET_TYPE_WINDOW = 3,
  UI_WIDGET_TYPE_SLIDER = 4,
  UI_WIDGET_TYPE_CHECK_BOX = 5,
  UI_WIDGET_TYPE_GROUP = 6,
  UI_WIDGET_TYPE_EDIT_LINE = 7,
};
