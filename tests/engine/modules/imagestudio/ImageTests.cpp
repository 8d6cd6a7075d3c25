#include <gtest/gtest.h>

#include "engine/core/UlvoException.h"
#include "engine/modules/imagestudio/Image.h"

namespace {

TEST(Image, PixelsLieRowAfterRowInTheFormatsByteOrder) {
  const std::unique_ptr<Image> rgb = Image::Create(IntVector2(3, 2), Image::IMAGE_FORMAT_RGB);
  rgb->SetPixel(2, 1, Rgba(10, 20, 30, 40));
  const unsigned char* pixel = rgb->GetPixels() + (1 * 3 + 2) * 3;
  EXPECT_EQ(pixel[0], 10);
  EXPECT_EQ(pixel[1], 20);
  EXPECT_EQ(pixel[2], 30);
  EXPECT_EQ(rgb->GetPixel(2, 1), Rgba(10, 20, 30, 255)) << "RGB has no alpha to keep";

  const std::unique_ptr<Image> rgba = Image::Create(IntVector2(3, 2), Image::IMAGE_FORMAT_RGBA);
  rgba->SetPixel(1, 1, Rgba(10, 20, 30, 40));
  const unsigned char* rgbaPixel = rgba->GetPixels() + (1 * 3 + 1) * 4;
  EXPECT_EQ(Rgba(rgbaPixel[0], rgbaPixel[1], rgbaPixel[2], rgbaPixel[3]), Rgba(10, 20, 30, 40));
  EXPECT_EQ(rgba->GetPixel(1, 1), Rgba(10, 20, 30, 40));
}

TEST(Image, RefusesCoordinatesOutsideTheImage) {
  const std::unique_ptr<Image> image = Image::Create(IntVector2(4, 2), Image::IMAGE_FORMAT_RGBA);
  EXPECT_THROW(image->GetPixel(4, 0), UlvoException);
  EXPECT_THROW(image->GetPixel(0, 2), UlvoException);
  EXPECT_THROW(image->SetPixel(-1, 0, Rgba::WHITE), UlvoException);
}

}  // namespace
