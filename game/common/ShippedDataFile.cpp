#include "game/common/ShippedDataFile.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"

namespace Pemberquill {

void ReadShippedDataFile(const std::string& pathInDataFolder, const char* title,
                         const std::function<void(ResourceStream&)>& read)
{
    const UlvoPath path(PATH_MARKER_DATA, pathInDataFolder);
    ResourceStream stream(path);
    ULVO_ASSERT(stream.IsValid(), Stringf("Unable to read the data file %s.", path.GetResolvedPath().c_str()), title);
    try {
        read(stream);
    } catch (const UlvoException& error) {
        // The reader says what was wrong but not always in which file.
        ULVO_ERROR(Stringf("The data file %s is damaged and cannot be read: %s", path.GetResolvedPath().c_str(),
                           error.GetMessage().c_str()),
                   title);
    }
}

} // namespace Pemberquill
