#include <gmock/gmock.h>

#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

using ::testing::ElementsAre;

using RendererFrameTest = RecordingRendererTest;

TEST_F(RendererFrameTest, ALostDeviceIsLeftAloneUntilItCanBeReset) {
  m_renderer->OnWindowResize(IntVector2(320, 200));
  m_renderer->SetBlendMode(ULVO_BLEND_ONE, ULVO_BLEND_ONE);
  m_device->loseOnPresent = true;
  m_device->resetPossible = false;
  m_renderer->Render();
  EXPECT_TRUE(m_renderer->IsDeviceLost());

  // Two frames while the driver keeps the device: only the test of whether
  // it can be reset reaches the device.
  ForgetDrawing();
  for (int frame = 0; frame < 2; ++frame) {
    m_renderer->Update();
    m_renderer->SetViewport(IntVector2(0, 0), IntVector2(10, 10));
    m_renderer->SetTransform(0, 0, 10, 10);
    m_renderer->Clear(Rgba(0, 0, 0, 255));
    m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.5f, 0.0f);
    m_renderer->DrawLine(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, Rgba::WHITE, 1.0f, true);
    m_renderer->SetBlendMode(ULVO_BLEND_ZERO, ULVO_BLEND_ZERO);
    m_renderer->Render();
  }
  EXPECT_THAT(m_device->calls, ElementsAre("TestDeviceState", "TestDeviceState"));

  // Once it can be reset, one reset brings it back with the default states.
  m_device->resetPossible = true;
  ForgetDrawing();
  m_renderer->Render();
  EXPECT_THAT(m_device->calls, ::testing::Contains("Reset 320x200"));
  EXPECT_EQ(m_device->CountCalls("Reset 320x200"), 1u);
  EXPECT_FALSE(m_renderer->IsDeviceLost());
  EXPECT_EQ(m_device->blendSource, platform::GpuBlendFactor::SourceAlpha);
  EXPECT_EQ(m_device->blendDestination, platform::GpuBlendFactor::InverseSourceAlpha);

  m_renderer->Update();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  EXPECT_EQ(m_device->fans.size(), 1u);
}

TEST_F(RendererFrameTest, ADeviceLostInTheMiddleOfAFrameStopsTheDrawing) {
  m_device->Lose();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  EXPECT_TRUE(m_renderer->IsDeviceLost());
  ForgetDrawing();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  EXPECT_TRUE(m_device->calls.empty());
  m_renderer->Render();
  m_renderer->Update();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  EXPECT_EQ(m_device->fans.size(), 1u);
}

TEST_F(RendererFrameTest, AfterShutdownNothingReachesADevice) {
  std::unique_ptr<Texture> texture = MakeTexture(4, 4);
  m_renderer->Shutdown();
  EXPECT_EQ(m_renderer->GetDevice(), nullptr);
  m_device = nullptr;
  m_renderer->Update();
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  m_renderer->Render();
  m_renderer->OnWindowResize(IntVector2(100, 100));

  // A texture filled without a device stays empty.
  std::unique_ptr<Texture> late = MakeTexture(4, 4);
  EXPECT_EQ(late->GetDimensions(), IntVector2(4, 4));
  EXPECT_TRUE(m_console.Printed("WARNING: no graphics device"));
}

}  // namespace
}  // namespace renderer_test
