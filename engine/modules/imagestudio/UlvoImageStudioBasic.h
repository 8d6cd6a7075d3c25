#pragma once

#include <memory>

#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"

// Loads ".png" (ImageFilePNG) and ".tga"/".targa" (ImageFileTGA) files;
// ".jpg" and ".jpeg" are recognised and give no image, like any other
// extension. The module keeps no state and has nothing to do each frame.
class UlvoImageStudioBasic : public UlvoImageStudioInterface {
 public:
  std::unique_ptr<Image> LoadImage(const UlvoPath& path) override;

 private:
  static std::unique_ptr<Image> LoadPNG(const UlvoPath& path);
};
