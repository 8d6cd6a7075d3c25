#include <gmock/gmock.h>

#include "engine/core/UlvoException.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

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

TEST_F(TextureTest, AnRgbImageFillsFourByteTexelsWithAnOpaqueSpareByte) {
  std::unique_ptr<Image> image =
      MakeImage(2, 1, Image::IMAGE_FORMAT_RGB, {10, 20, 30, 40, 50, 60});
  std::unique_ptr<Texture> texture = Texture::Create();
  texture->PopulateFromImage(*image, false);
  const RecordingGpuTexture& copy = DeviceCopy(*texture);
  EXPECT_EQ(copy.Format(), platform::GpuTextureFormat::Rgb);
  EXPECT_THAT(copy.Texels(), ElementsAre(30, 20, 10, 255, 60, 50, 40, 255));
}

TEST_F(TextureTest, GreyImagesKeepTheirLuminanceAndAlpha) {
  std::unique_ptr<Image> grey = MakeImage(3, 1, Image::IMAGE_FORMAT_GREY, {7, 128, 255});
  std::unique_ptr<Image> greyAlpha =
      MakeImage(2, 1, Image::IMAGE_FORMAT_GREY_ALPHA, {90, 10, 200, 0});
  std::unique_ptr<Texture> greyTexture = Texture::Create();
  std::unique_ptr<Texture> greyAlphaTexture = Texture::Create();
  greyTexture->PopulateFromImage(*grey, false);
  greyAlphaTexture->PopulateFromImage(*greyAlpha, false);
  EXPECT_EQ(DeviceCopy(*greyTexture).Format(), platform::GpuTextureFormat::Luminance);
  EXPECT_THAT(DeviceCopy(*greyTexture).Texels(), ElementsAre(7, 128, 255));
  EXPECT_EQ(DeviceCopy(*greyAlphaTexture).Format(), platform::GpuTextureFormat::LuminanceAlpha);
  EXPECT_THAT(DeviceCopy(*greyAlphaTexture).Texels(), ElementsAre(90, 10, 200, 0));
}

TEST_F(TextureTest, ASurfaceOfAnotherSizeThanTheImageIsFatal) {
  m_device->enlargeTextureWidthBy = 28;
  std::unique_ptr<Image> image = Image::Create(IntVector2(100, 64), Image::IMAGE_FORMAT_RGBA);
  image->SetName("wide.tga");
  std::unique_ptr<Texture> texture = Texture::Create();
  try {
    texture->PopulateFromImage(*image, false);
    FAIL() << "no UlvoException";
  } catch (const UlvoException& error) {
    EXPECT_THAT(error.GetMessage(),
                HasSubstr("Unexpected: srcWidth (100) and surface width (128) are inequal for "
                          "image wide.tga\n"));
    EXPECT_EQ(error.GetTitle(), "Texture_Win32_DirectX81::PopulateFromImage");
  }
  EXPECT_EQ(Texture_Win32_DirectX81::ResolveDeviceTexture(texture.get()), nullptr);
}

TEST_F(TextureTest, ATextureTheDeviceRefusesStaysEmptyAndDrawsNothing) {
  m_device->refuseTextures = true;
  std::unique_ptr<Texture> texture = MakeTexture(4, 4);
  EXPECT_EQ(texture->GetDimensions(), IntVector2(4, 4));
  EXPECT_EQ(Texture_Win32_DirectX81::ResolveDeviceTexture(texture.get()), nullptr);
  EXPECT_TRUE(m_console.Printed("WARNING: no 4 x 4 texture for image"));
  m_renderer->DrawTexturedQuad(texture.get(), Vector2(0, 0), Vector2(1, 1), Rgba::WHITE,
                               Vector2(0, 0), Vector2(1, 1));
  EXPECT_TRUE(m_device->fans.empty());
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
