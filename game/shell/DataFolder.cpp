#include "game/shell/DataFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"

namespace Pemberquill {

namespace {

namespace fs = std::filesystem;

const char* const DATA_FOLDER_NAME = "Data";

bool HoldsDataFolder(const fs::path& folder)
{
    std::error_code ignored;
    return fs::is_directory(folder / DATA_FOLDER_NAME, ignored);
}

void AddOnce(std::vector<std::string>& folders, const std::string& folder)
{
    if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end()) {
        folders.push_back(folder);
    }
}

std::vector<std::string> CandidateFolders(const std::string& workingFolder,
                                          const std::string& executableFolder)
{
    std::vector<std::string> folders;
    AddOnce(folders, workingFolder);
    if (executableFolder.empty()) {
        return folders;
    }
    fs::path folder = fs::path(executableFolder).lexically_normal();
    for (;;) {
        AddOnce(folders, folder.string());
        if (folder == folder.root_path() || !folder.has_parent_path()) {
            return folders;
        }
        folder = folder.parent_path();
    }
}

}  // namespace

DataFolderSearch FindDataFolder(const std::string& workingFolder,
                                const std::string& executableFolder)
{
    DataFolderSearch search;
    for (const std::string& folder : CandidateFolders(workingFolder, executableFolder)) {
        search.foldersLookedIn.push_back(folder);
        if (HoldsDataFolder(folder)) {
            search.holdingFolder = folder;
            break;
        }
    }
    return search;
}

std::string DescribeMissingDataFolder(const std::vector<std::string>& foldersLookedIn)
{
    std::string text = "The game's data folder \"Data\" was not found, so the game cannot start.\n\n"
                       "Looked for it in:\n";
    for (const std::string& folder : foldersLookedIn) {
        text += "    " + folder + "\n";
    }
    text += "\nNone of these folders holds a folder named \"Data\". Keep \"Data\" beside the "
            "program or start the game from the folder that holds it.";
    return text;
}

void UseDataFolder(const std::string& executableFolder)
{
    std::error_code error;
    const std::string workingFolder = fs::current_path(error).string();
    const DataFolderSearch search = FindDataFolder(workingFolder, executableFolder);
    if (search.holdingFolder.empty()) {
        // No source line: the player can act on the text alone.
        throw UlvoException(nullptr, nullptr, 0, "Data folder not found",
                            DescribeMissingDataFolder(search.foldersLookedIn));
    }
    if (search.holdingFolder != workingFolder) {
        fs::current_path(search.holdingFolder, error);
        if (error) {
            throw UlvoException(nullptr, nullptr, 0, "Data folder not found",
                                Stringf("The game's data folder was found in \"%s\", but the game "
                                        "cannot work from there: %s",
                                        search.holdingFolder.c_str(), error.message().c_str()));
        }
    }
    ConsolePrintf("Using the data folder \"%s\".\n",
                  (fs::path(search.holdingFolder) / DATA_FOLDER_NAME).c_str());
}

}  // namespace Pemberquill
