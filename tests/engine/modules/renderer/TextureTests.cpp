#include <gmock/gmock.h>

#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

using ::testing::ElementsAre;

using TextureTest = RecordingRendererTest;

const RecordingGpuTexture& DeviceCopy(Texture& texture) {
  const platform::GpuTexture* deviceTexture = Texture_Win32_DirectX81::ResolveDeviceTexture(&texture);
  EXPECT_NE(deviceTexture, nullptr);
  return dynamic_cast<const RecordingGpuTexture&>(*deviceTexture);
}

TEST_F(TextureTest, ColourChannelsAreStoredBlueGreenRedWithAlphaLast) {
  std::unique_ptr<Image> image = MakeImage(2, 2, Image::IMAGE_FORMAT_RGBA,
                                           {10, 20, 30, 40, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  std::unique_ptr<Texture> texture = Texture::Create();
  texture->PopulateFromImage(*image, false);
  EXPECT_EQ(texture->GetDimensions(), IntVector2(2, 2));
  EXPECT_EQ(texture->GetPixelFormat(), Image::IMAGE_FORMAT_RGBA);
  const RecordingGpuTexture& copy = DeviceCopy(*texture);
  EXPECT_EQ(copy.Format(), platform::GpuTextureFormat::Rgba);
  EXPECT_THAT(copy.Texel(0, 0), ElementsAre(30, 20, 10, 40));
  EXPECT_THAT(copy.Texel(1, 0), ElementsAre(3, 2, 1, 4));
  EXPECT_THAT(copy.Texel(0, 1), ElementsAre(7, 6, 5, 8));
  EXPECT_THAT(copy.Texel(1, 1), ElementsAre(11, 10, 9, 12));
}

TEST_F(TextureTest, RefillingATextureReplacesItsDeviceCopy) {
  std::unique_ptr<Texture> texture = MakeTexture(4, 4);
  std::unique_ptr<Image> image = MakeImage(1, 2, Image::IMAGE_FORMAT_GREY, {1, 2});
  texture->PopulateFromImage(*image, true);
  EXPECT_EQ(texture->GetDimensions(), IntVector2(1, 2));
  auto& platformTexture = dynamic_cast<Texture_Win32_DirectX81&>(*texture);
  EXPECT_TRUE(platformTexture.IsTiled());
  EXPECT_EQ(platformTexture.GetSurfaceSize(), IntVector2(1, 2));
  EXPECT_THAT(DeviceCopy(*texture).Texels(), ElementsAre(1, 2));
}

}  // namespace
}  // namespace renderer_test
