#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Window;
}

// Icon resources are PNG images in the data folder: resource 101, the
// game's icon, is "Images/Icon256.png". Empty for a number that names none.
std::string WindowIconImagePath(int iconResourceId);

// The icon's pixels as red, green, blue, alpha bytes; false, with the reason
// in error, when the image is missing or unreadable.
bool LoadWindowIconPixels(const std::string& dataRelativePath, std::vector<uint8_t>& rgba,
                          int& width, int& height, std::string& error);

// Puts the icon on the window. A missing or broken icon is logged and the
// window keeps the desktop's default picture.
void ApplyWindowIcon(platform::Window& window, int iconResourceId);
