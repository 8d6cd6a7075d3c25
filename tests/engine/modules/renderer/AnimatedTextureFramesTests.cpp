// Animated-texture definitions read from their files, down to the frames
// they put on the device.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/AnimatedTextureDefinition.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/support/ScopedDataFolder.h"

namespace renderer_test {
namespace {

class AnimatedTextureFramesTest : public RecordingRendererTest {
 protected:
  // The width of each frame and whether the device wraps it when drawn.
  std::vector<std::pair<int, bool>> Frames(const AnimatedTextureDefinition& definition) {
    std::vector<std::pair<int, bool>> frames;
    for (size_t i = 0; i < definition.GetFrameCount(); ++i) {
      ForgetDrawing();
      Texture* frame = definition.GetFrame(i);
      m_renderer->DrawTexturedQuad(frame, Vector2(0, 0), Vector2(1, 1), Rgba::WHITE, Vector2(0, 0),
                                   Vector2(2, 2));
      EXPECT_EQ(m_device->fans.size(), 1u);
      frames.emplace_back(frame->GetWidth(), !m_device->fans.empty() &&
                                                 m_device->fans[0].addressMode ==
                                                     platform::GpuAddressMode::Wrap);
    }
    return frames;
  }

  testsupport::ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
};

// Every value has its own place in the file; the tiled flag comes after the
// two texture arguments and reaches every frame. Listed frames load first,
// then the folder's in name order; a listed frame that is missing is skipped.
TEST_F(AnimatedTextureFramesTest, EachValueIsReadFromItsPlaceAndTheFramesFollowTheTiledFlag) {
  m_data.Write("Frames/a.png", font_test::SolidPng(2, Rgba::WHITE));
  m_data.Write("Frames/b.png", font_test::SolidPng(4, Rgba::WHITE));
  m_data.Write("Other/c.png", font_test::SolidPng(8, Rgba::WHITE));
  m_data.Write("Animations/1.AnimTextureDefinition",
               "{ 3 \"Glow\" \"Frames\" \"*.png\" 7 true 12.5 5 6 1 2 \"Frames/b.png\" "
               "\"Frames/none.png\" }");
  m_data.Write("Animations/2.AnimTextureDefinition",
               "{ 9 \"Still\" \"Frames\" \"*.png\" 0 false 0.5 1 1 0 1 \"Other/c.png\" }");
  const std::vector<std::unique_ptr<AnimatedTextureDefinition>> loaded =
      AnimatedTextureDefinition::LoadAll();
  ASSERT_EQ(loaded.size(), 2u);
  const AnimatedTextureDefinition& glow = *loaded[0];
  EXPECT_EQ(std::make_tuple(glow.GetName(), glow.GetFrameFolder(), glow.GetFramePattern(),
                            glow.GetReservedValue(), glow.GetFrameRate(),
                            glow.GetTextureArgument3(), glow.GetTextureArgument4(),
                            glow.GetTiled()),
            std::make_tuple(std::string("Glow"), std::string("Frames"), std::string("*.png"), 7,
                            12.5f, 5, 6, 1));
  EXPECT_EQ(Frames(glow), (std::vector<std::pair<int, bool>>{{4, true}, {2, true}, {4, true}}));
  EXPECT_EQ(Frames(*loaded[1]), (std::vector<std::pair<int, bool>>{{8, false}}));
  EXPECT_EQ(AnimatedTextureDefinition::Find("still"), loaded[1].get());
}

}  // namespace
}  // namespace renderer_test
