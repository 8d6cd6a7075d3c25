#pragma once

#include <initializer_list>
#include <string>

#include "engine/core/NamedProperties.h"

// The descriptions that check boxes and sliders hand their parts, built from
// what is left of their own description.

// A caption: the text centred both ways. It never hears the owner's
// "SetDefaultLabelEvent", which is meant for the value that the owner shows.
NamedProperties MakePartCaptionDescription(const NamedProperties& source);

// A button part: fires activationEventName and shows no text of its own.
NamedProperties MakePartButtonDescription(const NamedProperties& source,
                                          const std::string& activationEventName);

// When source holds a T under sourceName, stores it under destinationName in
// every destination bag; true when it did.
template <typename T>
bool CopyToPartsIfPresent(const NamedProperties& source, const std::string& sourceName,
                          std::initializer_list<NamedProperties*> destinations,
                          const std::string& destinationName) {
  T value{};
  if (source.Get(sourceName, value) != PROPERTY_FETCH_OK) {
    return false;
  }
  for (NamedProperties* destination : destinations) {
    destination->Set(destinationName, value);
  }
  return true;
}
