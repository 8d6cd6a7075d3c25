// Image files from the data folder made into textures the way the game's
// screens make them (the image studio's LoadImage, Texture::Create,
// PopulateFromImage, then the image is dropped) and drawn by the game's
// renderer on SDL's software renderer: what reaches the screen is what the
// file holds.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/engine/modules/imagestudio/ImageTestSupport.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SoftwareRendererTest.h"

namespace {

using platform::GpuColor;

struct Colour {
  int r;
  int g;
  int b;
};

// Whatever a texel leaves uncovered shows this.
const Rgba BACKDROP(20, 40, 60, 255);

::testing::AssertionResult Near(GpuColor actual, const Colour& expected) {
  // Linear filtering at a texel's middle pixel still takes a little of the
  // neighbouring texels.
  const int tolerance = 4;
  if (std::abs(actual.r - expected.r) <= tolerance &&
      std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b)
         << ") instead of (" << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

class ImageFileTextureTest : public testsupport::SoftwareRendererTest {
 protected:
  static constexpr int WIDTH = 512;
  static constexpr int HEIGHT = 512;
  // Every texel is drawn as a square of this many pixels.
  static constexpr int TEXEL_PIXELS = 64;

  ImageFileTextureTest() : SoftwareRendererTest(IntVector2(WIDTH, HEIGHT)) {}

  void SetUp() override {
    m_data.MakeFolder("Images");
    SoftwareRendererTest::SetUp();
  }

  // As the game's screens load a picture; null when the image does not load.
  std::unique_ptr<Texture> LoadTexture(const std::string& pathInData) {
    std::unique_ptr<Image> image =
        m_imageStudio->LoadImage(UlvoPath(PATH_MARKER_DATA, pathInData));
    if (image == nullptr) {
      return nullptr;
    }
    std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*image, false);
    return texture;
  }

  // One frame with the texture stretched from the top-left corner so that
  // each texel covers TEXEL_PIXELS square pixels; the back buffer is read
  // before the frame is presented.
  void DrawFrame(Texture* texture, int texelsWide, int texelsHigh) {
    BeginFrameInPixels(BACKDROP);
    m_renderer->DrawTexturedQuad(
        texture, Vector2(0, 0),
        Vector2(static_cast<float>(texelsWide * TEXEL_PIXELS),
                static_cast<float>(texelsHigh * TEXEL_PIXELS)),
        Rgba::WHITE, Vector2(0, 0), Vector2(1, 1));
  }

  GpuColor TexelOnScreen(int x, int y) {
    const std::vector<GpuColor> pixels = m_device->ReadBackBuffer(
        {x * TEXEL_PIXELS + TEXEL_PIXELS / 2, y * TEXEL_PIXELS + TEXEL_PIXELS / 2, 1, 1});
    return pixels.empty() ? GpuColor{} : pixels[0];
  }

  GpuColor PixelOnScreen(int x, int y) {
    const std::vector<GpuColor> pixels = m_device->ReadBackBuffer({x, y, 1, 1});
    return pixels.empty() ? GpuColor{} : pixels[0];
  }

  testsupport::ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
};

// A picture whose texels all differ and whose channels are told apart.
Colour PictureColour(int x, int y) { return {40 + 60 * x, 30 + 50 * y, 200 - 30 * x - 20 * y}; }

TEST_F(ImageFileTextureTest, AnRgbaPngShowsItsPixelsTopRowFirstWithItsTransparency) {
  image_test::PngDescription png;
  png.width = 4;
  png.height = 4;
  png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Colour c = PictureColour(x, y);
      const bool clear = x == 3 && y == 0;
      png.rows.insert(png.rows.end(), {static_cast<unsigned char>(c.r),
                                       static_cast<unsigned char>(c.g),
                                       static_cast<unsigned char>(c.b),
                                       static_cast<unsigned char>(clear ? 0 : 255)});
    }
  }
  m_data.Write("Images/Picture.png", image_test::EncodePng(png));

  const std::unique_ptr<Texture> texture = LoadTexture("Images/Picture.png");
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->GetDimensions(), IntVector2(4, 4));
  DrawFrame(texture.get(), 4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Colour expected = x == 3 && y == 0 ? Colour{BACKDROP.r, BACKDROP.g, BACKDROP.b}
                                               : PictureColour(x, y);
      EXPECT_TRUE(Near(TexelOnScreen(x, y), expected)) << "texel (" << x << ", " << y << ")";
    }
  }
  // Nothing beyond the quad.
  EXPECT_TRUE(Near(PixelOnScreen(4 * TEXEL_PIXELS + 2, 10), {BACKDROP.r, BACKDROP.g, BACKDROP.b}));
  EXPECT_TRUE(Near(PixelOnScreen(10, 4 * TEXEL_PIXELS + 2), {BACKDROP.r, BACKDROP.g, BACKDROP.b}));
  m_renderer->Render();
}

