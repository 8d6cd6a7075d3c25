#include "tests/platform/window/WindowTestSupport.h"

#include "platform/window/Cursor.h"

#include <algorithm>
#include <vector>

namespace {

using namespace platform;
using Messages = std::vector<WindowMessage>;
using platform_test::WindowTest;

TEST_F(WindowTest, OpensWithTheRequestedClientArea) {
  EXPECT_EQ(window_->ClientOrigin(), (IntPoint{100, 50}));
  EXPECT_EQ(window_->ClientSize(), (IntSize{640, 400}));
  EXPECT_EQ(window_->GetDisplayMode(), DisplayMode::Windowed);
  EXPECT_FALSE(window_->IsMinimized());
  const WindowBorders borders = window_->Borders();
  EXPECT_GE(borders.top, 0);
  EXPECT_GE(borders.left, 0);
}

TEST_F(WindowTest, FirstMessagesReportTheOpeningGeometry) {
  WindowSettings settings;
  settings.title = "Second";
  settings.clientOrigin = {-200, 30};
  settings.clientSize = {320, 200};
  std::string error;
  auto window = Window::Create(settings, error);
  ASSERT_NE(window, nullptr) << error;
  WindowMessage message;
  ASSERT_TRUE(window->PollMessage(message));
  EXPECT_EQ(message, WindowMessage::Move({-200, 30}));
  ASSERT_TRUE(window->PollMessage(message));
  EXPECT_EQ(message, WindowMessage::Size({320, 200}));
}

TEST_F(WindowTest, EmptySizeIsRefused) {
  WindowSettings settings;
  settings.clientSize = {0, 400};
  std::string error;
  EXPECT_EQ(Window::Create(settings, error), nullptr);
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
}

TEST_F(WindowTest, GeometryChangesComeBackAsMessages) {
  window_->SetClientGeometry({10, 20}, {800, 500});
  EXPECT_EQ(window_->ClientOrigin(), (IntPoint{10, 20}));
  EXPECT_EQ(window_->ClientSize(), (IntSize{800, 500}));
  const Messages messages = Drain();
  EXPECT_NE(std::find(messages.begin(), messages.end(), WindowMessage::Size({800, 500})),
            messages.end());
}

TEST_F(WindowTest, SwitchesBetweenWindowedAndDesktopFullScreen) {
  const IntSize desktop = Window::DesktopSize();
  ASSERT_GT(desktop.width, 0);
  ASSERT_GT(desktop.height, 0);
  window_->SetDisplayMode(DisplayMode::FullscreenDesktop);
  EXPECT_EQ(window_->GetDisplayMode(), DisplayMode::FullscreenDesktop);
  EXPECT_EQ(window_->ClientSize(), desktop);
  const Messages messages = Drain();
  EXPECT_NE(std::find(messages.begin(), messages.end(), WindowMessage::Size(desktop)),
            messages.end());

  window_->SetDisplayMode(DisplayMode::Windowed);
  window_->SetClientGeometry({5, 6}, {640, 400});
  EXPECT_EQ(window_->GetDisplayMode(), DisplayMode::Windowed);
  EXPECT_EQ(window_->ClientSize(), (IntSize{640, 400}));
}

TEST(CursorTest, RefusesImagesThatCannotBeCursors) {
  const std::vector<uint8_t> pixels(32 * 32 * 4, 0xFF);
  std::string error;
  EXPECT_EQ(Cursor::FromPixels(pixels.data(), pixels.size(), 0, 32, 0, 0, error), nullptr);
  EXPECT_NE(error.find("size"), std::string::npos) << error;
  EXPECT_EQ(Cursor::FromPixels(pixels.data(), pixels.size(), 512, 2, 0, 0, error), nullptr);
  EXPECT_NE(error.find("size"), std::string::npos) << error;
  EXPECT_EQ(Cursor::FromPixels(pixels.data(), pixels.size(), 32, 32, 32, 0, error), nullptr);
  EXPECT_NE(error.find("hot spot"), std::string::npos) << error;
  EXPECT_EQ(Cursor::FromPixels(pixels.data(), pixels.size(), 32, 32, 0, -1, error), nullptr);
  EXPECT_NE(error.find("hot spot"), std::string::npos) << error;
  EXPECT_EQ(Cursor::FromPixels(pixels.data(), pixels.size() - 1, 32, 32, 0, 0, error), nullptr);
  EXPECT_NE(error.find("bytes"), std::string::npos) << error;
  EXPECT_EQ(Cursor::FromPixels(nullptr, pixels.size(), 32, 32, 0, 0, error), nullptr);
  EXPECT_NE(error.find("bytes"), std::string::npos) << error;
}

TEST_F(WindowTest, AValidCursorIsShownOrItsFailureExplained) {
  const std::vector<uint8_t> pixels(16 * 16 * 4, 0x80);
  std::string error;
  const auto cursor = Cursor::FromPixels(pixels.data(), pixels.size(), 16, 16, 3, 4, error);
  if (cursor == nullptr) {
    // Drivers without cursors (offscreen) say so; the arrow stays in use.
    EXPECT_FALSE(error.empty());
    return;
  }
  window_->ShowCursor(cursor.get());
  EXPECT_EQ(SDL_GetCursor(), cursor->NativeHandle());
  window_->ShowCursor(nullptr);
  EXPECT_NE(SDL_GetCursor(), cursor->NativeHandle());
}

TEST_F(WindowTest, AnIconIsTakenOnlyWhenItsPixelsFillItsSize) {
  const std::vector<uint8_t> pixels(32 * 32 * 4, 0xC0);
  std::string error;
  EXPECT_TRUE(window_->SetIcon(pixels.data(), pixels.size(), 32, 32, error)) << error;
  EXPECT_FALSE(window_->SetIcon(pixels.data(), pixels.size(), 64, 32, error));
  EXPECT_NE(error.find("64 x 32"), std::string::npos) << error;
}

}  // namespace
