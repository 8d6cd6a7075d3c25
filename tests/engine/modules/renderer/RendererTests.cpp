// The renderer on the recording device (frames, lost devices, textures, the
// draws into them and bitmap fonts), the table of animated-texture
// definitions, and once on SDL's software renderer.
#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <set>

#include "engine/core/FontDescriptor.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/AnimatedTextureDefinition.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SoftwareRendererTest.h"

namespace renderer_test {
namespace {

using ::testing::ElementsAre;
using font_test::SolidPng;
using Quad = std::array<float, 4>;  // left, top, right, bottom

using RendererTest = RecordingRendererTest;

platform::GpuTexture* DeviceTexture(Texture* texture) {
  return Texture_Win32_DirectX81::ResolveDeviceTexture(texture);
}

// While the driver keeps the device only the test of whether it can be
// reset reaches it; then one reset brings it back at the window's size with
// the default states.
TEST_F(RendererTest, ALostDeviceIsLeftAloneUntilItCanBeReset) {
  m_renderer->OnWindowResize(IntVector2(320, 200));
  m_device->loseOnPresent = true;
  m_device->resetPossible = false;
  m_renderer->Render();
  ForgetDrawing();
  m_renderer->Update();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.5f, 0.0f);
  m_renderer->Render();
  EXPECT_THAT(m_device->calls, ElementsAre("TestDeviceState"));
  m_device->resetPossible = true;
  m_renderer->Render();
  EXPECT_THAT(m_device->calls, ElementsAre("TestDeviceState", "TestDeviceState", "Reset 320x200"));
  EXPECT_EQ(m_device->blendSource, platform::GpuBlendFactor::SourceAlpha);
  m_renderer->Update();
  m_renderer->DrawBox(Vector2(0, 0), Vector2(5, 5), Rgba::WHITE, true, 0.0f, 0.0f);
  EXPECT_EQ(m_device->fans.size(), 1u);
}

// Only bitmap fonts are drawn: text in a descriptor's face takes no room,
// draws nothing and fits anywhere at scale 1. Lines are bands of their
// thickness once the renderer has started.
TEST_F(RendererTest, TextWithoutABitmapFontTakesNoRoomAndDrawsNothing) {
  const FontDescriptor face("NoSuchFace", 20, false, false);
  const Vector2 mins(0, 0);
  const Vector2 maxs(100, 40);
  ForgetDrawing();
  m_renderer->DrawTextAt(&face, Vector2(10, 10), "Hello", Rgba::WHITE);
  EXPECT_TRUE(m_device->fans.empty());
  EXPECT_EQ(m_renderer->GetTextExtent(&face, "Hello"), Vector2(0, 0));
  EXPECT_THAT((std::array{m_renderer->GetTextScaleToFit(&face, "Hello", 10, 5),
                          m_renderer->GetTextScaleForHeight(&face, "Hello", 5),
                          m_renderer->GetTextScaleToFitBox(&face, "Hello", mins, maxs, 20, 1, 1),
                          m_renderer->GetTextScaleToFitLine(&face, "Hello", mins, maxs, 20, 2)}),
              ::testing::Each(1.0f));
  Vector2 scale;
  m_renderer->GetTextScaleInBox(scale, &face, "Hello", mins, maxs, 20);
  EXPECT_EQ(scale, Vector2(1, 1));
  EXPECT_TRUE(m_renderer->DrawsThickLines());
  EXPECT_FALSE(UlvoRendererBasic_Win32_DirectX81::Create()->DrawsThickLines());
}

// The device keeps colour channels blue, green, red; an RGB texel has an
// opaque spare byte; grey images keep their luminance and alpha. Tiled
// textures wrap, others clamp, also one made where a destroyed one was.
TEST_F(RendererTest, TexturesReachTheDeviceInItsChannelOrderAndAreDrawnWithTheirCoordinates) {
  const struct {
    int format;
    std::vector<unsigned char> pixels;
    std::vector<uint8_t> texels;
  } cases[] = {
      {Image::IMAGE_FORMAT_RGBA, {10, 20, 30, 40, 1, 2, 3, 4}, {30, 20, 10, 40, 3, 2, 1, 4}},
      {Image::IMAGE_FORMAT_RGB, {10, 20, 30, 40, 50, 60}, {30, 20, 10, 255, 60, 50, 40, 255}},
      {Image::IMAGE_FORMAT_GREY, {7, 255}, {7, 255}},
      {Image::IMAGE_FORMAT_GREY_ALPHA, {90, 10, 200, 0}, {90, 10, 200, 0}},
  };
  std::unique_ptr<Texture> texture = Texture::Create();
  for (const auto& c : cases) {
    texture->PopulateFromImage(*MakeImage(2, 1, c.format, c.pixels),
                               c.format == Image::IMAGE_FORMAT_GREY_ALPHA);
    EXPECT_EQ(static_cast<RecordingGpuTexture*>(DeviceTexture(texture.get()))->texels, c.texels);
  }
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(10, 20), Vector2(30, 60),
                               Rgba(255, 128, 0, 9), Vector2(0.25f, 0.5f), Vector2(0.75f, 1.0f));
  texture.reset();
  std::unique_ptr<Texture> clamped = MakeTexture(4, 4);
  m_renderer->DrawTexturedQuad(clamped.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(3, 3));
  ASSERT_EQ(m_device->fans.size(), 2u);
  std::vector<float> corners;  // x, y, u, v of each
  for (const platform::GpuVertex& corner : m_device->fans[0].vertices) {
    corners.insert(corners.end(), {corner.x, corner.y, corner.u, corner.v});
  }
  EXPECT_EQ(corners, (std::vector<float>{10, 20, 0.25f, 0.5f, 30, 20, 0.75f, 0.5f, 30, 60, 0.75f,
                                         1.0f, 10, 60, 0.25f, 1.0f}));
  EXPECT_EQ(m_device->fans[0].addressMode, platform::GpuAddressMode::Wrap);
  EXPECT_EQ(m_device->fans[1].addressMode, platform::GpuAddressMode::Clamp);
}

