// soundmaker [output folder] [sound name...]
//
// Synthesises the game's sounds and writes them as Ogg Vorbis files, by
// default every sound into Data/Audio. A second run writes the same bytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "game/common/GameSounds.h"
#include "tools/soundmaker/SoundMaker.h"

namespace {

bool IsWanted(const soundmaker::SoundRecipe& recipe, const std::vector<std::string>& names)
{
    if (names.empty()) {
        return true;
    }
    for (const std::string& name : names) {
        if (name == Pemberquill::GetGameSoundName(recipe.id)) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "Data/Audio";
    const std::vector<std::string> names(argv + std::min(argc, 2), argv + argc);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    const auto start = std::chrono::steady_clock::now();
    int made = 0;
    for (const soundmaker::SoundRecipe& recipe : soundmaker::AllSoundRecipes()) {
        if (!IsWanted(recipe, names)) {
            continue;
        }
        std::string error;
        if (!soundmaker::MakeSoundFile(recipe, folder, error)) {
            std::fprintf(stderr, "soundmaker: %s\n", error.c_str());
            return 1;
        }
        ++made;
    }
    if (made == 0) {
        std::fprintf(stderr, "soundmaker: no sound of that name\n");
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("Made %d sounds in %s in %.2f s.\n", made, folder.c_str(), took.count());
    return 0;
}
