// The SDL device: colours across a fan, blending, the projection onto the
// viewport, scenes, the back buffer shown in the window; textures with their
// tint, formats, locking, address modes, copies from the back buffer, and
// textures that survive a lost device; and cutting a triangle where its
// texture coordinates cross from one repeat of the texture to the next.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "platform/gpu/TextureSeams.h"

namespace {

using namespace platform;
constexpr GpuColor kBlack{0, 0, 0, 255};
constexpr GpuColor kRed{255, 0, 0, 255};
constexpr GpuColor kGreen{0, 255, 0, 255};
constexpr GpuColor kBlue{0, 0, 255, 255};
constexpr GpuColor kWhite{255, 255, 255, 255};

inline ::testing::AssertionResult ColorNear(GpuColor actual, GpuColor expected, int tolerance) {
  const int off = std::max({std::abs(actual.r - expected.r), std::abs(actual.g - expected.g),
                            std::abs(actual.b - expected.b), std::abs(actual.a - expected.a)});
  return off <= tolerance ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << off << " off";
}

// A hidden window drawn by SDL's software renderer, with a device whose back
// buffer is kSize pixels square, in a scene, with a pixel projection.
class SdlGpuDeviceTest : public ::testing::Test {
 protected:
  static constexpr int kSize = 64;

  void SetUp() override {
    // The environment, when it names drivers, has the last word.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // Otherwise SDL puts an OpenGL texture behind the software window
    // surface, loading (and leaking from) the system's GL libraries.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window_ = SDL_CreateWindow("gpu test", 0, 0, kSize, kSize, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    std::string error;
    device_ = platform::SdlGpuDevice::Create(window_, kSize, kSize, &error);
    ASSERT_NE(device_, nullptr) << error;
    device_->SetProjection(PixelProjection(kSize, kSize));
    ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  }
  void TearDown() override {
    device_.reset();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  // Units of one pixel, y down, as the game sets it up.
  static platform::OrthographicProjection PixelProjection(int width, int height) {
    return platform::OrthographicProjection(0.0f, static_cast<float>(width), static_cast<float>(height), 0.0f);
  }
  GpuColor Pixel(int x, int y) { return device_->ReadBackBuffer({x, y, 1, 1}).at(0); }

  // An axis-aligned quad as the renderer sends it: corners top-left,
  // top-right, bottom-right, bottom-left, texture coordinates spread over it.
  GpuResult DrawQuad(float left, float top, float right, float bottom, const GpuColor (&colors)[4], float uLeft = 0,
                     float vTop = 0, float uRight = 1, float vBottom = 1) {
    const platform::GpuVertex fan[4] = {{left, top, colors[0], uLeft, vTop},
                                        {right, top, colors[1], uRight, vTop},
                                        {right, bottom, colors[2], uRight, vBottom},
                                        {left, bottom, colors[3], uLeft, vBottom}};
    return device_->DrawTriangleFan(fan, 4);
  }
  GpuResult DrawQuad(float left, float top, float right, float bottom, GpuColor color) {
    return DrawQuad(left, top, right, bottom, {color, color, color, color});
  }

  // A texture of opaque colours in square blocks of texels, given row by row:
  // SDL's software renderer maps texels onto triangles only roughly.
  std::unique_ptr<platform::GpuTexture> MakeBlocks(int columns, int rows, int block, const std::vector<GpuColor>& colors) {
    auto texture = device_->CreateTexture(columns * block, rows * block, platform::GpuTextureFormat::Rgba);
    EXPECT_NE(texture, nullptr) << device_->LastError();
    Paint(*texture, columns, block, colors);
    return texture;
  }
  static void Paint(platform::GpuTexture& texture, int columns, int block, const std::vector<GpuColor>& colors) {
    platform::GpuLockedRect locked = texture.Lock();
    ASSERT_NE(locked.bits, nullptr);
    for (int y = 0; y < texture.Height(); ++y) {
      for (int x = 0; x < texture.Width(); ++x) {
        const GpuColor& color = colors[(y / block) * columns + x / block];
        uint8_t* texel = locked.bits + y * locked.pitch + 4 * x;
        texel[0] = color.b, texel[1] = color.g, texel[2] = color.r, texel[3] = color.a;
      }
    }
    texture.Unlock();
  }

  // Every pixel of the back buffer: `inside` within the rectangle, black elsewhere.
  void ExpectRectangle(const GpuRect& r, GpuColor inside) {
    const std::vector<GpuColor> pixels = device_->ReadBackBuffer({0, 0, kSize, kSize});
    ASSERT_EQ(pixels.size(), static_cast<size_t>(kSize * kSize));
    for (int i = 0; i < kSize * kSize; ++i) {
      const int x = i % kSize, y = i / kSize;
      const bool within = x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
      ASSERT_TRUE(pixels[i] == (within ? inside : kBlack)) << x << ", " << y;
    }
  }
  void DrawTexture(GpuTexture* texture) {
    device_->SetTexture(texture);
    ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, kWhite), GpuResult::Ok);
  }

