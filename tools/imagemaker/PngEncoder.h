#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace imagemaker {

class Canvas;

using PngTextChunks = std::vector<std::pair<std::string, std::string>>;

// The canvas as a PNG file: colour without alpha when every pixel is opaque,
// else with alpha; 8 bits a channel, the given text chunks, and nothing that
// changes from one run to the next (no time, no software name).
std::vector<uint8_t> EncodePng(const Canvas& canvas, const PngTextChunks& text);

}  // namespace imagemaker
