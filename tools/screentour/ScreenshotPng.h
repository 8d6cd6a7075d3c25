#pragma once

#include <string>
#include <vector>

#include "platform/gpu/GpuTypes.h"

namespace screentour {

// Writes the pixels (rows top down) as an 8-bit RGB PNG. Throws
// std::runtime_error when the file cannot be written.
void WriteScreenshotPng(const std::string& path, int width, int height,
                        const std::vector<platform::GpuColor>& pixels);

}  // namespace screentour