  SDL_Window* window_ = nullptr;
  std::unique_ptr<platform::SdlGpuDevice> device_;
};

TEST_F(SdlGpuDeviceTest, AFanInterpolatesItsCornersAndBlends) {
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kRed, kGreen, kBlue, kWhite}), GpuResult::Ok);
  // Pixel centres lie half a pixel inside; along the top edge only the first
  // two corners count, along the shared diagonal only the first and third.
  EXPECT_TRUE(ColorNear(Pixel(kSize / 2, 0), {128, 128, 0, 255}, 10));
  EXPECT_TRUE(ColorNear(Pixel(kSize / 2, kSize / 2), {128, 0, 128, 255}, 10));

  device_->Clear(kBlue);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 0, 0, 128}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), {128, 0, 127, 255}, 2));
  // Source alpha over one adds.
  device_->Clear({100, 0, 0, 255});
  device_->SetBlendMode(GpuBlendFactor::SourceAlpha, GpuBlendFactor::One);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{100, 50, 0, 255}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), {200, 50, 0, 255}, 1));
}

TEST_F(SdlGpuDeviceTest, ProjectionMapsItsMinimumCornerToTheViewportTopLeft) {
  ASSERT_EQ(device_->SetViewport({8, 4, 40, 20}), GpuResult::Ok);
  // 100 units across 40 pixels and 50 units down 20 pixels: 10 units are 4 pixels.
  device_->SetProjection(OrthographicProjection(100, 200, 50, 0));
  ASSERT_EQ(DrawQuad(190, 40, 200, 50, kGreen), GpuResult::Ok);
  ExpectRectangle({44, 20, 4, 4}, kGreen);
}

TEST_F(SdlGpuDeviceTest, NothingIsDrawnOutsideAScene) {
  // A degenerate projection or viewport draws nothing, but is no error.
  device_->SetProjection(OrthographicProjection(5, 5, 1, 0));
  EXPECT_EQ(DrawQuad(0, 0, 10, 10, kRed), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, 0, kSize}), GpuResult::Ok);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::Ok);
  ASSERT_EQ(device_->SetViewport({0, 0, kSize, kSize}), GpuResult::Ok);

  EXPECT_EQ(device_->BeginScene(), GpuResult::InvalidCall);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->EndScene(), GpuResult::InvalidCall);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::InvalidCall);
  ExpectRectangle({}, kRed);
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  const platform::GpuVertex line[2] = {{0, 0, kRed, 0, 0}, {kSize, kSize, kRed, 0, 0}};
  EXPECT_EQ(device_->DrawTriangleFan(line, 2), GpuResult::InvalidCall);
  EXPECT_EQ(device_->DrawTriangleFan(nullptr, 4), GpuResult::InvalidCall);
}

TEST(OrthographicProjectionTest, EmptyOrUnboundedRectanglesAreNotValid) {
  const float infinity = std::numeric_limits<float>::infinity(), huge = std::numeric_limits<float>::max();
  EXPECT_TRUE(OrthographicProjection(0, 1, 1, 0).IsValid());
  const OrthographicProjection invalid[] = {{3, 3, 1, 0}, {0, 1, 2, 2}, {0, infinity, 1, 0},
                                            {0, 1, std::nanf(""), 0}, {-huge, huge, 1, 0}};
  for (const OrthographicProjection& projection : invalid) EXPECT_FALSE(projection.IsValid());
}

