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

// The device keeps colour channels blue, green, red; an RGB texel has an
// opaque spare byte; grey images keep their luminance and alpha.
TEST_F(TextureTest, EachImageFormatReachesTheDeviceInItsChannelOrder) {
  const struct {
    int format;
    std::vector<unsigned char> pixels;
    platform::GpuTextureFormat deviceFormat;
    std::vector<uint8_t> texels;
  } cases[] = {
      {Image::IMAGE_FORMAT_RGBA, {10, 20, 30, 40, 1, 2, 3, 4}, platform::GpuTextureFormat::Rgba,
       {30, 20, 10, 40, 3, 2, 1, 4}},
      {Image::IMAGE_FORMAT_RGB, {10, 20, 30, 40, 50, 60}, platform::GpuTextureFormat::Rgb,
       {30, 20, 10, 255, 60, 50, 40, 255}},
      {Image::IMAGE_FORMAT_GREY, {7, 255}, platform::GpuTextureFormat::Luminance, {7, 255}},
      {Image::IMAGE_FORMAT_GREY_ALPHA, {90, 10, 200, 0}, platform::GpuTextureFormat::LuminanceAlpha,
       {90, 10, 200, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    std::unique_ptr<Image> image = MakeImage(2, 1, c.format, c.pixels);
    std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*image, false);
    EXPECT_EQ(DeviceCopy(*texture).Format(), c.deviceFormat);
    EXPECT_EQ(DeviceCopy(*texture).Texels(), c.texels);
  }
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
