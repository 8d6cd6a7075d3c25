#include "game/common/KeepFileAside.h"

#include <functional>
#include <memory>

#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"

namespace Pemberquill {

namespace {

// Offers the free names of the series in turn until store takes one.
std::string StoreUnderFreeName(const std::string& fileName, const std::string& suffix,
                               const std::function<bool(const UlvoPath&)>& store)
{
    for (int copy = 1; copy <= MAX_KEPT_ASIDE_COPIES; ++copy) {
        const std::string copyName = KeptAsideName(fileName, suffix, copy);
        if (IsPlayerFileNameTaken(copyName)) {
            continue;
        }
        if (store(UlvoPath(PATH_MARKER_PLAYER_STORAGE, copyName))) {
            return copyName;
        }
        break;
    }
    return "";
}

} // namespace

std::string KeptAsideName(const std::string& fileName, const std::string& suffix, int copy)
{
    return copy == 1 ? fileName + suffix : Stringf("%s%s%d", fileName.c_str(), suffix.c_str(), copy);
}

bool IsPlayerFileNameTaken(const std::string& fileName)
{
    std::unique_ptr<unsigned char[]> existing;
    return ReadWholeFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName), existing) != WHOLE_FILE_MISSING;
}

std::string KeepFileAside(const unsigned char* bytes, int32_t byteCount, const std::string& fileName,
                          const std::string& suffix)
{
    return StoreUnderFreeName(fileName, suffix, [&](const UlvoPath& copyPath) {
        std::string error;
        if (WriteWholeFile(bytes, copyPath, byteCount, &error) == byteCount) {
            return true;
        }
        ConsolePrintf("ERROR: A copy of \"%s\" could not be saved to \"%s\": %s\n", fileName.c_str(),
                      copyPath.GetResolvedPath().c_str(), error.c_str());
        return false;
    });
}

std::string MoveFileAside(const std::string& fileName, const std::string& suffix)
{
    const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, fileName);
    return StoreUnderFreeName(fileName, suffix,
                              [&](const UlvoPath& copyPath) { return RenameFile(path, copyPath); });
}

} // namespace Pemberquill