// A texture the device could not make stays empty: drawing it puts nothing
// on the device, not a bare quad in the tint.
TEST_F(RendererTest, ATextureTheDeviceCouldNotMakeDrawsNothing) {
  m_device->refuseTextures = true;
  const std::unique_ptr<Texture> texture = MakeTexture(4, 4);
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  EXPECT_TRUE(m_device->fans.empty());
}

// A draw into a texture runs at the next update, once, in queue order, on a
// back buffer cut to the texture; a texture destroyed or refilled before, or
// destroyed by its own listener, is not copied into.
TEST_F(RendererTest, DrawsIntoTexturesRunOnceAtTheNextUpdate) {
  m_renderer->OnWindowResize(IntVector2(32, 32));
  modules_test::EventLog draws("DrawIntoTexture");
  std::vector<Texture*> drawn;
  std::unique_ptr<Texture> textures[4] = {MakeTexture(64, 16), MakeTexture(8, 8),
                                          MakeTexture(8, 8), MakeTexture(8, 8)};
  draws.whileFiring = [&](NamedProperties&) {
    drawn.push_back(draws.Get<Texture*>("Texture"));
    if (drawn.back() == textures[3].get()) textures[3].reset();
  };
  for (const std::unique_ptr<Texture>& texture : textures) {
    m_renderer->EnqueueDynamicTextureUpdateRequest(texture.get(), AABB2(0, 0, 100.9f, 100.9f),
                                                   "DrawIntoTexture", nullptr);
  }
  Texture* const first = textures[0].get();
  Texture* const last = textures[3].get();
  textures[1].reset();
  textures[2]->PopulateFromImage(*MakeImage(8, 8, Image::IMAGE_FORMAT_GREY, {3}), false);
  m_renderer->Update();
  m_renderer->Render();
  m_renderer->Update();
  EXPECT_THAT(drawn, ElementsAre(first, last));
  EXPECT_EQ(draws.Get<Vector2>("UpdatedRegionSize"), Vector2(100.9f, 100.9f));
  ASSERT_EQ(m_device->copies.size(), 1u);
  EXPECT_EQ(m_device->copies[0].destination, DeviceTexture(first));
  EXPECT_EQ(m_device->copies[0].source.width, 64);
  EXPECT_EQ(m_device->copies[0].source.height, 16);
  EXPECT_EQ(m_device->BackBufferWidth(), 32);
}

