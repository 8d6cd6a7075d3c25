#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/modules/application/CursorFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/imagemaker/ImageMaker.h"

namespace imagemaker {
namespace {

using testsupport::Bytes;
using testsupport::ReadFileBytes;

// Tests run in the source tree: the committed images are under Data/Images.
const std::string IMAGES = "Data/Images/";

struct Size {
  int width = 0;
  int height = 0;
};

// Width and height from a PNG's header chunk; (0, 0) when it is no PNG.
Size PngSize(const Bytes& png) {
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(signature), std::end(signature), png.begin())) {
    return {};
  }
  auto read32 = [&](size_t at) {
    return static_cast<int>((png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]);
  };
  return {read32(16), read32(20)};
}

const ImageCatalog& Catalog() {
  static const ImageCatalog catalog = FullCatalog();
  return catalog;
}

const ImageRecipe* Find(const std::string& path) {
  for (const ImageRecipe& recipe : Catalog()) {
    if (recipe.path == path) {
      return &recipe;
    }
  }
  return nullptr;
}

TEST(ImageMakerTest, EveryImageOfTheToolIsCommittedAtItsSize) {
  for (const ImageRecipe& recipe : Catalog()) {
    const Size size = PngSize(ReadFileBytes(IMAGES + recipe.path));
    EXPECT_EQ(size.width, recipe.width) << recipe.path;
    EXPECT_EQ(size.height, recipe.height) << recipe.path;
  }
}

// Names the screens, the campaign file and the achievement definitions use,
// spelled exactly (the long buttons say "HiLite", the square ones "Hilite").
std::vector<std::string> NamedImages() {
  std::vector<std::string> names = {
      "Backgrounds/TitleScreen_1024x1024.png", "Backgrounds/HowToPlay_1024x1024.png",
      "Backgrounds/Instructor1024x1024.png", "UI/CheckMark.png", "UI/Uncheck.png",
      "UI/QuestionMark.png", "UI/Button_Grey_Long.png", "UI/Button_Orange_Default.png",
      "UI/Button_Orange_HiLite.png", "UI/Button_Orange_Active.png", "UI/Button_Blue_Default.png",
      "UI/Button_Blue_HiLite.png", "UI/Button_Blue_Active.png", "UI/SquareButton_Red_Default.png",
      "UI/SquareButton_inactive.png", "UI/SquareButton_Red_Hilite.png",
      "UI/SquareButton_Red_Active.png", "UI/SquareButton_Green_Default.png",
      "UI/SquareButton_Green_Hilite.png", "UI/SquareButton_Green_Active.png", "UI/Arrow_Right.png",
      "UI/Arrow_Left.png", "UI/Button_Grey.png", "UI/Button_Red.png", "UI/Button_Orange.png",
      "UI/Button_Blue.png", "UI/popup_back.png", "UI/popup_back_horizontal.png",
      "UI/popup_back_vertical.png", "UI/SquareButton_Orange_Default.png",
      "UI/SquareButton_Orange_Hilite.png", "UI/Lock.png", "UI/Satisfied_Default.png",
      "UI/Satisfied_Hilite.png", "UI/Completed_Default.png", "UI/Completed_Hilite.png",
      "UI/CloudQuestion256.png", "SplashScreens/splash00.png", "Cursors/PaintBrush2.png",
      "Icon256.png"};
  for (const char* region : {"Ocean", "Canyon", "Forest", "Mountain", "Sky", "Beyond"}) {
    for (const char* kind : {"Map", "Locked", "Unlocked", "Highlighted"}) {
      names.push_back(std::string("Backgrounds/Region_") + region + "_" + kind + ".png");
    }
  }
  for (const char* achievement :
       {"FirstPuzzle", "TutorialComplete", "OceanSatisfied", "OceanCompleted", "CanyonSatisfied",
        "CanyonCompleted", "ForestSatisfied", "ForestCompleted", "MountainSatisfied",
        "MountainCompleted", "SkySatisfied", "SkyCompleted", "BeyondSatisfied", "BeyondCompleted",
        "NoMistakes5", "NoMistakes25", "NoHints10", "SpeedSolver", "Challenge1", "ChallengeAll",
        "TwoBoards", "HiddenCages", "Puzzles100", "PerfectGrade"}) {
    for (const char* state : {"Achieved", "Unachieved"}) {
      names.push_back(std::string("Achievements/png/") + state + "/" + achievement + ".png");
    }
  }
  return names;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Full-screen pictures show their top 1024 x 640; region buttons show the
// top 38.6 % stretched over a strip about ten times as wide as high;
// thumbnails take their size from the square template.
TEST(ImageMakerTest, EveryNamedImageIsDrawnInTheShapeItsScreenShows) {
  for (const std::string& name : NamedImages()) {
    const ImageRecipe* recipe = Find(name);
    ASSERT_NE(recipe, nullptr) << name;
    const double aspect = static_cast<double>(recipe->width) / recipe->height;
    if (name.find("1024x1024") != std::string::npos || EndsWith(name, "_Map.png")) {
      EXPECT_EQ(recipe->width, 1024) << name;
      EXPECT_EQ(recipe->height, 1024) << name;
    } else if (name.find("Backgrounds/Region_") == 0) {
      EXPECT_NEAR(aspect / 0.386, 10.5, 1.5) << name;
    } else if (name.find("Achievements/") == 0 || name.find("Square") != std::string::npos ||
               EndsWith(name, "256.png")) {
      EXPECT_EQ(recipe->width, recipe->height) << name;
    }
  }
  EXPECT_EQ(Find("Icon256.png")->width, 256);
}

// Every image a screen names in the code must be among the committed files.
TEST(ImageMakerTest, EveryImageNamedInTheGameCodeIsCommitted) {
  const std::regex literal("\"(Images/[A-Za-z0-9_/%]+\\.png)\"");
  int named = 0;
  for (const char* folder : {"engine", "game"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h") {
        continue;
      }
      std::ifstream file(entry.path());
      std::stringstream text;
      text << file.rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
        // A numbered name ("splash%02d.png") must at least have its first file.
        const std::string name = std::regex_replace((*it)[1].str(), std::regex("%02d"), "00");
        if (name.find('%') != std::string::npos) {
          continue;
        }
        ++named;
        EXPECT_TRUE(std::filesystem::exists("Data/" + name)) << name << " in " << entry.path();
      }
    }
  }
  EXPECT_GT(named, 0);
}

