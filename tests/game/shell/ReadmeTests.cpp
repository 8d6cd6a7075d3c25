// The README tells a player what the game does: when progress is saved,
// what a first start looks like, whose options are whose, what becomes of
// the log. Where the game's own text is quoted, it is the game's.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "game/shell/LoadingScreen.h"
#include "game/shell/TheGame.h"

namespace Pemberquill {
namespace {

std::string Readme()
{
    std::ostringstream text;
    text << std::ifstream(std::string(PQ_SOURCE_DIR) + "/README.md").rdbuf();
    // Lines are wrapped anywhere: compare the words.
    std::string words;
    std::istringstream in(text.str());
    for (std::string word; in >> word;) {
        words += (words.empty() ? "" : " ") + word;
    }
    return words;
}

TEST(ReadmeTest, SaysWhenProgressIsSavedAndWhatAStartLooksLike)
{
    const std::string readme = Readme();
    const std::string required[] = {
        "Progress is not saved move by move.",
        "when the player leaves a puzzle with \"Exit Puzzle\" in the puzzle menu;",
        "when another player is chosen (the player left is saved);",
        "when the game ends through \"Quit Game\"",
        "once a save of a player file (the profile or the options) has failed, they read \"(NOT saved)\" until the "
        "progress is saved again",
        "a message box says so every time",
        std::string("shows \"") + LoadingScreen::TITLE + "\"",
        "then a splash image shows",
        "then the game goes full screen",
        "Options belong to each player",
        std::string("`Pemberquill/") + UlvoCommandConsoleBasic::LOG_FILE_NAME + "` is the log. It is written anew at "
                                                                               "each start",
        std::string("`Pemberquill/") + TheGame::RUNNING_LOCK_FILE_NAME + "`",
    };
    for (const std::string& text : required) {
        EXPECT_NE(readme.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(readme.find("saved as you play"), std::string::npos);
}

}  // namespace
}  // namespace Pemberquill