// The definition of a font, as a person would write it: the glyphs of the
// byte values given (page, texture bounds, the three spaces), none for the
// others.
std::string FontDefinitionFile(const std::string& name, int pageCount,
                               const std::map<int, std::string>& glyphs) {
  std::string text = "\"" + name + "\" \"EN\" 7 " + std::to_string(pageCount) + " 0.75\n";
  for (int byte = 0; byte < 256; ++byte) {
    const auto found = glyphs.find(byte);
    text += found == glyphs.end() ? "{ false }\n" : "{ true " + found->second + " }\n";
  }
  return text;
}

// The back buffer is cut to the texture whenever either side differs, and
// left alone (no reset at all) when it already has the texture's size.
TEST_F(RendererTest, TheBackBufferIsCutWhenEitherSideDiffersAndOnlyThen) {
  m_renderer->OnWindowResize(IntVector2(32, 32));
  const std::pair<IntVector2, int> cases[] = {  // texture size, resets
      {IntVector2(32, 8), 2}, {IntVector2(8, 32), 2}, {IntVector2(32, 32), 0}};
  for (const auto& [size, resets] : cases) {
    modules_test::EventLog draws("DrawIntoTexture");
    IntVector2 seen;
    draws.whileFiring = [&](NamedProperties&) {
      seen = IntVector2(m_device->BackBufferWidth(), m_device->BackBufferHeight());
    };
    std::unique_ptr<Texture> texture = MakeTexture(size.x, size.y);
    m_renderer->EnqueueDynamicTextureUpdateRequest(texture.get(), AABB2(0, 0, 100, 100), "DrawIntoTexture",
                                                   nullptr);
    m_device->calls.clear();
    m_renderer->Update();
    EXPECT_EQ(seen, size) << size.x << " x " << size.y;
    EXPECT_EQ(std::count_if(m_device->calls.begin(), m_device->calls.end(),
                            [](const std::string& call) { return call.rfind("Reset", 0) == 0; }),
              resets)
        << size.x << " x " << size.y;
  }
}

// A back buffer that cannot be cut to the texture leaves the draw undone:
// its listener never runs on a back buffer of the wrong size, nothing is
// copied and the back buffer keeps its size.
TEST_F(RendererTest, ADrawIntoATextureIsDroppedWhenTheBackBufferCannotBeResized) {
  m_renderer->OnWindowResize(IntVector2(32, 32));
  modules_test::EventLog draws("DrawIntoTexture");
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  m_renderer->EnqueueDynamicTextureUpdateRequest(texture.get(), AABB2(0, 0, 8, 8), "DrawIntoTexture",
                                                 nullptr);
  m_device->failResets = true;
  m_renderer->Update();
  EXPECT_EQ(draws.count, 0);
  EXPECT_TRUE(m_device->copies.empty());
  EXPECT_EQ(m_device->BackBufferWidth(), 32);
}

// A one-page font whose glyphs make the arithmetic easy: 'w' fills its
// advance of one size; 'a' has 0.1 before, 0.6 wide, 0.3 after; ' ' draws
// nothing and moves on 0.25; 'p' lies on page 5, which the font lacks, 'h'
// on page 200 (never drawn); 0xFF ends exactly at the page's corner and 'x'
// reaches outside the page. Without an application no line is culled.
class FontTest : public RecordingRendererTest {
 protected:
  void SetUp() override {
    RecordingRendererTest::SetUp();
    m_application.reset();
    m_data.Write("Locale/Fonts/Test_EN.FontDef", FontDefinitionFile("Test", 1, m_glyphs));
    m_data.Write("Locale/Fonts/Test_EN_00.png", SolidPng(8, Rgba::WHITE));
    m_font = m_renderer->LoadFont("Test", "EN");
  }

