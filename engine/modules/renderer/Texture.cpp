#include "engine/modules/renderer/Texture.h"

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/DynamicTextureUpdateRequest.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

std::unique_ptr<Texture> Texture::Create() { return std::make_unique<Texture_Win32_DirectX81>(); }

Texture::~Texture() { CancelQueuedUpdates(); }

void Texture::PopulateFromImage(const Image& image, bool /*tiled*/) {
  CancelQueuedUpdates();
  m_width = image.GetSize().x;
  m_height = image.GetSize().y;
  m_pixelFormat = image.GetFormat();
}

void Texture::CancelQueuedUpdates() {
  for (size_t i = 0; i < UlvoRendererInterface::GetInstanceCount(); ++i) {
    UlvoRendererInterface::GetInstance(i)->CancelDynamicTextureUpdateRequests(
        [this](const DynamicTextureUpdateRequest& request) {
          return request.GetTexture() == this;
        });
  }
}
