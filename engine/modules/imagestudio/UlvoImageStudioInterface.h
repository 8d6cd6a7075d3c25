#pragma once

#include <memory>

#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"
#include "engine/core/UlvoPath.h"

class Image;

// The engine module that turns image files into Images. Game code uses the
// default instance (the first image studio still alive).
class UlvoImageStudioInterface
    : public UlvoModuleInterface,
      public UlvoCollectedClassInterface<UlvoImageStudioInterface> {
 public:
  // The image in the file, chosen by the path's extension, or null for a
  // kind of file that is not loaded (JPEG, no or another extension). A PNG
  // or TGA file that is not there or is malformed throws UlvoException.
  virtual std::unique_ptr<Image> LoadImage(const UlvoPath& path) = 0;
};
