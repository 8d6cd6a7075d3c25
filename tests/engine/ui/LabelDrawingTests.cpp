// A label on SDL's software renderer, read back from its pixels.
#include <gtest/gtest.h>

#include "engine/ui/LabelWidget.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "platform/window/Window.h"
#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/SoftwareRendererTest.h"

namespace {

using namespace ui_test;

const Rgba BLACK(0, 0, 0, 255);
const Rgba RED(255, 0, 0, 255);
const Rgba BLUE(0, 0, 255, 255);

// Draws text that has no bitmap font as a 4 x 4 block in its colour at its
// point, so that where and in what colour such text goes can be seen.
class BlockTextRenderer : public UlvoRendererBasic_Win32_DirectX81 {
 public:
  BlockTextRenderer()
      : UlvoRendererBasic_Win32_DirectX81([](platform::Window* window, const IntVector2& size,
                                             std::string* error) {
          return platform::SdlGpuDevice::Create(window->NativeHandle(), size.x, size.y, error);
        }) {}
  void DrawTextAt(const FontDescriptor*, const Vector2& point, const std::string&,
                  const Rgba& color) override {
    DrawBox(point, point + Vector2(4, 4), color, true, 0.0f, 0.0f);
  }
};

class LabelPixelTest : public testsupport::SoftwareRendererTest {
 protected:
  LabelPixelTest() : SoftwareRendererTest(IntVector2(160, 100)) {}
  std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> MakeRenderer() override {
    return std::make_unique<BlockTextRenderer>();
  }
  Rgba PixelAt(int x, int y) {
    const auto pixel = m_device->ReadBackBuffer({x, y, 1, 1}).at(0);
    return Rgba(pixel.r, pixel.g, pixel.b, 255);
  }
};

// Text in a face without a bitmap font goes to the renderer's own text, at
// the box's corner moved by both offsets, over its shadow one unit right
// and down.
TEST_F(LabelPixelTest, TextWithoutABitmapFontIsDrawnAtAPointOverItsShadow) {
  LabelWidget label("Caption", nullptr);
  Describe(label, Bag("Bounds", AABB2(20, 30, 120, 60), "FontName", std::string("NoSuchFace"),
                      "TextOffset", Vector2(5, 2), "TextAlignmentOffset", Vector2(1, 1),
                      "FontColor", RED, "ShadowColor", BLUE));
  BeginFrameInPixels(BLACK);
  label.Draw();
  EXPECT_EQ(PixelAt(26, 33), RED);
  EXPECT_EQ(PixelAt(29, 36), RED);
  EXPECT_EQ(PixelAt(30, 37), BLUE);
  EXPECT_EQ(PixelAt(25, 32), BLACK);
}

// The cursor of an editable label stands at the start of its text box
// whether or not the face has a bitmap font.
TEST_F(LabelPixelTest, AnEditableLabelWithoutABitmapFontStillShowsItsCursor) {
  LabelWidget label("", nullptr);
  Describe(label, Bag("Bounds", AABB2(20, 30, 120, 60), "FontName", std::string("NoSuchFace"),
                      "TextOffset", Vector2(5, 2), "Editable", true));
  BeginFrameInPixels(BLACK);
  label.Draw();
  EXPECT_EQ(PixelAt(27, 50), Rgba(255, 255, 255, 255));
}

}  // namespace
