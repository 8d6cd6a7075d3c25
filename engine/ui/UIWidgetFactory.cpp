#include "engine/ui/UIWidgetFactory.h"

#include "engine/core/Diagnostics.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/EditLineWidget.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/LabelWidget.h"
#include "engine/ui/SliderWidget.h"
#include "engine/ui/WindowWidget.h"

std::unique_ptr<BaseWidget> CreateWidgetOfType(UIWidgetType type, const std::string& name,
                                               BaseWidget* parent) {
  switch (type) {
    case UI_WIDGET_TYPE_BUTTON:
      return std::make_unique<ButtonWidget>(name, parent);
    case UI_WIDGET_TYPE_LABEL:
      return std::make_unique<LabelWidget>(name, parent);
    case UI_WIDGET_TYPE_WINDOW:
      return std::make_unique<WindowWidget>(name, parent);
    case UI_WIDGET_TYPE_SLIDER:
      return std::make_unique<SliderWidget>(name, parent);
    case UI_WIDGET_TYPE_CHECK_BOX:
      return std::make_unique<CheckBoxWidget>(name, parent);
    case UI_WIDGET_TYPE_GROUP:
      return std::make_unique<GroupWidget>(name, parent);
    case UI_WIDGET_TYPE_EDIT_LINE:
      return std::make_unique<EditLineWidget>(name, parent);
    default:
      break;
  }
  ULVO_ERROR(Stringf("Unknown Widget Type: %d", static_cast<int>(type)),
             "UlvoUIBasic::CreateComponent");
}
