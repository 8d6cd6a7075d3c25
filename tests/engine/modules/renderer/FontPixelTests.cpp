// The game's own font, drawn by the game's renderer on SDL's software
// renderer: ink where every glyph should be and nowhere else, and a picture
// of a line of text at several sizes for a person to look at.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/SoftwareRendererTest.h"

namespace font_test {
namespace {

using platform::GpuColor;

// A pixel counts as ink from half brightness on; texels from half alpha.
constexpr int INK = 128;

struct Box {
  int left = 0;
  int top = 0;
  int right = -1;  // inclusive; right < left means empty
  int bottom = -1;

  bool IsEmpty() const { return right < left || bottom < top; }
  void Include(int x, int y) {
    if (IsEmpty()) {
      *this = Box{x, y, x, y};
      return;
    }
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
  }
};

std::ostream& operator<<(std::ostream& os, const Box& box) {
  return os << "[" << box.left << ".." << box.right << "] x [" << box.top << ".." << box.bottom
            << "]";
}

// The back buffer read once, with helpers over it.
class Screenshot {
 public:
  Screenshot(int width, int height, std::vector<GpuColor> pixels)
      : m_width(width), m_height(height), m_pixels(std::move(pixels)) {}

  const GpuColor& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
  bool IsInk(int x, int y) const { return At(x, y).r >= INK; }
  bool IsBlack(int x, int y) const {
    const GpuColor& pixel = At(x, y);
    return pixel.r == 0 && pixel.g == 0 && pixel.b == 0;
  }

  // The ink inside the rectangle (inclusive, clipped to the picture).
  Box InkIn(int left, int top, int right, int bottom) const {
    Box ink;
    for (int y = std::max(top, 0); y <= std::min(bottom, m_height - 1); ++y) {
      for (int x = std::max(left, 0); x <= std::min(right, m_width - 1); ++x) {
        if (IsInk(x, y)) {
          ink.Include(x, y);
        }
      }
    }
    return ink;
  }

  // Separate stretches of ink down one column, between two rows.
  int InkRunsDownColumn(int x, int top, int bottom) const {
    int runs = 0;
    bool inRun = false;
    for (int y = top; y <= bottom; ++y) {
      const bool ink = IsInk(x, y);
      runs += ink && !inRun ? 1 : 0;
      inRun = ink;
    }
    return runs;
  }

  void SaveAsPng(const std::string& path) const {
    Bytes rgba;
    for (const GpuColor& pixel : m_pixels) {
      rgba.insert(rgba.end(), {pixel.r, pixel.g, pixel.b, 255});
    }
    const Bytes png = EncodeRgbaPng(m_width, m_height, rgba);
    ASSERT_TRUE(platform::WriteFileAtomically(path, png.data(), png.size())) << path;
  }

  int Width() const { return m_width; }
  int Height() const { return m_height; }

 private:
  int m_width;
  int m_height;
  std::vector<GpuColor> m_pixels;
};

// The project's root, where the game's Data folder is, whatever the
// working directory the test was started in.
std::string ProjectRoot() { return PQ_SOURCE_DIR; }

// Where the picture goes: $PQ_FONT_SCREENSHOT, or beside the test program in
// the build folder.
std::string ScreenshotPath() {
  const char* requested = std::getenv("PQ_FONT_SCREENSHOT");
  if (requested != nullptr && requested[0] != '\0') {
    return requested;
  }
  return std::filesystem::read_symlink("/proc/self/exe")
      .parent_path()
      .append("FontScreenshot.png")
      .string();
}

// A laid-out glyph of a drawn line: its quad on screen, in pixels.
struct PlacedGlyph {
  unsigned char character;
  float left;
  float right;
};

// The game's renderer on an offscreen window whose client area is the
// 1024 x 640 virtual screen, drawn in pixels, with the game's own font.
class FontPixelTest : public testsupport::SoftwareRendererTest {
 protected:
  static constexpr int WIDTH = 1024;
  static constexpr int HEIGHT = 640;

  FontPixelTest() : SoftwareRendererTest(IntVector2(WIDTH, HEIGHT)), m_root(ProjectRoot()) {}

  void SetUp() override {
    SoftwareRendererTest::SetUp();
    if (HasFatalFailure()) {
      return;
    }
    m_font = m_renderer->LoadFont("MainFont", "EN");
    ASSERT_NE(m_font, nullptr);
  }

  void BeginFrame() { BeginFrameInPixels(Rgba(0, 0, 0, 255)); }

  Screenshot Capture() {
    return Screenshot(WIDTH, HEIGHT, m_device->ReadBackBuffer({0, 0, WIDTH, HEIGHT}));
  }