TEST_F(SdlGpuDeviceTest, PresentStretchesTheBackBufferOverTheWindow) {
  ASSERT_EQ(device_->Reset(kSize / 2, kSize / 2), GpuResult::Ok);
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize / 2, kSize / 2));
  ASSERT_EQ(DrawQuad(0, 0, kSize / 4, kSize / 2, kRed), GpuResult::Ok);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  ASSERT_EQ(device_->Present(), GpuResult::Ok);

  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  ASSERT_EQ(surface->format->BytesPerPixel, 4);
  const auto windowPixel = [surface](int x, int y) {
    GpuColor color;
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    SDL_GetRGB(row[x], surface->format, &color.r, &color.g, &color.b);
    return color;
  };
  EXPECT_TRUE(ColorNear(windowPixel(10, 40), kRed, 8));
  EXPECT_TRUE(ColorNear(windowPixel(50, 40), kBlack, 8));
}

TEST_F(SdlGpuDeviceTest, TexturedQuadIsTintedByItsVertexColoursForThatDrawOnly) {
  auto texture = MakeBlocks(2, 2, 16, {kRed, kGreen, kWhite, kBlue});
  device_->SetTexture(texture.get());
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 128, 255, 255}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(48, 16), {0, 128, 0, 255}, 1));
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, {250, 250, 250, 255}}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(48, 16), kGreen, 3));
}

// Each format: its texel size in the lock, zeroed at first, locked once at a
// time, and drawn as its colour; the unused byte of Rgb is no alpha.
TEST_F(SdlGpuDeviceTest, EachFormatLocksInItsLayoutAndDrawsAsItsColour) {
  const struct {
    GpuTextureFormat format;
    std::vector<uint8_t> texel;
    GpuColor drawn;
  } formats[] = {{GpuTextureFormat::Rgb, {0, 0, 200, 0}, {200, 0, 0, 255}},
                 {GpuTextureFormat::Rgba, {0, 0, 200, 255}, {200, 0, 0, 255}},
                 {GpuTextureFormat::Luminance, {100}, {100, 100, 100, 255}},
                 {GpuTextureFormat::LuminanceAlpha, {200, 128}, {100, 100, 100, 255}}};
  for (const auto& entry : formats) {
    SCOPED_TRACE(entry.texel.size());
    auto texture = device_->CreateTexture(8, 4, entry.format);
    ASSERT_NE(texture, nullptr);
    GpuLockedRect locked = texture->Lock();
    ASSERT_EQ(locked.pitch, 8 * static_cast<int>(entry.texel.size()));
    EXPECT_EQ(std::vector<uint8_t>(locked.bits, locked.bits + 4 * locked.pitch), std::vector<uint8_t>(4 * locked.pitch));
    EXPECT_EQ(texture->Lock().bits, nullptr);
    for (int i = 0; i < 32; ++i) std::memcpy(locked.bits + i * entry.texel.size(), entry.texel.data(), entry.texel.size());
    texture->Unlock();
    device_->Clear(kBlack);
    DrawTexture(texture.get());
    EXPECT_TRUE(ColorNear(Pixel(30, 30), entry.drawn, 2));
  }
  for (const auto& [width, height] : {std::pair{0, 4}, {4, -1}, {1 << 20, 4}}) {
    EXPECT_EQ(device_->CreateTexture(width, height, GpuTextureFormat::Rgba), nullptr) << width;
  }
  EXPECT_FALSE(device_->LastError().empty());
}

TEST_F(SdlGpuDeviceTest, WrapRepeatsAndClampStretchesTheEdges) {
  auto texture = MakeBlocks(2, 1, 16, {kRed, kBlue});
  device_->SetTexture(texture.get());
  device_->SetTextureAddressMode(GpuAddressMode::Wrap);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, 0, 0, 2, 2), GpuResult::Ok);
  for (int x : {8, 24, 40, 56}) EXPECT_TRUE(ColorNear(Pixel(x, 56), x % 32 < 16 ? kRed : kBlue, 2)) << x;
  // From -1 to 2 across 64 pixels: a third pinned to each edge texel.
  device_->SetTextureAddressMode(GpuAddressMode::Clamp);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, -1, 0, 2, 1), GpuResult::Ok);
  for (int x : {4, 18, 26, 38, 46, 60}) EXPECT_TRUE(ColorNear(Pixel(x, 30), x < 32 ? kRed : kBlue, 2)) << x;
}

