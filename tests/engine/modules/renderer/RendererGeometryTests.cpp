#include <cmath>
#include <limits>

#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

using platform::GpuVertex;

struct Corner {
  float x;
  float y;
};

::testing::AssertionResult HasCorners(const RecordingGpuDevice::Fan& fan,
                                      const std::vector<Corner>& corners, float tolerance = 0.0f) {
  if (fan.vertices.size() != corners.size()) {
    return ::testing::AssertionFailure() << fan.vertices.size() << " corners";
  }
  for (size_t i = 0; i < corners.size(); ++i) {
    const GpuVertex& vertex = fan.vertices[i];
    if (std::fabs(vertex.x - corners[i].x) > tolerance ||
        std::fabs(vertex.y - corners[i].y) > tolerance) {
      return ::testing::AssertionFailure()
             << "corner " << i << " is (" << vertex.x << ", " << vertex.y << "), not ("
             << corners[i].x << ", " << corners[i].y << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult HasColors(const RecordingGpuDevice::Fan& fan,
                                     const std::vector<Rgba>& colors) {
  for (size_t i = 0; i < colors.size() && i < fan.vertices.size(); ++i) {
    ::testing::AssertionResult same = SameColor(fan.vertices[i].color, colors[i]);
    if (!same) {
      return same << " at corner " << i;
    }
  }
  return ::testing::AssertionSuccess();
}

using RendererGeometryTest = RecordingRendererTest;

TEST_F(RendererGeometryTest, TransformPutsTheMinimumCornerAtTheTopLeft) {
  m_renderer->SetViewport(IntVector2(0, 0), IntVector2(800, 600));
  m_renderer->SetTransform(0, 0, 800, 600);
  const platform::OrthographicProjection& projection = m_device->projection;
  const auto topLeft = projection.ToViewport(0, 0, 800, 600);
  const auto bottomRight = projection.ToViewport(800, 600, 800, 600);
  EXPECT_FLOAT_EQ(topLeft.x, 0.0f);
  EXPECT_FLOAT_EQ(topLeft.y, 0.0f);
  EXPECT_FLOAT_EQ(bottomRight.x, 800.0f);
  EXPECT_FLOAT_EQ(bottomRight.y, 600.0f);

  // A virtual screen laid onto a letterboxed viewport.
  m_renderer->SetViewport(IntVector2(0, 112), IntVector2(1280, 800));
  m_renderer->SetTransform(0, 0, 1024, 640);
  EXPECT_EQ(m_device->viewport.y, 112);
  EXPECT_EQ(m_device->viewport.height, 800);
  const auto centre = m_device->projection.ToViewport(512, 320, 1280, 800);
  EXPECT_FLOAT_EQ(centre.x, 640.0f);
  EXPECT_FLOAT_EQ(centre.y, 400.0f);
  const auto nearTop = m_device->projection.ToViewport(0, 64, 1280, 800);
  EXPECT_FLOAT_EQ(nearTop.y, 80.0f);
}

TEST_F(RendererGeometryTest, TexturedQuadStretchesTheTextureCoordinatesWithTheTint) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  const Rgba tint(255, 128, 0, 200);
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(10, 20), Vector2(30, 60), tint,
                               Vector2(0.25f, 0.5f), Vector2(0.75f, 1.0f));
  ASSERT_EQ(m_device->fans.size(), 1u);
  const RecordingGpuDevice::Fan& fan = m_device->fans[0];
  EXPECT_EQ(fan.texture, Texture_Win32_DirectX81::ResolveDeviceTexture(texture.get()));
  EXPECT_TRUE(HasCorners(fan, {{10, 20}, {30, 20}, {30, 60}, {10, 60}}));
  EXPECT_TRUE(HasColors(fan, {tint, tint, tint, tint}));
  const float expectedUv[4][2] = {{0.25f, 0.5f}, {0.75f, 0.5f}, {0.75f, 1.0f}, {0.25f, 1.0f}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(fan.vertices[i].u, expectedUv[i][0]) << i;
    EXPECT_FLOAT_EQ(fan.vertices[i].v, expectedUv[i][1]) << i;
  }
}

TEST_F(RendererGeometryTest, TiledTexturesWrapAndOthersClamp) {
  std::unique_ptr<Texture> tiled = MakeTexture(4, 4, true);
  std::unique_ptr<Texture> clamped = MakeTexture(4, 4, false);
  const Vector2 origin(0, 0), size(1, 1), beyond(3, 3);
  m_renderer->DrawTexturedQuad(tiled.get(), origin, size, Rgba::WHITE, origin, beyond);
  m_renderer->DrawTexturedQuad(clamped.get(), origin, size, Rgba::WHITE, origin, beyond);
  ASSERT_EQ(m_device->fans.size(), 2u);
  EXPECT_EQ(m_device->fans[0].addressMode, platform::GpuAddressMode::Wrap);
  EXPECT_EQ(m_device->fans[1].addressMode, platform::GpuAddressMode::Clamp);
}

TEST_F(RendererGeometryTest, ATextureMadeAfterAnotherWasDestroyedIsSetAfresh) {
  // The new device texture may well take the old one's address.
  std::unique_ptr<Texture> first = MakeTexture(4, 4);
  m_renderer->DrawTexturedQuad(first.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  first.reset();
  std::unique_ptr<Texture> second = MakeTexture(4, 4);
  m_renderer->DrawTexturedQuad(second.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  ASSERT_EQ(m_device->fans.size(), 2u);
  EXPECT_EQ(m_device->fans[1].texture, Texture_Win32_DirectX81::ResolveDeviceTexture(second.get()));
  EXPECT_EQ(m_device->texture, m_device->fans[1].texture);
}

}  // namespace
}  // namespace renderer_test
