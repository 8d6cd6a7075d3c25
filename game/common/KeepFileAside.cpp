#include "game/common/KeepFileAside.h"

#include <memory>

#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"

namespace Pemberquill {

std::string KeepFileAside(const unsigned char* bytes, int32_t byteCount, const std::string& fileName,
                          const std::string& suffix)
{
    for (int copy = 1; copy <= MAX_KEPT_ASIDE_COPIES; ++copy) {
        const std::string copyName =
            copy == 1 ? fileName + suffix : Stringf("%s%s%d", fileName.c_str(), suffix.c_str(), copy);
        const UlvoPath copyPath(PATH_MARKER_PLAYER_STORAGE, copyName);
        std::unique_ptr<unsigned char[]> existing;
        // A name that is there but unreadable is taken too: never write over it.
        if (ReadWholeFile(copyPath, existing) != WHOLE_FILE_MISSING) {
            continue;
        }
        if (WriteWholeFile(bytes, copyPath, byteCount) == byteCount) {
            return copyName;
        }
        break;
    }
    return "";
}

} // namespace Pemberquill
