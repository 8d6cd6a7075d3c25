#pragma once

#include <string>

#include "engine/core/UlvoCollectedClassInterface.h"

// Defined by the renderer, which loads and owns every font.
class BitmapFont;

// What a FontDescriptor needs of the renderer: the loaded font of a face.
// The renderer interface derives from this, so the default font source is
// the default renderer; with no renderer alive there is no font source.
class UlvoFontSourceInterface : public UlvoCollectedClassInterface<UlvoFontSourceInterface> {
 public:
  // The loaded font of that face (exact name), or null when none is loaded.
  virtual BitmapFont* GetFont(const std::string& face) = 0;

 protected:
  ~UlvoFontSourceInterface() = default;
};