  std::vector<Quad> Quads() const {
    std::vector<Quad> quads;
    for (const auto& fan : m_device->fans) {
      const std::vector<platform::GpuVertex>& corners = fan.vertices;
      quads.push_back({corners[0].x, corners[0].y, corners[2].x, corners[2].y});
    }
    return quads;
  }

  const std::map<int, std::string> m_glyphs = {
      {'w', "0 AABB2[(0.5,0),(1,0.5)] 0 1 0"}, {'a', "0 AABB2[(0,0),(0.5,0.5)] 0.1 0.6 0.3"},
      {' ', "0 AABB2[(0,0),(0,0)] 0 0 0.25"}, {'p', "5 AABB2[(0,0),(1,1)] 0 1 0"},
      {'h', "200 AABB2[(0,0),(1,1)] 0 1 0"}, {'x', "0 AABB2[(-0.5,0.25),(1.5,2)] 0 0.5 0"},
      {0xFF, "0 AABB2[(0.875,0.75),(1,1)] -0.125 0.25 0.0625"}};
  testsupport::ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
  BitmapFont* m_font = nullptr;
};

// Texture coordinates are clamped to the page, a glyph ending exactly at its
// edge kept whole; byte values without a glyph are on no page.
TEST_F(FontTest, TheDefinitionKeepsGlyphsOnTheirPage) {
  EXPECT_EQ(m_font->GetGlyph(0xFF).textureBounds, AABB2(0.875f, 0.75f, 1.0f, 1.0f));
  EXPECT_EQ(m_font->GetGlyph('x').textureBounds, AABB2(0.0f, 0.25f, 1.0f, 1.0f));
  EXPECT_EQ(m_font->GetGlyph(0xFE).page, GlyphInfo::NO_PAGE);
}

// The extent sums the advances up to the first NUL: 'z' has no glyph (0.5),
// glyphs on missing pages still advance. Each glyph drawn is one tinted quad
// of its part of the page.
TEST_F(FontTest, EachByteMovesThePenAndEachGlyphIsOneQuad) {
  EXPECT_FLOAT_EQ(m_renderer->CalcTextExtent(m_font, "wa z ph", 8.0f).x, 8.0f * 5.0f);
  EXPECT_EQ(m_renderer->CalcTextExtent(m_font, std::string("w\0ww", 4), 20.0f), Vector2(20, 20));
  EXPECT_EQ(m_renderer->CalcTextExtent(nullptr, "ww", 20.0f), Vector2(0, 20));

  // Top-left at (100, 50): 'a' from 102 to 114, the pen to 120; 'z' moves it
  // to 130, ' ' to 135; 'w' from 135 to 155; 'p' and 'h' draw nothing.
  const Rgba orange(255, 128, 0, 200);
  m_renderer->DrawText(m_font, Vector2(100, 50), "az wph", 20.0f, orange, 2, 2);
  ASSERT_EQ(Quads(), (std::vector<Quad>{{102, 50, 114, 70}, {135, 50, 155, 70}}));
  const auto& a = m_device->fans[0].vertices;
  EXPECT_EQ(std::make_tuple(a[2].color.g, a[2].u, a[2].v, m_device->fans[1].vertices[0].u),
            std::make_tuple(128, 0.5f, 0.5f, 0.5f));
}