TEST_F(SdlGpuDeviceTest, CopiesFromTheBackBufferAreOpaqueAndLeaveOutWhatLiesOffEitherSurface) {
  device_->Clear(kBlack);
  ASSERT_EQ(DrawQuad(0, 0, 16, 8, GpuColor{0, 255, 0, 128}), GpuResult::Ok);
  ASSERT_EQ(DrawQuad(0, 8, 16, 16, kBlue), GpuResult::Ok);
  auto texture = device_->CreateTexture(16, 16, GpuTextureFormat::Rgba);
  // Four pixels of the source lie left of and above the back buffer; then
  // the destination reaches past the texture's edge.
  ASSERT_EQ(device_->CopyBackBufferToTexture({-4, -4, 8, 8}, *texture, 0, 0), GpuResult::Ok);
  ASSERT_EQ(device_->CopyBackBufferToTexture({0, 8, 16, 16}, *texture, 14, 14), GpuResult::Ok);
  GpuLockedRect locked = texture->Lock();
  const auto texel = [&](int x, int y) { return std::vector<uint8_t>(locked.bits + y * locked.pitch + 4 * x, locked.bits + y * locked.pitch + 4 * x + 4); };
  EXPECT_EQ(texel(3, 3), std::vector<uint8_t>(4, 0));
  EXPECT_EQ(texel(4, 4), (std::vector<uint8_t>{0, 128, 0, 255}));
  EXPECT_EQ(texel(8, 8), std::vector<uint8_t>(4, 0));
  EXPECT_EQ(texel(15, 15), (std::vector<uint8_t>{255, 0, 0, 255}));
  // Nothing in reach, or a texture held locked, is refused.
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 16, 0), GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({kSize, 0, 4, 4}, *texture, 0, 0), GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 0, 0), GpuResult::InvalidCall);
  texture->Unlock();
  // Grey textures take the luminance, in which blue weighs least, and are opaque.
  for (GpuTextureFormat format : {GpuTextureFormat::Luminance, GpuTextureFormat::LuminanceAlpha}) {
    auto grey = device_->CreateTexture(4, 4, format);
    ASSERT_EQ(device_->CopyBackBufferToTexture({0, 8, 4, 4}, *grey, 0, 0), GpuResult::Ok);
    const std::vector<uint8_t> expected =
        format == GpuTextureFormat::Luminance ? std::vector<uint8_t>{29} : std::vector<uint8_t>{29, 255};
    const uint8_t* texel = grey->Lock().bits;
    EXPECT_EQ(std::vector<uint8_t>(texel, texel + expected.size()), expected);
    grey->Unlock();
  }
}

// A texture that some other device made.
class ForeignTexture : public GpuTexture {
 public:
  int Width() const override { return 1; }
  int Height() const override { return 1; }
  GpuTextureFormat Format() const override { return GpuTextureFormat::Rgba; }
  GpuLockedRect Lock() override { return {texel_, 4}; }
  void Unlock() override {}

 private:
  uint8_t texel_[4] = {};
};

TEST_F(SdlGpuDeviceTest, TexturesItDidNotMakeOrThatAreGoneDrawAsPlainColour) {
  ForeignTexture foreign;
  device_->SetTexture(&foreign);
  ASSERT_EQ(DrawQuad(0, 0, 32, 32, kGreen), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(10, 10), kGreen, 0));
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 1, 1}, foreign, 0, 0), GpuResult::InvalidCall);
  auto texture = MakeBlocks(1, 1, 1, {kRed});
  device_->SetTexture(texture.get());
  texture.reset();
  ASSERT_EQ(DrawQuad(32, 32, 64, 64, kBlue), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(40, 40), kBlue, 0));
}

