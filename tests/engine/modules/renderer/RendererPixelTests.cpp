#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "platform/gpu/GpuTexture.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/support/SoftwareRendererTest.h"

namespace renderer_test {
namespace {

using platform::GpuColor;

const Rgba BLACK(0, 0, 0, 255);
const Rgba RED(255, 0, 0, 255);
const Rgba GREEN(0, 255, 0, 255);
const Rgba BLUE(0, 0, 255, 255);

::testing::AssertionResult Near(GpuColor actual, const Rgba& expected, int tolerance) {
  const int channels[3][2] = {{actual.r, expected.r}, {actual.g, expected.g}, {actual.b, expected.b}};
  for (const auto& channel : channels) {
    if (std::abs(channel[0] - channel[1]) > tolerance) {
      return ::testing::AssertionFailure()
             << "(" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b)
             << ") is not within " << tolerance << " of (" << int(expected.r) << ", "
             << int(expected.g) << ", " << int(expected.b) << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

// The game's renderer on SDL's software renderer, on an offscreen application
// window with a 1280 x 1024 client area.
class RendererPixelTest : public testsupport::SoftwareRendererTest {
 protected:
  static constexpr int CLIENT_WIDTH = 1280;
  static constexpr int CLIENT_HEIGHT = 1024;

  RendererPixelTest() : SoftwareRendererTest(IntVector2(CLIENT_WIDTH, CLIENT_HEIGHT)) {}

  // The start of a frame as the driver makes it: the update pass, a clear
  // of the whole client area, then the virtual screen on its letterbox.
  void BeginFrame() {
    BeginFrameInPixels(BLACK);
    const AABB2 screen = m_application->GetScreenBounds();
    const AABB2 view = m_application->GetViewBounds();
    m_renderer->SetViewport(IntVector2(int(screen.mins.x), int(screen.mins.y)),
                            m_application->GetScreenBoundsSize());
    m_renderer->SetTransform(view.mins.x, view.mins.y, view.maxs.x, view.maxs.y);
  }

  GpuColor Pixel(int x, int y) {
    const std::vector<GpuColor> pixels = m_device->ReadBackBuffer({x, y, 1, 1});
    EXPECT_EQ(pixels.size(), 1u) << "(" << x << ", " << y << ")";
    return pixels.empty() ? GpuColor{} : pixels[0];
  }

  bool RowsAreBlack(int firstRow, int rowCount) {
    for (const GpuColor& pixel : m_device->ReadBackBuffer({0, firstRow, CLIENT_WIDTH, rowCount})) {
      if (pixel.r != 0 || pixel.g != 0 || pixel.b != 0) {
        return false;
      }
    }
    return true;
  }

  static std::unique_ptr<Texture> TextureOf(int width, int height,
                                            const std::vector<unsigned char>& rgba) {
    std::unique_ptr<Image> image = Image::Create(IntVector2(width, height), Image::IMAGE_FORMAT_RGBA);
    std::copy(rgba.begin(), rgba.end(), image->GetPixels());
    std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*image, false);
    return texture;
  }
};

TEST_F(RendererPixelTest, TheVirtualScreenIsLetterboxedAndNothingIsDrawnOutsideIt) {
  ASSERT_EQ(m_application->GetScreenBounds(), AABB2(0, 112, 1280, 912));
  BeginFrame();
  // Far larger than the virtual screen: the viewport cuts it.
  m_renderer->DrawAlignedQuad(Vector2(-500, -500), Vector2(2000, 2000), Rgba::WHITE, Rgba::WHITE,
                              Rgba::WHITE, Rgba::WHITE, true, 0.0f);

  EXPECT_TRUE(RowsAreBlack(0, 112));
  EXPECT_TRUE(RowsAreBlack(912, CLIENT_HEIGHT - 912));
  EXPECT_TRUE(Near(Pixel(640, 112), Rgba::WHITE, 0));
  EXPECT_TRUE(Near(Pixel(640, 911), Rgba::WHITE, 0));
  EXPECT_TRUE(Near(Pixel(0, 500), Rgba::WHITE, 0));
  EXPECT_TRUE(Near(Pixel(CLIENT_WIDTH - 1, 500), Rgba::WHITE, 0));
  m_renderer->Render();
}

TEST_F(RendererPixelTest, AGradientQuadTakesEachCornersColour) {
  BeginFrame();
  m_renderer->DrawAlignedQuad(Vector2(0, 0), Vector2(1024, 640), RED, GREEN, BLUE, Rgba::WHITE,
                              true, 0.0f);
  const int tolerance = 6;
  EXPECT_TRUE(Near(Pixel(1, 113), RED, tolerance));
  EXPECT_TRUE(Near(Pixel(1278, 113), GREEN, tolerance));
  EXPECT_TRUE(Near(Pixel(1278, 910), BLUE, tolerance));
  EXPECT_TRUE(Near(Pixel(1, 910), Rgba::WHITE, tolerance));
  m_renderer->Render();
}

TEST_F(RendererPixelTest, ATexturedQuadIsTintedAndBlendedByTheTintsAlpha) {
  // Texels: white, (100, 200, 50); (0, 0, 255), (40, 80, 120).
  std::unique_ptr<Texture> texture =
      TextureOf(2, 2, {255, 255, 255, 255, 100, 200, 50, 255, 0, 0, 255, 255, 40, 80, 120, 255});
  BeginFrame();
  // One virtual unit is 1.25 pixels: the quad covers 250 x 250 pixels from
  // (0, 112), so the texel centres land 62 and 187 pixels in.
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(200, 200),
                               Rgba(255, 128, 0, 255), Vector2(0, 0), Vector2(1, 1));
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(400, 0), Vector2(600, 200),
                               Rgba(255, 255, 255, 128), Vector2(0, 0), Vector2(1, 1));
  const int tolerance = 3;
  EXPECT_TRUE(Near(Pixel(62, 174), Rgba(255, 128, 0), tolerance));
  EXPECT_TRUE(Near(Pixel(187, 174), Rgba(100, 100, 0), tolerance));
  EXPECT_TRUE(Near(Pixel(62, 299), Rgba(0, 0, 0), tolerance));
  EXPECT_TRUE(Near(Pixel(187, 299), Rgba(40, 40, 0), tolerance));
  // Half transparent over black.
  EXPECT_TRUE(Near(Pixel(500 + 62, 174), Rgba(128, 128, 128), tolerance));
  m_renderer->Render();
}

TEST_F(RendererPixelTest, RenderToTextureCopiesTheWholeRegionEvenFromASmallWindow) {
  std::unique_ptr<Texture> texture = TextureOf(64, 64, std::vector<unsigned char>(64 * 64 * 4, 0));
  modules_test::EventLog drawEvents("DrawHalves");
  drawEvents.whileFiring = [&](NamedProperties& args) {
    Vector2 size;
    args.Get("UpdatedRegionSize", size);
    m_renderer->DrawAlignedQuad(Vector2(0, 0), Vector2(size.x / 2, size.y), RED, RED, RED, RED,
                                true, 0.0f);
    m_renderer->DrawAlignedQuad(Vector2(size.x / 2, 0), size, GREEN, GREEN, GREEN, GREEN, true,
                                0.0f);
  };
  m_renderer->OnWindowResize(IntVector2(16, 16));
  m_renderer->EnqueueDynamicTextureUpdateRequest(texture.get(), AABB2(0, 0, 64, 64), "DrawHalves",
                                                 nullptr);
  m_renderer->Update();
  ASSERT_EQ(drawEvents.count, 1);
  EXPECT_EQ(m_device->BackBufferWidth(), 16);

  platform::GpuTexture* deviceTexture = Texture_Win32_DirectX81::ResolveDeviceTexture(texture.get());
  ASSERT_NE(deviceTexture, nullptr);
  const platform::GpuLockedRect texels = deviceTexture->Lock();
  ASSERT_NE(texels.bits, nullptr);
  auto texel = [&](int x, int y) {
    const uint8_t* bgra = texels.bits + y * texels.pitch + x * 4;
    return GpuColor{bgra[2], bgra[1], bgra[0], bgra[3]};
  };
  EXPECT_TRUE(Near(texel(0, 0), RED, 0));
  EXPECT_TRUE(Near(texel(31, 63), RED, 0));
  EXPECT_TRUE(Near(texel(32, 0), GREEN, 0));
  EXPECT_TRUE(Near(texel(63, 63), GREEN, 0));
  EXPECT_EQ(texel(63, 63).a, 255);
  deviceTexture->Unlock();

  // And the texture draws what was rendered into it.
  m_renderer->OnWindowResize(IntVector2(CLIENT_WIDTH, CLIENT_HEIGHT));
  m_renderer->Render();
  BeginFrame();
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(64, 64), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  EXPECT_TRUE(Near(Pixel(10, 150), RED, 2));
  EXPECT_TRUE(Near(Pixel(70, 150), GREEN, 2));
  m_renderer->Render();
}

TEST_F(RendererPixelTest, AfterALostDeviceIsResetDrawingResumesWithTheSameTextures) {
  std::unique_ptr<Texture> texture = TextureOf(1, 1, {0, 0, 255, 255});
  BeginFrame();
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(100, 100), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  EXPECT_TRUE(Near(Pixel(50, 150), BLUE, 0));
  m_device->SimulateDeviceLoss();
  m_renderer->Render();
  EXPECT_TRUE(m_renderer->IsDeviceLost());

  // A frame while lost draws nothing and fails nothing; its render pass resets.
  BeginFrame();
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(100, 100), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  m_renderer->Render();
  EXPECT_FALSE(m_renderer->IsDeviceLost());

  BeginFrame();
  EXPECT_TRUE(Near(Pixel(50, 150), BLACK, 0));
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(100, 100), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  EXPECT_TRUE(Near(Pixel(50, 150), BLUE, 0));
  m_renderer->Render();
}

}  // namespace
}  // namespace renderer_test
