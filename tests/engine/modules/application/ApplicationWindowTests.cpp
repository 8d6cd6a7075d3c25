#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/application/UlvoWindowResizeInterface.h"
#include "tests/engine/modules/application/ApplicationTestSupport.h"

namespace {

using modules_test::EventLog;
using modules_test::OpenApplicationTest;
using modules_test::RecordingConsole;
using platform_test::ScopedEnvironment;

void ExpectBox(const AABB2& box, float minX, float minY, float maxX, float maxY) {
  EXPECT_FLOAT_EQ(box.mins.x, minX);
  EXPECT_FLOAT_EQ(box.mins.y, minY);
  EXPECT_FLOAT_EQ(box.maxs.x, maxX);
  EXPECT_FLOAT_EQ(box.maxs.y, maxY);
}

// Stands in for the renderer; notes what it was told and what the event
// handlers had seen by then.
class RecordingRenderer : public UlvoWindowResizeInterface {
 public:
  explicit RecordingRenderer(const EventLog& resizes) : m_resizes(resizes) {}
  void OnWindowResize(const IntVector2& clientSize) override {
    sizes.push_back(clientSize);
    eventsSeenFirst.push_back(m_resizes.count);
  }
  std::vector<IntVector2> sizes;
  std::vector<int> eventsSeenFirst;

 private:
  const EventLog& m_resizes;
};

using ApplicationWindowTest = OpenApplicationTest;

TEST_F(ApplicationWindowTest, OpensWithTheGamesTitleAndTheRequestedClientArea) {
  EXPECT_STREQ(SDL_GetWindowTitle(Window().NativeHandle()), "Harrowmere: Pemberquill");
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(640, 400));
  EXPECT_TRUE(m_application->IsWindowed());
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
  EXPECT_EQ(m_application->GetScreenBoundsSize(), IntVector2(640, 400));
  EXPECT_FLOAT_EQ(m_application->GetViewScale().x, 1.6f);
  const IntVector2 desktop = m_application->GetDesktopSize();
  const platform::IntPoint origin = Window().ClientOrigin();
  EXPECT_EQ(origin.x, desktop.x / 2 - 320);
  EXPECT_EQ(origin.y, desktop.y / 2 - 200);
}

TEST_F(ApplicationWindowTest, TheTitleIsTakenFromTheGamesCodePage) {
  m_application->SetApplicationName("Caf\xE9 \x80");
  m_application->OpenWindow(IntVector2(320, 200), 0, 101);
  EXPECT_STREQ(SDL_GetWindowTitle(Window().NativeHandle()), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST_F(ApplicationWindowTest, AResizeIsAnnouncedBeforeTheBoundsChange) {
  EventLog resizes("ScreenResizedEvent");
  RecordingRenderer renderer(resizes);
  AABB2 boundsDuringEvent;
  resizes.whileFiring = [&](NamedProperties&) {
    boundsDuringEvent = m_application->GetScreenBounds();
  };
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 1280, 1024);
  Pump();

  ASSERT_EQ(resizes.count, 1);
  EXPECT_EQ(resizes.Get<int>("OldWidth"), 640);
  EXPECT_EQ(resizes.Get<int>("OldHeight"), 400);
  EXPECT_FLOAT_EQ(resizes.Get<float>("OldRatio"), 1.6f);
  EXPECT_EQ(resizes.Get<int>("Width"), 1280);
  EXPECT_EQ(resizes.Get<int>("Height"), 1024);
  EXPECT_FLOAT_EQ(resizes.Get<float>("Ratio"), 1.25f);
  EXPECT_EQ(resizes.Get<int>("DeltaX"), 640);
  EXPECT_EQ(resizes.Get<int>("DeltaY"), 624);
  ExpectBox(boundsDuringEvent, 0, 0, 640, 400);

  EXPECT_EQ(renderer.sizes, (std::vector<IntVector2>{IntVector2(1280, 1024)}));
  EXPECT_EQ(renderer.eventsSeenFirst, (std::vector<int>{1}));
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(1280, 1024));
  ExpectBox(m_application->GetScreenBounds(), 0, 112, 1280, 912);
  ExpectBox(m_application->GetViewBounds(), 0, 0, 1024, 640);
  EXPECT_FLOAT_EQ(m_application->GetViewScale().y, 0.8f);

  const ScreenRect window = m_application->GetWindowRect();
  EXPECT_EQ(window.Width() - m_application->GetClientRect().Width(), 0)
      << "the frame grows with the client area";
}