// Lost, nothing is drawn, shown or read; after the reset every texture shows
// its contents, also those changed or made while lost.
TEST_F(SdlGpuDeviceTest, TexturesSurviveALostDevice) {
  auto kept = MakeBlocks(2, 1, 16, {kRed, kBlue});
  auto changed = MakeBlocks(2, 1, 16, {kRed, kBlue});
  device_->SimulateDeviceLoss();
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kGreen), GpuResult::DeviceLost);
  EXPECT_EQ(device_->EndScene(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->Present(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->BeginScene(), GpuResult::DeviceLost);
  EXPECT_TRUE(device_->ReadBackBuffer({0, 0, 1, 1}).empty());
  Paint(*changed, 2, 16, {kGreen, kWhite});
  auto made = MakeBlocks(2, 1, 16, {kBlue, kRed});

  ASSERT_EQ(device_->TestDeviceState(), GpuResult::DeviceNotReset);
  EXPECT_EQ(device_->Reset(0, kSize), GpuResult::InvalidCall);
  EXPECT_EQ(device_->Reset(kSize, 1 << 20), GpuResult::InvalidCall);
  ASSERT_EQ(device_->Reset(2 * kSize, kSize), GpuResult::Ok) << device_->LastError();
  EXPECT_EQ(device_->TestDeviceState(), GpuResult::Ok);
  EXPECT_EQ(device_->ReadBackBuffer({0, 0, 2 * kSize, kSize}).size(), static_cast<size_t>(2 * kSize * kSize));
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, kSize, kSize}), GpuResult::Ok);
  const std::pair<GpuTexture*, std::pair<GpuColor, GpuColor>> drawn[] = {
      {kept.get(), {kRed, kBlue}}, {changed.get(), {kGreen, kWhite}}, {made.get(), {kBlue, kRed}}};
  for (const auto& [texture, colors] : drawn) {
    DrawTexture(texture);
    EXPECT_TRUE(ColorNear(Pixel(10, 10), colors.first, 0));
    EXPECT_TRUE(ColorNear(Pixel(50, 10), colors.second, 0));
  }
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->Present(), GpuResult::Ok);
}

double TotalArea(const std::vector<GpuVertex>& t) {
  double area = 0.0;
  for (size_t i = 0; i + 2 < t.size(); i += 3) {
    area += std::fabs((t[i + 1].x - t[i].x) * (t[i + 2].y - t[i].y) - (t[i + 2].x - t[i].x) * (t[i + 1].y - t[i].y)) / 2;
  }
  return area;
}

// u runs from -1 to 2 across the triangle (u = x / 10 - 1, v = y / 10): wrap
// shifts each piece by whole repeats into range, clamp pins the outer thirds
// to the edge texels.
TEST(TextureSeamsTest, EachPieceTakesItsRepeatOrItsEdge) {
  const GpuVertex a{0, 0, {}, -1, 0}, b{30, 0, {}, 2, 0}, c{0, 10, {}, -1, 1};
  for (GpuAddressMode mode : {GpuAddressMode::Wrap, GpuAddressMode::Clamp}) {
    std::vector<GpuVertex> pieces;
    ASSERT_TRUE(SplitTriangleAtTextureSeams(a, b, c, mode, 16, 16, pieces));
    EXPECT_NEAR(TotalArea(pieces), 150.0, 1e-3);
    EXPECT_GE(pieces.size(), 9u);
    for (size_t i = 0; i < pieces.size(); i += 3) {
      const float middleX = (pieces[i].x + pieces[i + 1].x + pieces[i + 2].x) / 3.0f;
      const double shift = std::floor(middleX / 10.0) - 1.0;
      for (size_t k = i; k < i + 3; ++k) {
        const double u = pieces[k].x / 10.0 - 1.0;
        const double expected = mode == GpuAddressMode::Wrap ? u - shift
                                : middleX < 10                ? 0.5 / 16
                                : middleX > 20                ? 1 - 0.5 / 16
                                                              : u;
        EXPECT_NEAR(pieces[k].u, expected, 1e-4) << k;
        EXPECT_NEAR(pieces[k].v, pieces[k].y / 10.0, 1e-5);
      }
    }
  }
}

TEST(TextureSeamsTest, RefusesWhatCannotBeCutSensibly) {
  const float huge = 1e30f;
  std::vector<GpuVertex> pieces;
  // Ten thousand repeats each way, or no number at all.
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, 0, 0}, {10, 0, {}, 1e4f, 0}, {0, 10, {}, 0, 1e4f},
                                           GpuAddressMode::Wrap, 4, 4, pieces));
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, std::nanf(""), 0}, {10, 0, {}, 0, 0}, {0, 10, {}, 0, 0},
                                           GpuAddressMode::Clamp, 4, 4, pieces));
  EXPECT_TRUE(pieces.empty());
  // Coordinates too large to step through one by one still finish, and
  // clamping handles any span in few pieces.
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, huge, 0}, {10, 0, {}, huge, 0}, {0, 10, {}, huge, 0.5f},
                                          GpuAddressMode::Wrap, 4, 4, pieces));
  pieces.clear();
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, -huge, -huge}, {10, 0, {}, huge, 0}, {0, 10, {}, 0, huge},
                                          GpuAddressMode::Clamp, 4, 4, pieces));
  EXPECT_LE(pieces.size(), 9u * 7u * 3u);
}

}  // namespace
