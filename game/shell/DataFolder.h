#pragma once

#include <string>
#include <vector>

namespace Pemberquill {

struct DataFolderSearch {
    // In the order they were tried.
    std::vector<std::string> foldersLookedIn;
    // The first of them that holds a folder "Data"; empty when none does.
    std::string holdingFolder;
};

// Tries the working folder, then the program's folder and each of its
// parents up to the root, and stops at the first that holds "Data".
DataFolderSearch FindDataFolder(const std::string& workingFolder,
                                const std::string& executableFolder);

// What the player is told when no folder holds "Data".
std::string DescribeMissingDataFolder(const std::vector<std::string>& foldersLookedIn);

// Makes the first folder that holds "Data" the working folder, so that
// every data path resolves wherever the game was started from, and logs
// which one it is. Throws an UlvoException with the description above when
// none does.
void UseDataFolder(const std::string& executableFolder);

}  // namespace Pemberquill