// "ww" at size 20 is 40 wide and 20 high. At the anchor it ends (0), starts
// (2) or is centred (anything else); in a box it lies at the top left (0),
// bottom right (2) or centre; wider than 90% of the box it shrinks to fit.
TEST_F(FontTest, TextIsAlignedAgainstItsAnchorOrInsideItsBox) {
  const std::tuple<int, int, Quad, Quad> cases[] = {  // alignments, at the anchor, in the box
      {0, 0, {60, 180, 80, 200}, {100, 200, 120, 220}},
      {2, 2, {100, 200, 120, 220}, {260, 280, 280, 300}},
      {1, 1, {80, 190, 100, 210}, {180, 240, 200, 260}},
      {7, -3, {80, 190, 100, 210}, {180, 240, 200, 260}}};
  for (const auto& [vertical, horizontal, atAnchor, inBox] : cases) {
    ForgetDrawing();
    m_renderer->DrawText(m_font, Vector2(100, 200), "ww", 20, Rgba::WHITE, vertical, horizontal);
    m_renderer->DrawTextInBox(m_font, AABB2(100, 200, 300, 300), "ww", 20, Rgba::WHITE, vertical,
                              horizontal);
    EXPECT_THAT(Quads(), ElementsAre(atAnchor, ::testing::_, inBox, ::testing::_)) << vertical;
  }
  ForgetDrawing();
  m_renderer->DrawTextInBox(m_font, AABB2(0, 0, 100, 50), "wwwwww", 20.0f, Rgba::WHITE, 1, 1);
  EXPECT_EQ(Quads().front(), (Quad{5, 17.5f, 20, 32.5f}));
}

// With an application a line is drawn while any of it may show in the view:
// from its top at the view's bottom edge to its top two sizes above the view.
TEST_F(FontTest, LinesAboveOrBelowTheApplicationsViewAreSkipped) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  m_application = UlvoApplicationBasic_Win32::Create();
  m_application->OpenWindow(IntVector2(1024, 640), 0, 101);
  ASSERT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
  for (const auto& [top, drawn] : {std::pair{640.0f, true}, {641.0f, false}, {-40.0f, true}, {-41.0f, false}}) {
    ForgetDrawing();
    m_renderer->DrawText(m_font, Vector2(0, top), "w", 20.0f, Rgba::WHITE, 2, 2);
    EXPECT_EQ(m_device->fans.size(), drawn ? 1u : 0u) << top;
  }
}

// A font is entered only when its definition and all of its pages, named
// after the name inside the definition and loaded from 0 on, load.
TEST_F(FontTest, AFontThatCannotBeLoadedWholeThrowsAndIsNotEntered) {
  m_data.Write("Locale/Fonts/Short_EN.FontDef", FontDefinitionFile("Pages", 2, {}));
  m_data.Write("Locale/Fonts/Pages_EN_00.png", SolidPng(4, Rgba::WHITE));
  const std::pair<const char*, const char*> failures[] = {
      {"Missing", "Font definition \"Data/Locale/Fonts/Missing_EN.FontDef\" could not be read"},
      {"Short", "Failed to open PNG image \"Data/Locale/Fonts/Pages_EN_01.png\""}};
  for (const auto& [face, message] : failures) {
    EXPECT_THAT(testsupport::CatchUlvoException([&] { m_renderer->LoadFont(face, "EN"); }).message,
                ::testing::HasSubstr(message));
    EXPECT_EQ(m_renderer->GetFont(face), nullptr);
  }
  // Each of a glyph's three spaces must be a finite number; only a binary
  // definition can hold one that is not.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float spaces[][3] = {{nan, 1, 0}, {0, std::numeric_limits<float>::infinity(), 0}, {0, 1, nan}};
  for (const auto& space : spaces) {
    ResourceStream binary(RESOURCE_STREAM_FORMAT_BINARY, 4096);
    binary.WriteString("Odd");
    binary.WriteString("EN");
    binary.WriteUInt8(7);
    binary.WriteInt32(1);
    binary.WriteFloat(0.75f);
    for (int character = 0; character < 256; ++character) {
      binary.WriteBool(character == 'w');
      if (character == 'w') {
        binary.WriteUInt8(0);
        binary.WriteVector2(Vector2(0, 0));
        binary.WriteVector2(Vector2(1, 1));
        for (const float value : space) binary.WriteFloat(value);
      }
    }
    ASSERT_TRUE(binary.SaveToFile(UlvoPath(PATH_MARKER_DATA, "Locale/Fonts/Odd_EN.FontDef")));
    m_data.Write("Locale/Fonts/Odd_EN_00.png", SolidPng(4, Rgba::WHITE));
    EXPECT_THAT(testsupport::CatchUlvoException([&] { m_renderer->LoadFont("Odd", "EN"); }).message,
                ::testing::HasSubstr("has a space that is not a finite number"))
        << space[0] << " " << space[1] << " " << space[2];
    EXPECT_EQ(m_renderer->GetFont("Odd"), nullptr);
  }
}

