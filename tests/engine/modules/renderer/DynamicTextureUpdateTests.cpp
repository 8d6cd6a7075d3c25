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

TEST_F(DynamicTextureUpdateTest, TheListenerIsToldWhatToDrawAndGetsItsPropertiesBack) {
  std::unique_ptr<Texture> texture = MakeTexture(128, 128);
  NamedProperties passBack;
  passBack.Set("Board", 7);
  Enqueue(texture.get(), AABB2(0, 0, 128, 64), &passBack);
  passBack.Set("Board", 8);  // the request keeps its own copy

  m_renderer->Update();
  ASSERT_EQ(m_drawEvents.count, 1);
  EXPECT_EQ(m_drawEvents.Get<Texture*>("Texture"), texture.get());
  EXPECT_EQ(m_drawEvents.Get<AABB2>("UpdatedRegionBounds"), AABB2(0, 0, 128, 64));
  EXPECT_EQ(m_drawEvents.Get<Vector2>("UpdatedRegionSize"), Vector2(128, 64));
  const NamedProperties passedBack = m_drawEvents.Get<NamedProperties>("PassBackProperties");
  int board = 0;
  EXPECT_EQ(passedBack.Get("Board", board), PROPERTY_FETCH_OK);
  EXPECT_EQ(board, 7);
}

TEST_F(DynamicTextureUpdateTest, TheRegionIsDrawnInAScratchTargetOfItsSizeAndCopiedWhole) {
  std::unique_ptr<Texture> texture = MakeTexture(128, 128);
  m_drawEvents.whileFiring = [&](NamedProperties&) {
    m_renderer->DrawBox(Vector2(0, 0), Vector2(128, 64), Rgba::WHITE, true, 0.0f, 0.0f);
  };
  Enqueue(texture.get(), AABB2(0, 0, 128, 64));
  ForgetDrawing();
  m_renderer->Update();

  EXPECT_THAT(m_device->calls,
              ElementsAre("BeginScene", "EndScene", "Reset 128x64", "SetTexture",
                          "SetTextureAddressMode", "SetBlendMode", "BeginScene", "SetViewport",
                          "SetProjection", "Clear", "DrawTriangleFan", "CopyBackBufferToTexture",
                          "EndScene", "Reset 32x32", "SetTexture", "SetTextureAddressMode",
                          "SetBlendMode", "BeginScene"));
  ASSERT_EQ(m_device->fans.size(), 1u);
  const RecordingGpuDevice::Fan& fan = m_device->fans[0];
  EXPECT_EQ(fan.viewport.width, 128);
  EXPECT_EQ(fan.viewport.height, 64);
  EXPECT_EQ(fan.projection, platform::OrthographicProjection(0, 128, 64, 0));
  ASSERT_EQ(m_device->clears.size(), 1u);
  EXPECT_TRUE(SameColor(m_device->clears[0], Rgba(0, 0, 0, 255)));

  ASSERT_EQ(m_device->copies.size(), 1u);
  const RecordingGpuDevice::Copy& copy = m_device->copies[0];
  EXPECT_EQ(copy.destination, Texture_Win32_DirectX81::ResolveDeviceTexture(texture.get()));
  EXPECT_EQ(copy.source.x, 0);
  EXPECT_EQ(copy.source.y, 0);
  EXPECT_EQ(copy.source.width, 128);
  EXPECT_EQ(copy.source.height, 64);
  EXPECT_EQ(copy.backBufferWidth, 128);
  EXPECT_EQ(copy.backBufferHeight, 64);
  // The frame goes on in its own back buffer.
  EXPECT_EQ(m_device->BackBufferWidth(), 32);
  EXPECT_TRUE(m_device->inScene);
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

TEST_F(DynamicTextureUpdateTest, EmptyRegionsAndEmptyTexturesAreDropped) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  std::unique_ptr<Texture> empty = Texture::Create();
  Enqueue(texture.get(), AABB2(0, 0, 0.5f, 8));
  Enqueue(texture.get(), AABB2(5, 5, 0, 0));
  Enqueue(empty.get(), AABB2(0, 0, 8, 8));
  Enqueue(nullptr, AABB2(0, 0, 8, 8));
  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 0);
  EXPECT_TRUE(m_device->copies.empty());
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

TEST_F(DynamicTextureUpdateTest, RequestsQueuedByAListenerWaitForTheNextUpdate) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  m_drawEvents.whileFiring = [&](NamedProperties&) {
    if (m_drawEvents.count == 1) {
      Enqueue(texture.get(), AABB2(0, 0, 4, 4));
    }
  };
  Enqueue(texture.get(), AABB2(0, 0, 8, 8));
  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 1);
  m_renderer->Render();
  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 2);
  EXPECT_EQ(m_drawEvents.Get<Vector2>("UpdatedRegionSize"), Vector2(4, 4));
}

TEST_F(DynamicTextureUpdateTest, RequestsCanBeCancelledByTheirPassBackProperties) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  NamedProperties first, second;
  first.Set("Owner", 1);
  second.Set("Owner", 2);
  Enqueue(texture.get(), AABB2(0, 0, 8, 8), &first);
  Enqueue(texture.get(), AABB2(0, 0, 8, 8), &second);
  m_renderer->CancelDynamicTextureUpdateRequests([](const DynamicTextureUpdateRequest& request) {
    int owner = 0;
    request.GetPassBackProperties().Get("Owner", owner);
    return owner == 1;
  });
  m_renderer->Update();
  ASSERT_EQ(m_drawEvents.count, 1);
  int owner = 0;
  m_drawEvents.Get<NamedProperties>("PassBackProperties").Get("Owner", owner);
  EXPECT_EQ(owner, 2);
}

TEST_F(DynamicTextureUpdateTest, RequestsPendingWhileTheDeviceIsLostAreDroppedWithoutEffect) {
  std::unique_ptr<Texture> texture = MakeTexture(8, 8);
  m_device->loseOnPresent = true;
  m_renderer->Render();
  Enqueue(texture.get(), AABB2(0, 0, 8, 8));
  m_renderer->Update();
  m_renderer->Render();  // reset
  m_renderer->Update();
  EXPECT_EQ(m_drawEvents.count, 0);
  EXPECT_TRUE(m_device->copies.empty());
  EXPECT_EQ(m_renderer->GetQueuedDynamicTextureUpdateCount(), 0u);
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