TEST_F(ImageFileTextureTest, InterlacedRgbAndGreyPngsShowTheirPixels) {
  image_test::PngDescription rgb;
  rgb.width = 4;
  rgb.height = 2;
  rgb.colorType = PNG_COLOR_TYPE_RGB;
  rgb.interlaced = true;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Colour c = PictureColour(x, y);
      rgb.rows.insert(rgb.rows.end(), {static_cast<unsigned char>(c.r),
                                       static_cast<unsigned char>(c.g),
                                       static_cast<unsigned char>(c.b)});
    }
  }
  m_data.Write("Images/Interlaced.png", image_test::EncodePng(rgb));
  image_test::PngDescription grey;
  grey.width = 2;
  grey.height = 2;
  grey.colorType = PNG_COLOR_TYPE_GRAY;
  grey.rows = {10, 90, 170, 250};
  m_data.Write("Images/Grey.png", image_test::EncodePng(grey));

  const std::unique_ptr<Texture> rgbTexture = LoadTexture("Images/Interlaced.png");
  ASSERT_NE(rgbTexture, nullptr);
  DrawFrame(rgbTexture.get(), 4, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_TRUE(Near(TexelOnScreen(x, y), PictureColour(x, y)))
          << "texel (" << x << ", " << y << ")";
    }
  }
  m_renderer->Render();

  const std::unique_ptr<Texture> greyTexture = LoadTexture("Images/Grey.png");
  ASSERT_NE(greyTexture, nullptr);
  DrawFrame(greyTexture.get(), 2, 2);
  EXPECT_TRUE(Near(TexelOnScreen(0, 0), {10, 10, 10}));
  EXPECT_TRUE(Near(TexelOnScreen(1, 0), {90, 90, 90}));
  EXPECT_TRUE(Near(TexelOnScreen(0, 1), {170, 170, 170}));
  EXPECT_TRUE(Near(TexelOnScreen(1, 1), {250, 250, 250}));
  m_renderer->Render();
}

TEST_F(ImageFileTextureTest, ATargaShowsItsRowsInFileOrderInRedGreenBlue) {
  // Blue, green, red in the file; the first row stored comes out on top.
  m_data.Write("Images/Picture.tga",
               image_test::TgaFile(2, 2, 24, {30, 20, 10, 60, 50, 40, 90, 80, 70, 120, 110, 100}));

  const std::unique_ptr<Texture> texture = LoadTexture("Images/Picture.tga");
  ASSERT_NE(texture, nullptr);
  DrawFrame(texture.get(), 2, 2);
  EXPECT_TRUE(Near(TexelOnScreen(0, 0), {10, 20, 30}));
  EXPECT_TRUE(Near(TexelOnScreen(1, 0), {40, 50, 60}));
  EXPECT_TRUE(Near(TexelOnScreen(0, 1), {70, 80, 90}));
  EXPECT_TRUE(Near(TexelOnScreen(1, 1), {100, 110, 120}));
  m_renderer->Render();
}

TEST_F(ImageFileTextureTest, AMissingImageGivesNoTextureAWarningAndDrawsNothing) {
  m_console.lines.clear();
  const std::unique_ptr<Texture> texture = LoadTexture("Images/Absent.png");
  EXPECT_EQ(texture, nullptr);
  const std::string resolved = UlvoPath(PATH_MARKER_DATA, "Images/Absent.png").GetResolvedPath();
  ASSERT_EQ(m_console.lines.size(), 1u);
  EXPECT_EQ(m_console.lines[0],
            "WARNING: Image file \"" + resolved + "\" not found; no image loaded.\n");

  // Where the picture would be, the screen shows what lies behind it.
  DrawFrame(texture.get(), 4, 4);
  EXPECT_TRUE(Near(TexelOnScreen(1, 1), {BACKDROP.r, BACKDROP.g, BACKDROP.b}));
  m_renderer->Render();
}

}  // namespace