// A glyph names its page in one byte, so 256 pages is the most a font can
// use: a font of exactly that many loads them all, one more is refused.
TEST_F(FontTest, AFontOfTwoHundredFiftySixPagesLoadsAndOneMoreIsRefused) {
  const auto page = SolidPng(1, Rgba::WHITE);
  for (int i = 0; i < 257; ++i) {
    m_data.Write(BitmapFont::PagePath("Big", "EN", i), page);
  }
  m_data.Write("Locale/Fonts/Big_EN.FontDef", FontDefinitionFile("Big", 256, {}));
  m_data.Write("Locale/Fonts/Over_EN.FontDef", FontDefinitionFile("Big", 257, {}));
  BitmapFont* big = m_renderer->LoadFont("Big", "EN");
  ASSERT_NE(big, nullptr);
  EXPECT_NE(big->GetPage(255), nullptr);
  EXPECT_EQ(big->GetPage(256), nullptr);
  EXPECT_THAT(testsupport::CatchUlvoException([&] { m_renderer->LoadFont("Over", "EN"); }).message,
              ::testing::HasSubstr("gives 257 pages"));
  EXPECT_EQ(m_renderer->GetFont("Over"), nullptr);
}

// A definition read later under a name (in any letter case) takes the name's
// entry; the one it replaced going away leaves the entry alone, the holder
// of the entry going away empties it.
TEST(AnimatedTextureTest, AReplacedDefinitionGoingAwayLeavesTheNewerOneFound) {
  testsupport::ScopedDataFolder data;
  data.Write("Animations/a.AnimTextureDefinition", "{ 3 \"sparkle\" \"\" \"*.png\" 0 false 12.5 1 1 0 0 }");
  data.Write("Animations/b.AnimTextureDefinition", "{ 3 \"SPARKLE\" \"\" \"*.png\" 0 false 12.5 1 1 0 0 }");
  std::vector<std::unique_ptr<AnimatedTextureDefinition>> loaded = AnimatedTextureDefinition::LoadAll();
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(AnimatedTextureDefinition::Find("Sparkle"), loaded[1].get());
  loaded[0].reset();
  EXPECT_EQ(AnimatedTextureDefinition::Find("Sparkle"), loaded[1].get());
  loaded[1].reset();
  EXPECT_EQ(AnimatedTextureDefinition::Find("Sparkle"), nullptr);
}

class RendererPixelTest : public testsupport::SoftwareRendererTest {
 protected:
  RendererPixelTest() : SoftwareRendererTest(IntVector2(1280, 1024)) {}
};

// Drawing really reaches the device's back buffer: the virtual screen,
// letterboxed into the window, cuts a quad far larger than itself.
TEST_F(RendererPixelTest, TheVirtualScreenIsLetterboxedAndNothingIsDrawnOutsideIt) {
  BeginFrameInPixels(Rgba(0, 0, 0, 255));
  m_renderer->SetViewport(IntVector2(0, 112), IntVector2(1280, 800));
  m_renderer->SetTransform(0, 0, 1024, 640);
  m_renderer->DrawAlignedQuad(Vector2(-500, -500), Vector2(2000, 2000), Rgba::WHITE, Rgba::WHITE,
                              Rgba::WHITE, Rgba::WHITE, true, 0.0f);
  // The red of every pixel of the rows.
  const auto reds = [&](int firstRow, int rowCount) {
    std::set<int> found;
    for (const auto& pixel : m_device->ReadBackBuffer({0, firstRow, 1280, rowCount})) {
      found.insert(pixel.r);
    }
    return found;
  };
  EXPECT_EQ(reds(0, 112), std::set<int>{0});
  EXPECT_EQ(reds(112, 800), std::set<int>{255});
  EXPECT_EQ(reds(912, 1024 - 912), std::set<int>{0});
}

}  // namespace
}  // namespace renderer_test
