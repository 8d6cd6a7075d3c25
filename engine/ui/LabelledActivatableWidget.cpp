#include "engine/ui/LabelledActivatableWidget.h"

LabelledActivatableWidget::LabelledActivatableWidget(const std::string& name, BaseWidget* parent)
    : ActivatableWidget(name, parent), m_label(name + "Label", nullptr) {
  m_label.SetParent(this);
}

// The label, a member, goes before the activatable and base parts.
LabelledActivatableWidget::~LabelledActivatableWidget() = default;

void LabelledActivatableWidget::ApplyProperties(NamedProperties& source,
                                                NamedProperties& destination) {
  ActivatableWidget::ApplyProperties(source, destination);
  m_label.ApplyStateProperty(source);
}

void LabelledActivatableWidget::LayoutContents() {
  CoverWithPart(m_label);
  ClearLayoutDirty();
}

void LabelledActivatableWidget::OnRolloverBegin() {
  m_label.OnRolloverBegin();
  ActivatableWidget::OnRolloverBegin();
}

void LabelledActivatableWidget::OnRolloverEnd() {
  m_label.OnRolloverEnd();
  ActivatableWidget::OnRolloverEnd();
}
