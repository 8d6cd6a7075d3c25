// The cook as content authors run it: the built program, its command line,
// the book it leaves in the working folder and its exit status.
#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardPrinter.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

using namespace Pemberquill;

namespace {

struct CookRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh working folder for each run of the cook, removed afterwards.
class CookCommandLineTest : public ::testing::Test {
protected:
    CookCommandLineTest()
    {
        std::string pattern = ::testing::TempDir() + "pq_cook_run_XXXXXX";
        m_folder = mkdtemp(pattern.data());
    }
    ~CookCommandLineTest() override { std::filesystem::remove_all(m_folder); }

    CookRun Run(const std::string& arguments) const
    {
        const std::filesystem::path out = m_folder / "stdout.txt";
        const std::filesystem::path err = m_folder / "stderr.txt";
        const std::string command = "cd '" + m_folder.string() + "' && '" PQ_COOK_EXECUTABLE "' " + arguments +
                                    " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        CookRun run;
        // A crash is no exit status: it shows as -1.
        run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadWholeFile(out);
        run.err = ReadWholeFile(err);
        return run;
    }

    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

TEST_F(CookCommandLineTest, HelpPrintsTheUsage)
{
    const CookRun run = Run("--help");
    EXPECT_EQ(0, run.exitStatus);
    EXPECT_EQ(0u, run.out.find("Usage: cook --size N --count N [options]"));
    EXPECT_NE(std::string::npos, run.out.find("--output FILE"));
    EXPECT_NE(std::string::npos, run.out.find("Exit status:"));
}

TEST_F(CookCommandLineTest, CooksABookTheChefReadsAndPrintsItsBoards)
{
    const CookRun run = Run("--size 4 --count 5 --first-seed 3 --print --output cooked.recipes");
    ASSERT_EQ(0, run.exitStatus) << run.err;
    EXPECT_NE(std::string::npos, run.err.find("cook: 5 of 5 puzzles from ")) << run.err;

    ResourceStream stream(UlvoPath(PATH_MARKER_NONE, (Folder() / "cooked.recipes").string()));
    ASSERT_TRUE(stream.IsValid());
    EXPECT_TRUE(stream.IsTextFormat());
    const RecipeBook book(stream, "cooked.recipes");
    EXPECT_EQ(PuzzleRequest(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE), book.GetRequest());

    // Every puzzle of the book is printed as the chef rebuilds it.
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    for (int difficulty = 0; difficulty < NUM_DIFFICULTY_RATINGS; ++difficulty) {
        ASSERT_EQ(1u, book.GetDifficultyList(difficulty).size()) << difficulty;
        const PuzzleDescriptor& descriptor = book.GetDifficultyList(difficulty).front();
        EXPECT_GE(descriptor.GetSeed(), 3);
        EXPECT_TRUE(descriptor.IsSolvable());
        const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
        ASSERT_NE(nullptr, puzzle);
        EXPECT_NE(std::string::npos, run.out.find("id " + descriptor.GetPuzzleID() + " difficulty"));
        EXPECT_NE(std::string::npos, run.out.find(PrintBoard(*puzzle->GetBoards()[0]))) << run.out;
    }
}

TEST_F(CookCommandLineTest, TheBookIsNamedAfterItsRequestByDefault)
{
    const CookRun run = Run("--size 5 --count 5 --generator hybrid --rules AUE");
    ASSERT_EQ(0, run.exitStatus) << run.err;
    EXPECT_TRUE(std::filesystem::exists(Folder() / "5-AUE-1.recipes"));
    EXPECT_EQ("", run.out) << "nothing is printed unless asked";
}

TEST_F(CookCommandLineTest, AShortBookIsWrittenAndReported)
{
    // A 1 x 1 board is always solvable, so no seed makes an unsolvable one.
    const CookRun run = Run("--size 1 --count 5 --solvability 0 --max-seeds 20 --output short.recipes");
    EXPECT_EQ(2, run.exitStatus) << run.err;
    EXPECT_NE(std::string::npos, run.err.find("cook: 0 of 5 puzzles from 20 seeds")) << run.err;

    ResourceStream stream(UlvoPath(PATH_MARKER_NONE, (Folder() / "short.recipes").string()));
    ASSERT_TRUE(stream.IsValid());
    const RecipeBook book(stream, "short.recipes");
    EXPECT_TRUE(book.IsEmpty());
}

TEST_F(CookCommandLineTest, ErrorsEndWithStatusOneAndAMessage)
{
    const CookRun unknown = Run("--size 4 --count 5 --colour red");
    EXPECT_EQ(1, unknown.exitStatus);
    EXPECT_EQ(0u, unknown.err.find("cook: unknown option --colour")) << unknown.err;
    EXPECT_NE(std::string::npos, unknown.err.find("Usage: cook"));

    const CookRun unwritable = Run("--size 4 --count 5 --output missing/folder/book.recipes");
    EXPECT_EQ(1, unwritable.exitStatus);
    EXPECT_NE(std::string::npos, unwritable.err.find("cook: could not write missing/folder/book.recipes"))
        << unwritable.err;
}

} // namespace
