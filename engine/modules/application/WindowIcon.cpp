#include "engine/modules/application/WindowIcon.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFilePNG.h"
#include "platform/window/Window.h"

namespace {

constexpr int GAME_ICON_RESOURCE_ID = 101;

}  // namespace

std::string WindowIconImagePath(int iconResourceId) {
  return iconResourceId == GAME_ICON_RESOURCE_ID ? "Images/Icon256.png" : "";
}

bool LoadWindowIconPixels(const std::string& dataRelativePath, std::vector<uint8_t>& rgba,
                          int& width, int& height, std::string& error) {
  ImageFilePNG file(UlvoPath(PATH_MARKER_DATA, dataRelativePath));
  try {
    file.Load();
  } catch (const UlvoException& exception) {
    error = exception.GetMessage();
    return false;
  }
  const int format = file.GetFormat();
  if (format != Image::IMAGE_FORMAT_RGBA && format != Image::IMAGE_FORMAT_RGB) {
    error = "the icon is not a colour image";
    return false;
  }
  const size_t channels = format == Image::IMAGE_FORMAT_RGBA ? 4 : 3;
  width = static_cast<int>(file.GetWidth());
  height = static_cast<int>(file.GetHeight());
  rgba.clear();
  rgba.reserve(static_cast<size_t>(width) * height * 4);
  for (uint32_t y = 0; y < file.GetHeight(); ++y) {
    const unsigned char* row = file.GetRow(y);
    for (uint32_t x = 0; x < file.GetWidth(); ++x) {
      const unsigned char* pixel = row + x * channels;
      rgba.insert(rgba.end(), pixel, pixel + 3);
      rgba.push_back(channels == 4 ? pixel[3] : 255);
    }
  }
  return true;
}

void ApplyWindowIcon(platform::Window& window, int iconResourceId) {
  const std::string path = WindowIconImagePath(iconResourceId);
  if (path.empty()) {
    return;
  }
  std::vector<uint8_t> rgba;
  int width = 0;
  int height = 0;
  std::string error;
  if (!LoadWindowIconPixels(path, rgba, width, height, error) ||
      !window.SetIcon(rgba.data(), rgba.size(), width, height, error)) {
    ConsolePrintf("WARNING: window icon \"%s\" not set: %s\n", path.c_str(), error.c_str());
  }
}
