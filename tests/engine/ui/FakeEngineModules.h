#pragma once

#include <string>
#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"

namespace ui_core_test {

// The default application while it lives: a virtual screen of viewSize in a
// client area of clientSize, and nothing else.
class FakeApplication : public UlvoApplicationInterface {
 public:
  FakeApplication(const IntVector2& viewSize, const IntVector2& clientSize)
      : m_viewSize(viewSize), m_clientSize(clientSize) {}

  IntVector2 GetViewBoundsSize() const override { return m_viewSize; }
  IntVector2 GetClientSize() const override { return m_clientSize; }

  void OpenWindow(const IntVector2&, int, int) override {}
  void SetFullscreen() override {}
  void SetWindowed() override {}
  bool IsWindowed() const override { return true; }
  void SetAspectRatio(float) override {}
  platform::Window* GetDeviceContext() override { return nullptr; }
  IntVector2 GetDesktopSize() const override { return m_clientSize; }
  IntVector2 GetScreenBoundsSize() const override { return m_clientSize; }
  AABB2 GetScreenBounds() const override { return AABB2(); }
  AABB2 GetViewBounds() const override { return AABB2(); }
  Vector2 GetViewScale() const override { return Vector2(1.0f, 1.0f); }
  void ClientToWindowOffset(int x, int y, int& outX, int& outY) const override {
    outX = x;
    outY = y;
  }
  void WindowToClientOffset(int x, int y, int& outX, int& outY) const override {
    outX = x;
    outY = y;
  }
  bool GetCursorScreenPosition(IntVector2&) const override { return false; }
  void SetCustomCursor(const std::string&) override {}
  void ApplyWindowProperties() override {}
  std::string GetUserDataPath() const override { return std::string(); }

 private:
  IntVector2 m_viewSize;
  IntVector2 m_clientSize;
};

// The default input module while it lives: the mouse is where the test puts it.
class FakeInput : public UlvoInputInterface {
 public:
  bool OnKeyEvent(int, int) override { return false; }
  bool IsKeyDown(uint8_t) const override { return false; }
  void GetMouseClientPosition(int& x, int& y) const override { GetMousePosition(x, y); }
  void GetMousePosition(int& x, int& y) const override {
    x = mouseX;
    y = mouseY;
  }

  int mouseX = 0;
  int mouseY = 0;
};

// The recording renderer that also keeps every projection it is given.
class ProjectionRecordingRenderer : public ui_test::RecordingWidgetRenderer {
 public:
  void SetTransform(float minX, float minY, float maxX, float maxY) override {
    transforms.push_back(AABB2(minX, minY, maxX, maxY));
  }

  std::vector<AABB2> transforms;
};

}  // namespace ui_core_test
