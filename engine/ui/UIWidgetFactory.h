#pragma once

#include <memory>
#include <string>

#include "engine/ui/BaseWidget.h"

// A new widget of the class that type names, not yet described or shown. A
// type that names no class (2, or above UI_WIDGET_TYPE_EDIT_LINE) is an
// assertion.
std::unique_ptr<BaseWidget> CreateWidgetOfType(UIWidgetType type, const std::string& name,
                                               BaseWidget* parent);
