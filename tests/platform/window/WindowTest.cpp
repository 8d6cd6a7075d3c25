#include "tests/platform/window/WindowTestSupport.h"

#include "platform/window/Cursor.h"

#include <vector>

namespace {

using namespace platform;
using platform_test::WindowTest;

TEST_F(WindowTest, OpensWithTheRequestedClientAreaReportedFirst) {
  EXPECT_EQ(window_->ClientOrigin(), (IntPoint{100, 50}));
  EXPECT_EQ(window_->ClientSize(), (IntSize{640, 400}));
  WindowSettings settings;
  settings.clientOrigin = {-200, 30};
  settings.clientSize = {320, 200};
  std::string error;
  auto window = Window::Create(settings, error);
  ASSERT_NE(window, nullptr) << error;
  WindowMessage move, size;
  ASSERT_TRUE(window->PollMessage(move) && window->PollMessage(size));
  EXPECT_EQ(move, WindowMessage::Move({-200, 30}));
  EXPECT_EQ(size, WindowMessage::Size({320, 200}));
  settings.clientSize = {0, 400};
  EXPECT_EQ(Window::Create(settings, error), nullptr);
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
}

TEST(CursorTest, RefusesImagesThatCannotBeCursors) {
  const std::vector<uint8_t> pixels(32 * 32 * 4, 0xFF);
  const struct {
    const uint8_t* pixels;
    size_t bytes;
    int width, height, hotX, hotY;
    const char* complaint;
  } cases[] = {{pixels.data(), pixels.size(), 0, 32, 0, 0, "size"},      {pixels.data(), pixels.size(), 512, 2, 0, 0, "size"},
               {pixels.data(), pixels.size(), 32, 32, 32, 0, "hot spot"}, {pixels.data(), pixels.size(), 32, 32, 0, -1, "hot spot"},
               {pixels.data(), pixels.size(), 32, 32, -1, 0, "hot spot"}, {pixels.data(), pixels.size(), 32, 32, 0, 32, "hot spot"},
               {pixels.data(), pixels.size() - 1, 32, 32, 0, 0, "bytes"}, {nullptr, pixels.size(), 32, 32, 0, 0, "bytes"}};
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(Cursor::FromPixels(c.pixels, c.bytes, c.width, c.height, c.hotX, c.hotY, error), nullptr);
    EXPECT_NE(error.find(c.complaint), std::string::npos) << error;
  }
}

TEST_F(WindowTest, CursorsAndIconsAreTakenOnlyWhenTheirPixelsFillTheirSize) {
  const std::vector<uint8_t> pixels(32 * 32 * 4, 0x80);
  std::string error;
  EXPECT_TRUE(window_->SetIcon(pixels.data(), pixels.size(), 32, 32, error)) << error;
  EXPECT_FALSE(window_->SetIcon(pixels.data(), pixels.size(), 64, 32, error));
  EXPECT_NE(error.find("64 x 32"), std::string::npos) << error;
  const auto cursor = Cursor::FromPixels(pixels.data(), pixels.size(), 32, 32, 3, 4, error);
  // Drivers without cursors (offscreen) say so; the arrow stays in use.
  if (cursor == nullptr) {
    EXPECT_FALSE(error.empty());
    return;
  }
  window_->ShowCursor(cursor.get());
  EXPECT_EQ(SDL_GetCursor(), cursor->NativeHandle());
  window_->ShowCursor(nullptr);
  EXPECT_NE(SDL_GetCursor(), cursor->NativeHandle());
}

}  // namespace
