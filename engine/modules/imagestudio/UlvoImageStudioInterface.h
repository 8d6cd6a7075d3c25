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
  // file that does not exist or a kind of file that is not loaded. A file
  // that is there but malformed throws UlvoException.
  virtual std::unique_ptr<Image> LoadImage(const UlvoPath& path) = 0;
};