TEST_F(ApplicationWindowTest, AMinimisedWindowReportsNoSizeAndKeepsItsBounds) {
  EventLog resizes("ScreenResizedEvent");
  PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
  Pump();
  ASSERT_EQ(resizes.count, 1);
  EXPECT_EQ(resizes.Get<int>("Width"), 0);
  EXPECT_EQ(resizes.Get<int>("Height"), 0);
  EXPECT_FLOAT_EQ(resizes.Get<float>("Ratio"), 0.0f);
  EXPECT_EQ(resizes.Get<int>("DeltaY"), -400);
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(0, 0));
  ExpectBox(m_application->GetScreenBounds(), 0, 0, 640, 400);
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
  EXPECT_TRUE(std::isfinite(m_application->GetViewScale().x));

  EventLog restored("ScreenResizedEvent");
  PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
  Pump();
  ASSERT_EQ(restored.count, 1);
  EXPECT_FLOAT_EQ(restored.Get<float>("OldRatio"), 0.0f);
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(640, 400));
}

TEST_F(ApplicationWindowTest, AMoveCarriesBothRectanglesAlongEvenOffTheLeftEdge) {
  const ScreenRect client = m_application->GetClientRect();
  const ScreenRect window = m_application->GetWindowRect();
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -1500, 60);
  Pump();
  EXPECT_EQ(m_application->GetClientRect(), (ScreenRect{-1500, 60, -860, 460}));
  ScreenRect movedWindow = window;
  movedWindow.Translate(-1500 - client.left, 60 - client.top);
  EXPECT_EQ(m_application->GetWindowRect(), movedWindow);

  int x = 0;
  int y = 0;
  m_application->ClientToWindowOffset(-1400, 160, x, y);
  EXPECT_EQ(IntVector2(x, y), IntVector2(100, 100));
  m_application->WindowToClientOffset(100, 100, x, y);
  EXPECT_EQ(IntVector2(x, y), IntVector2(-1400, 160));
}

TEST_F(ApplicationWindowTest, GoingFullScreenCoversTheDesktopAndIsLogged) {
  EventLog resizes("ScreenResizedEvent");
  const IntVector2 desktop = m_application->GetDesktopSize();
  m_application->SetFullscreen();
  PumpUntilEmpty();
  EXPECT_FALSE(m_application->IsWindowed());
  EXPECT_EQ(Window().GetDisplayMode(), platform::DisplayMode::FullscreenDesktop);
  EXPECT_EQ(m_application->GetClientSize(), desktop);
  EXPECT_GE(resizes.count, 1);
  EXPECT_EQ(resizes.Get<int>("Width"), desktop.x);

  const std::string expected[] = {
      "UlvoApplicationBasic_Win32::SetFullscreen : called\n",
      Stringf("UlvoApplicationBasic_Win32::SetFullscreen : last physical size was (640,400); "
              "new physical size (native res) is (%d,%d)\n",
              desktop.x, desktop.y),
      "UlvoApplicationBasic_Win32::SetFullscreen : setting windows style flags\n",
      Stringf("UlvoApplicationBasic_Win32::SetFullscreen : calling SetWindowPos (1st time) with "
              "mins=(0,0) and size=(%d,%d)\n",
              desktop.x, desktop.y),
      "UlvoApplicationBasic_Win32::SetFullscreen : setting windows style flags AGAIN\n",
      Stringf("UlvoApplicationBasic_Win32::SetFullscreen : calling SetWindowPos (2nd time) with "
              "mins=(0,0) and size=(%d,%d)\n",
              desktop.x, desktop.y),
      Stringf("UlvoApplicationBasic_Win32::SetFullscreen : calling OnWindowResized size=(%d,%d)\n",
              desktop.x, desktop.y)};
  size_t position = 0;
  for (const std::string& line : expected) {
    const size_t found = m_console.Text().find(line, position);
    ASSERT_NE(found, std::string::npos) << line << "\nin\n" << m_console.Text();
    position = found + line.size();
  }
}