  // The quads the renderer lays the text out in, pen starting at x.
  std::vector<PlacedGlyph> Layout(const std::string& text, float x, float size) const {
    std::vector<PlacedGlyph> glyphs;
    for (const char c : text) {
      const GlyphInfo& glyph = m_font->GetGlyph(static_cast<unsigned char>(c));
      const float left = x + glyph.leadingSpace * size;
      glyphs.push_back({static_cast<unsigned char>(c), left, left + glyph.width * size});
      x = left + (glyph.width + glyph.trailingSpace) * size;
    }
    return glyphs;
  }

  // Where the glyph's own ink lies on its page, carried onto its quad.
  Box ExpectedInk(const PlacedGlyph& placed, float top, float size) {
    const GlyphInfo& glyph = m_font->GetGlyph(placed.character);
    const Image& page = PageImage(glyph.page);
    const int width = page.GetSize().x;
    const int height = page.GetSize().y;
    const int texelLeft = static_cast<int>(glyph.textureBounds.mins.x * width);
    const int texelTop = static_cast<int>(glyph.textureBounds.mins.y * height);
    const int texelRight = static_cast<int>(glyph.textureBounds.maxs.x * width);
    const int texelBottom = static_cast<int>(glyph.textureBounds.maxs.y * height);
    Box texels;
    for (int y = texelTop; y < texelBottom; ++y) {
      for (int x = texelLeft; x < texelRight; ++x) {
        if (page.GetPixel(x, y).a >= INK) {
          texels.Include(x, y);
        }
      }
    }
    const float scaleX = (placed.right - placed.left) / (texelRight - texelLeft);
    const float scaleY = size / (texelBottom - texelTop);
    return Box{static_cast<int>(placed.left + (texels.left - texelLeft) * scaleX),
               static_cast<int>(top + (texels.top - texelTop) * scaleY),
               static_cast<int>(placed.left + (texels.right + 1 - texelLeft) * scaleX) - 1,
               static_cast<int>(top + (texels.bottom + 1 - texelTop) * scaleY) - 1};
  }

  const Image& PageImage(int page) {
    while (m_pageImages.size() <= static_cast<size_t>(page)) {
      const std::string path =
          BitmapFont::PagePath("MainFont", "EN", static_cast<int>(m_pageImages.size()));
      m_pageImages.push_back(m_imageStudio->LoadImage(UlvoPath(PATH_MARKER_DATA, path)));
      EXPECT_NE(m_pageImages.back(), nullptr) << path;
    }
    return *m_pageImages[static_cast<size_t>(page)];
  }

