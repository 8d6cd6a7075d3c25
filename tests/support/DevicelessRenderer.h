#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/modules/renderer/UlvoRendererInterface.h"

namespace testsupport {

// The renderer calls that are not drawing, done as nothing: the base of the
// recording renderers, which only keep what is drawn.
class DevicelessRenderer : public UlvoRendererInterface {
 public:
  void SetDeviceContext(platform::Window*) override {}
  void EnqueueDynamicTextureUpdateRequest(Texture*, const AABB2&, const std::string&,
                                          const NamedProperties*) override {}
  void CancelDynamicTextureUpdateRequests(
      const std::function<bool(const DynamicTextureUpdateRequest&)>&) override {}
  void SetDefaultFont(std::unique_ptr<FontDescriptor>) override {}
  FontDescriptor* GetDefaultFont() const override { return nullptr; }
  void SetViewport(const IntVector2&, const IntVector2&) override {}
  void SetBlendMode(int, int) override {}
  void SetTransform(float, float, float, float) override {}
  void SetTexture(Texture*) override {}
  void OnWindowResize(const IntVector2&) override {}
};

}  // namespace testsupport