TEST_F(ApplicationWindowTest, GoingBackToAWindowLandsOnePixelOffTheCentre) {
  m_application->SetFullscreen();
  PumpUntilEmpty();
  m_application->SetWindowed();
  PumpUntilEmpty();

  const IntVector2 desktop = m_application->GetDesktopSize();
  const IntVector2 size = BringToSixteenByTen(IntVector2(desktop.x - 200, desktop.y - 200));
  const int centredX = static_cast<int>(std::floor((desktop.x - size.x) / 2.0 + 0.5));
  const int centredY = static_cast<int>(std::floor((desktop.y - size.y) / 2.0 + 0.5));
  EXPECT_TRUE(m_application->IsWindowed());
  EXPECT_EQ(Window().GetDisplayMode(), platform::DisplayMode::Windowed);
  EXPECT_EQ(m_application->GetClientSize(), size);
  EXPECT_EQ(m_application->GetClientRect().left, centredX + 1);
  EXPECT_EQ(m_application->GetClientRect().top, centredY + 1);
  EXPECT_TRUE(m_console.Printed(
      Stringf("UlvoApplicationBasic_Win32::SetWindowed : about to call SetWindowPos with "
              "mins=(%d,%d), size=(%d,%d)\n",
              centredX, centredY, size.x, size.y)))
      << m_console.Text();
}

// Whether the video driver can minimise a window at all (the offscreen
// driver cannot).
bool DriverMinimisesWindows() {
  platform::WindowSettings settings;
  settings.clientSize = {64, 40};
  std::string error;
  const auto probe = platform::Window::Create(settings, error);
  probe->Minimize();
  platform::WindowMessage message;
  while (probe->PollMessage(message)) {
  }
  return probe->IsMinimized();
}

TEST_F(ApplicationWindowTest, LosingTheFocusInFullScreenMinimisesAndRegainingRestores) {
  EventLog focus("OnAppChangeFocus");
  m_application->SetFullscreen();
  PumpUntilEmpty();
  Focus();
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  Pump();
  EXPECT_EQ(focus.count, 2);
  if (DriverMinimisesWindows()) {
    EXPECT_TRUE(Window().IsMinimized());
  }
  Focus();
  EXPECT_FALSE(Window().IsMinimized());
  EXPECT_FALSE(m_application->IsWindowed());
  EXPECT_EQ(m_application->GetClientSize(), m_application->GetDesktopSize());
}

TEST_F(ApplicationWindowTest, AnAspectRatioThatIsNotAboveZeroIsRefused) {
  m_application->SetAspectRatio(0.0f);
  m_application->SetAspectRatio(-1.6f);
  m_application->SetAspectRatio(std::nanf(""));
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
  EXPECT_TRUE(m_console.Printed("WARNING: UlvoApplicationBasic::SetAspectRatio : ignoring"));
  m_application->SetAspectRatio(1.25f);
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 819));
}

TEST_F(ApplicationWindowTest, AWindowThatCannotOpenIsAFatalEngineError) {
  try {
    m_application->OpenWindow(IntVector2(0, 0), 0, 101);
    ADD_FAILURE() << "no engine error";
  } catch (const UlvoException& error) {
    EXPECT_NE(error.GetMessage().find("Unable to open the application window of 0 x 0 pixels"),
              std::string::npos)
        << error.GetMessage();
    EXPECT_EQ(error.GetTitle(), "UlvoApplicationBasic_Win32::OpenWindow");
  }
}

TEST(UserDataPathTest, LiesInTheUsersDataFolder) {
  auto application = UlvoApplicationBasic_Win32::Create();
  application->SetUserDataFolder("Harrowmere Pemberquill/");
  {
    ScopedEnvironment dataHome("XDG_DATA_HOME", "/tmp/pq-data");
    EXPECT_EQ(application->GetUserDataPath(), "/tmp/pq-data/Harrowmere Pemberquill/");
  }
  {
    ScopedEnvironment dataHome("XDG_DATA_HOME", "");
    ScopedEnvironment home("HOME", "/home/player");
    EXPECT_EQ(application->GetUserDataPath(),
              "/home/player/.local/share/Harrowmere Pemberquill/");
  }
}

}  // namespace
