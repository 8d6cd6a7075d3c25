#include "engine/modules/imagestudio/UlvoImageStudioBasic.h"

#include <cstring>

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFilePNG.h"
#include "engine/modules/imagestudio/ImageFileTGA.h"

std::unique_ptr<Image> UlvoImageStudioBasic::LoadImage(const UlvoPath& path) {
  if (path.HasExtension(".png")) {
    return LoadPNG(path);
  }
  if (path.HasExtension(".jpg") || path.HasExtension(".jpeg")) {
    return nullptr;
  }
  if (path.HasExtension(".tga") || path.HasExtension(".targa")) {
    return ImageFileTGA(path).Load();
  }
  return nullptr;
}

// The decoder's rows are copied into an image of the same size and format,
// top row first.
std::unique_ptr<Image> UlvoImageStudioBasic::LoadPNG(const UlvoPath& path) {
  ImageFilePNG loader(path);
  loader.Load();
  const IntVector2 size(static_cast<int32_t>(loader.GetWidth()),
                        static_cast<int32_t>(loader.GetHeight()));
  std::unique_ptr<Image> image = Image::Create(size, loader.GetFormat());
  const size_t rowBytes = static_cast<size_t>(size.x) * image->GetBytesPerPixel();
  for (uint32_t y = 0; y < loader.GetHeight(); ++y) {
    std::memcpy(image->GetPixels() + y * rowBytes, loader.GetRow(y), rowBytes);
  }
  return image;
}