TEST(ImageMakerTest, TheCursorCarriesAHotSpotInsideIt) {
  CursorImage cursor;
  std::string error;
  ASSERT_TRUE(DecodeCursorImage(ReadFileBytes(IMAGES + "Cursors/PaintBrush2.png"), cursor, error))
      << error;
  EXPECT_NE(cursor.hotX + cursor.hotY, 0) << "the chunk was not read";
  const size_t tip = (static_cast<size_t>(cursor.hotY) * cursor.width + cursor.hotX) * 4;
  EXPECT_GT(cursor.rgba.at(tip + 3), 0) << "the hot spot lies on a transparent pixel";
}

// One image of each kind that could drift: laid-out text, greyed emblems,
// a text chunk, a region banner. Drawn again, they match the committed bytes.
TEST(ImageMakerTest, DrawingAgainGivesTheCommittedBytes) {
  for (const char* path :
       {"Backgrounds/HowToPlay_1024x1024.png", "Achievements/png/Unachieved/NoHints10.png",
        "Cursors/PaintBrush2.png", "Backgrounds/Region_Sky_Locked.png", "UI/Button_Blue_HiLite.png"}) {
    const ImageRecipe* recipe = Find(path);
    ASSERT_NE(recipe, nullptr) << path;
    const std::vector<uint8_t> drawn = RenderImage(*recipe);
    EXPECT_TRUE(Bytes(drawn.begin(), drawn.end()) == ReadFileBytes(IMAGES + path))
        << path << " differs from the committed file: run imagemaker Data/Images";
  }
}

TEST(ImageMakerTest, AnUnknownImageNameWritesNothing) {
  testsupport::TemporaryFolder folder;
  std::ostringstream log;
  EXPECT_FALSE(MakeImages(Catalog(), folder.Path(), {"UI/Lock.png", "UI/NoSuch.png"}, log));
  EXPECT_NE(log.str().find("UI/NoSuch.png"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// Pango and fontconfig keep their fonts for the life of the process; they
// are let go at the end so that the leak checker sees only real leaks.
class FontCacheRelease : public ::testing::Environment {
 public:
  void TearDown() override {
    pango_cairo_font_map_set_default(nullptr);
    cairo_debug_reset_static_data();
    FcFini();
  }
};

const ::testing::Environment* const FONT_CACHE_RELEASE =
    ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace
}  // namespace imagemaker
