#include <gmock/gmock.h>

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/AnimatedTextureDefinition.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace font_test {
namespace {

using ::testing::ElementsAre;

struct DefinitionFile {
  std::string name = "Sparkle";
  std::string frameFolder = "Animations/SparkleFrames";
  std::string framePattern = "*.png";
  int reservedValue = 0;
  bool loadFrameFolder = false;
  float frameRate = 12.5f;
  int textureArgument3 = 1;
  int textureArgument4 = 1;
  int tiled = 0;
  std::vector<std::string> frames;
};

// The text form as a person would write it.
std::string TextDefinition(const DefinitionFile& d) {
  std::string text = "// a sparkle\r\n{\r\n\t3 // leading number\r\n";
  text += "\t\"" + d.name + "\" \"" + d.frameFolder + "\" \"" + d.framePattern + "\"\r\n";
  text += Stringf("\t%d %s %g %d %d %d\r\n\t%d\r\n", d.reservedValue,
                  d.loadFrameFolder ? "true" : "false", d.frameRate, d.textureArgument3,
                  d.textureArgument4, d.tiled, static_cast<int>(d.frames.size()));
  for (const std::string& frame : d.frames) {
    text += "\t\"" + frame + "\"\r\n";
  }
  return text + "}\r\n";
}

// A renderer on a recording device and an image studio, in a data folder
// of the test's own. Every frame image is a square whose side tells which
// file it came from.
class AnimatedTextureTest : public renderer_test::RecordingRendererTest {
 protected:
  void WriteFrame(const std::string& pathInDataFolder, int side) {
    m_data.Write(pathInDataFolder, SolidPng(side, side, Rgba(1, 2, 3, 4)));
  }

  std::unique_ptr<AnimatedTextureDefinition> Load(const std::string& fileName) {
    ResourceStream stream(UlvoPath(PATH_MARKER_DATA, "Animations/" + fileName));
    return std::make_unique<AnimatedTextureDefinition>(stream);
  }

  static std::vector<int> FrameSides(const AnimatedTextureDefinition& definition) {
    std::vector<int> sides;
    for (size_t i = 0; i < definition.GetFrameCount(); ++i) {
      sides.push_back(definition.GetFrame(i)->GetWidth());
    }
    return sides;
  }

  ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
};

TEST_F(AnimatedTextureTest, ListedFramesComeFirstThenTheMatchingFilesOfTheFolder) {
  WriteFrame("Animations/SparkleFrames/c.png", 8);
  WriteFrame("Animations/SparkleFrames/A.png", 4);
  WriteFrame("Animations/SparkleFrames/b.PNG", 16);
  WriteFrame("Animations/SparkleFrames/skip.tga", 32);
  WriteFrame("Animations/Listed/first.png", 64);
  WriteFrame("Animations/Listed/second.png", 2);
  DefinitionFile file;
  file.loadFrameFolder = true;
  file.frames = {"Animations/Listed/first.png", "Animations/Listed/second.png"};
  m_data.Write("Animations/Sparkle.AnimTextureDefinition", TextDefinition(file));

  std::unique_ptr<AnimatedTextureDefinition> definition = Load("Sparkle.AnimTextureDefinition");
  EXPECT_EQ(definition->GetName(), "Sparkle");
  EXPECT_EQ(definition->GetFrameFolder(), "Animations/SparkleFrames");
  EXPECT_EQ(definition->GetFramePattern(), "*.png");
  EXPECT_TRUE(definition->LoadsFrameFolder());
  EXPECT_FLOAT_EQ(definition->GetFrameRate(), 12.5f);
  // The folder's files in name order, letter case ignored.
  EXPECT_THAT(FrameSides(*definition), ElementsAre(64, 2, 4, 16, 8));
}

TEST_F(AnimatedTextureTest, TheFileKeepsTheTiledFlagAfterTheTwoTextureArguments) {
  WriteFrame("Animations/Listed/first.png", 4);
  DefinitionFile file;
  file.reservedValue = -5;
  file.textureArgument3 = 7;
  file.textureArgument4 = 8;
  file.tiled = 1;
  file.frames = {"Animations/Listed/first.png"};
  m_data.Write("Animations/Tiled.AnimTextureDefinition", TextDefinition(file));
  std::unique_ptr<AnimatedTextureDefinition> definition = Load("Tiled.AnimTextureDefinition");
  EXPECT_EQ(definition->GetReservedValue(), -5);
  EXPECT_EQ(definition->GetTextureArgument3(), 7);
  EXPECT_EQ(definition->GetTextureArgument4(), 8);
  EXPECT_EQ(definition->GetTiled(), 1);
  ASSERT_EQ(definition->GetFrameCount(), 1u);
  EXPECT_TRUE(dynamic_cast<Texture_Win32_DirectX81*>(definition->GetFrame(0))->IsTiled());
}

}  // namespace
}  // namespace font_test
