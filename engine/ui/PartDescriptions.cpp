#include "engine/ui/PartDescriptions.h"

#include "engine/core/Vector2.h"
#include "engine/ui/UITextAlignment.h"

NamedProperties MakePartCaptionDescription(const NamedProperties& source) {
  NamedProperties description(source);
  description.Remove("SetDefaultLabelEvent");
  description.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
  description.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  return description;
}

NamedProperties MakePartButtonDescription(const NamedProperties& source,
                                          const std::string& activationEventName) {
  NamedProperties description = MakePartCaptionDescription(source);
  description.Set("OnActivationEventName", activationEventName);
  description.Set("Label", std::string());
  description.Set("TextOffset", Vector2(0.0f, 0.0f));
  return description;
}
