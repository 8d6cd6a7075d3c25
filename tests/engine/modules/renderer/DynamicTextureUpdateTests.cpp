#include <gmock/gmock.h>

#include "engine/modules/renderer/DynamicTextureUpdateRequest.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

using ::testing::ElementsAre;

// The frame's back buffer is 32 x 32: smaller than the regions redrawn.
class DynamicTextureUpdateTest : public RecordingRendererTest {
 protected:
  void SetUp() override {
    RecordingRendererTest::SetUp();
    m_renderer->OnWindowResize(IntVector2(32, 32));
    m_renderer->Update();
    ForgetDrawing();
  }

  void Enqueue(Texture* texture, const AABB2& region, const NamedProperties* passBack = nullptr,
               const std::string& eventName = "DrawIntoTexture") {
    m_renderer->EnqueueDynamicTextureUpdateRequest(texture, region, eventName, passBack);
  }

  modules_test::EventLog m_drawEvents{"DrawIntoTexture"};
};

TEST_F(DynamicTextureUpdateTest, RequestsRunAtTheNextUpdateInQueueOrderOnce) {
  std::unique_ptr<Texture> first = MakeTexture(16, 16);
  std::unique_ptr<Texture> second = MakeTexture(16, 16);
  std::vector<Texture*> drawn;
  m_drawEvents.whileFiring = [&](NamedProperties& args) {
    Texture* texture = nullptr;
    args.Get("Texture", texture);
    drawn.push_back(texture);
  };
  Enqueue(first.get(), AABB2(0, 0, 16, 16));
  Enqueue(second.get(), AABB2(0, 0, 8, 8));
  EXPECT_TRUE(drawn.empty());

  m_renderer->Update();
  EXPECT_THAT(drawn, ElementsAre(first.get(), second.get()));
  m_renderer->Render();
  m_renderer->Update();
  EXPECT_EQ(drawn.size(), 2u);
  EXPECT_EQ(m_renderer->GetQueuedDynamicTextureUpdateCount(), 0u);
}

TEST_F(DynamicTextureUpdateTest, ARegionLargerThanItsTextureIsCutToTheTexture) {
  std::unique_ptr<Texture> texture = MakeTexture(64, 16);
  Enqueue(texture.get(), AABB2(0, 0, 100.9f, 100.9f));
  m_renderer->Update();
  ASSERT_EQ(m_device->copies.size(), 1u);
  EXPECT_EQ(m_device->copies[0].source.width, 64);
  EXPECT_EQ(m_device->copies[0].source.height, 16);
  // The listener still learns the region it asked for.
  EXPECT_EQ(m_drawEvents.Get<Vector2>("UpdatedRegionSize"), Vector2(100.9f, 100.9f));
}

TEST_F(DynamicTextureUpdateTest, ADestroyedOrRefilledTextureCancelsItsRequest) {
  std::unique_ptr<Texture> destroyed = MakeTexture(8, 8);
  std::unique_ptr<Texture> refilled = MakeTexture(8, 8);
  std::unique_ptr<Texture> kept = MakeTexture(8, 8);
  Enqueue(destroyed.get(), AABB2(0, 0, 8, 8));
  Enqueue(refilled.get(), AABB2(0, 0, 8, 8));
  Enqueue(kept.get(), AABB2(0, 0, 8, 8));
  destroyed.reset();
  std::unique_ptr<Image> image = MakeImage(8, 8, Image::IMAGE_FORMAT_GREY, std::vector<unsigned char>(64, 3));
  refilled->PopulateFromImage(*image, false);

  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 1);
  EXPECT_EQ(m_drawEvents.Get<Texture*>("Texture"), kept.get());
  ASSERT_EQ(m_device->copies.size(), 1u);
  EXPECT_EQ(m_device->copies[0].destination, Texture_Win32_DirectX81::ResolveDeviceTexture(kept.get()));
}

TEST_F(DynamicTextureUpdateTest, ATextureDestroyedByItsOwnListenerIsNotCopiedInto) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  m_drawEvents.whileFiring = [&](NamedProperties&) { texture.reset(); };
  Enqueue(texture.get(), AABB2(0, 0, 8, 8));
  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 1);
  EXPECT_TRUE(m_device->copies.empty());
  // The frame's back buffer is back all the same.
  EXPECT_EQ(m_device->BackBufferWidth(), 32);
}

TEST_F(DynamicTextureUpdateTest, ADeviceLostWhileTheListenerDrawsIsResetToTheFrameSize) {
  std::unique_ptr<Texture> texture = MakeTexture(64, 64);
  m_drawEvents.whileFiring = [&](NamedProperties&) {
    m_device->Lose();
    m_renderer->DrawBox(Vector2(0, 0), Vector2(8, 8), Rgba::WHITE, true, 0.0f, 0.0f);
  };
  Enqueue(texture.get(), AABB2(0, 0, 64, 64));
  m_renderer->Update();
  EXPECT_TRUE(m_device->copies.empty());
  EXPECT_TRUE(m_renderer->IsDeviceLost());
  m_renderer->Render();
  EXPECT_FALSE(m_renderer->IsDeviceLost());
  EXPECT_EQ(m_device->BackBufferWidth(), 32);
  EXPECT_EQ(m_device->BackBufferHeight(), 32);
}

}  // namespace
}  // namespace renderer_test
