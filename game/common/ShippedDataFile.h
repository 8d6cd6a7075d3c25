#pragma once

#include <functional>
#include <string>

class ResourceStream;

namespace Pemberquill {

// Reads a definition file that the game ships in its data folder. An
// installed game has every such file, so one that is missing or damaged is a
// broken installation: the game stops with an error that names the file
// (and, for a damaged one, what the reader found wrong), reported under
// title.
void ReadShippedDataFile(const std::string& pathInDataFolder, const char* title,
                         const std::function<void(ResourceStream&)>& read);

} // namespace Pemberquill