  std::string m_root;
  testsupport::ScopedWorkingDirectory m_workingDirectory{m_root};
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
  BitmapFont* m_font = nullptr;
  std::vector<std::unique_ptr<Image>> m_pageImages;
};

TEST_F(FontPixelTest, EveryGlyphLeavesItsInkWhereItBelongsAndNowhereElse) {
  // The division sign is byte 0xF7 of the game's code page.
  const std::string text = "12+3=15\xF7";
  const float x = 30.0f;
  for (const float size : {12.0f, 48.0f}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const float top = 100.0f;
    BeginFrame();
    m_renderer->DrawText(m_font, Vector2(x, top), text, size, Rgba(255, 255, 255, 255), 2, 2);
    const Screenshot screen = Capture();
    m_renderer->Render();

    const std::vector<PlacedGlyph> glyphs = Layout(text, x, size);
    const int tolerance = 2;
    for (size_t i = 0; i < glyphs.size(); ++i) {
      const PlacedGlyph& glyph = glyphs[i];
      SCOPED_TRACE(std::string("glyph ") + text[i]);
      const Box expected = ExpectedInk(glyph, top, size);
      const Box ink = screen.InkIn(static_cast<int>(glyph.left), static_cast<int>(top),
                                   static_cast<int>(glyph.right), static_cast<int>(top + size));
      ASSERT_FALSE(expected.IsEmpty());
      ASSERT_FALSE(ink.IsEmpty()) << "no ink where the glyph should be";
      EXPECT_NEAR(ink.left, expected.left, tolerance) << ink << " instead of " << expected;
      EXPECT_NEAR(ink.right, expected.right, tolerance) << ink << " instead of " << expected;
      EXPECT_NEAR(ink.top, expected.top, tolerance) << ink << " instead of " << expected;
      EXPECT_NEAR(ink.bottom, expected.bottom, tolerance) << ink << " instead of " << expected;
    }

    // Nothing at all outside the line's quads (a pixel of slack for the
    // filtering at their edges).
    int strayPixels = 0;
    for (int py = 0; py < screen.Height(); ++py) {
      for (int px = 0; px < screen.Width(); ++px) {
        const bool nearLine = py >= top - 1 && py <= top + size + 1 &&
                              std::any_of(glyphs.begin(), glyphs.end(), [&](const PlacedGlyph& g) {
                                return px >= g.left - 1 && px <= g.right + 1;
                              });
        strayPixels += !nearLine && !screen.IsBlack(px, py) ? 1 : 0;
      }
    }
    EXPECT_EQ(strayPixels, 0);
  }
}

TEST_F(FontPixelTest, TheSignsAreTellApartByTheirStrokes) {
  const float size = 48.0f;
  const float top = 200.0f;
  const std::string signs = "+=\xF7";
  BeginFrame();
  m_renderer->DrawText(m_font, Vector2(40, top), signs, size, Rgba(255, 255, 255, 255), 2, 2);
  const Screenshot screen = Capture();
  m_renderer->Render();

  const std::vector<PlacedGlyph> glyphs = Layout(signs, 40.0f, size);
  const int expectedRuns[] = {1, 2, 3};  // plus, equals, division sign
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const Box ink = screen.InkIn(static_cast<int>(glyphs[i].left), static_cast<int>(top),
                                 static_cast<int>(glyphs[i].right), static_cast<int>(top + size));
    ASSERT_FALSE(ink.IsEmpty()) << signs[i];
    const int middle = (ink.left + ink.right) / 2;
    EXPECT_EQ(screen.InkRunsDownColumn(middle, ink.top, ink.bottom), expectedRuns[i])
        << "down the middle of " << signs[i];
  }
}

TEST_F(FontPixelTest, GlyphsTakeTheTextColour) {
  BeginFrame();
  m_renderer->DrawText(m_font, Vector2(100, 100), "8", 48.0f, Rgba(255, 128, 0, 255), 2, 2);
  const Screenshot screen = Capture();
  m_renderer->Render();
  const Box ink = screen.InkIn(90, 90, 160, 160);
  ASSERT_FALSE(ink.IsEmpty());
  int fullyInked = 0;
  for (int y = ink.top; y <= ink.bottom; ++y) {
    for (int x = ink.left; x <= ink.right; ++x) {
      const GpuColor& pixel = screen.At(x, y);
      EXPECT_LE(pixel.b, 2) << x << ", " << y;
      if (pixel.r >= 253) {
        ++fullyInked;
        EXPECT_NEAR(pixel.g, 128, 2) << x << ", " << y;
      }
    }
  }
  EXPECT_GT(fullyInked, 20);
}

TEST_F(FontPixelTest, ALineAtEverySizeFromNineToSixtyFourSpansItsMeasuredWidth) {
  // Windows-1252: 0xF7 division sign, 0xC9 E acute, 0xFC u diaeresis, 0x80
  // euro sign. The literal is split so that no hex escape runs on.
  const std::string line =
      "Pemberquill 12+3=15 36\xF7"
      "4=9 \xC9\xFC\x80";
  const float sizes[] = {9, 12, 16, 24, 32, 48, 64};
  const float x = 16.0f;
  std::vector<float> tops;
  float top = 12.0f;
  BeginFrame();
  for (const float size : sizes) {
    m_renderer->DrawText(m_font, Vector2(x, top), line, size, Rgba(255, 255, 255, 255), 2, 2);
    tops.push_back(top);
    top += size * 1.25f;
  }
  const Screenshot screen = Capture();
  m_renderer->Render();
  const std::string path = ScreenshotPath();
  screen.SaveAsPng(path);
  std::cout << "Text at sizes 9 to 64: " << path << "\n";

  for (size_t i = 0; i < std::size(sizes); ++i) {
    const float size = sizes[i];
    SCOPED_TRACE("size " + std::to_string(size));
    const float width = m_renderer->CalcTextExtent(m_font, line, size).x;
    const Box ink = screen.InkIn(0, static_cast<int>(tops[i]), screen.Width() - 1,
                                 static_cast<int>(tops[i] + size) - 1);
    ASSERT_FALSE(ink.IsEmpty());
    // The first and last glyphs stand a little inside the pen's run.
    EXPECT_GE(ink.left, x - 1);
    EXPECT_LE(ink.left, x + 0.15f * size + 1);
    EXPECT_LE(ink.right, x + width + 1);
    EXPECT_GE(ink.right, x + width - 0.2f * size - 1);
  }
}

}  // namespace
}  // namespace font_test
