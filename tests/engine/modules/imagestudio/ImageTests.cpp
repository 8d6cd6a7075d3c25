#include <gtest/gtest.h>

#include "engine/core/UlvoException.h"
#include "engine/modules/imagestudio/Image.h"

namespace {

TEST(Image, AllocatesTheBufferOfEachFormat) {
  struct Case {
    int format;
    int bytesPerPixel;
  };
  for (const Case& c : {Case{Image::IMAGE_FORMAT_RGB, 3}, Case{Image::IMAGE_FORMAT_RGBA, 4},
                        Case{Image::IMAGE_FORMAT_GREY, 1}, Case{Image::IMAGE_FORMAT_GREY_ALPHA, 2},
                        Case{Image::IMAGE_FORMAT_NONE, 0}, Case{7, 0}}) {
    const std::unique_ptr<Image> image = Image::Create(IntVector2(8, 4), c.format);
    EXPECT_EQ(image->GetFormat(), c.format);
    EXPECT_EQ(image->GetBytesPerPixel(), c.bytesPerPixel) << "format " << c.format;
    EXPECT_EQ(image->GetSize(), IntVector2(8, 4));
    EXPECT_EQ(image->GetByteCount(), static_cast<size_t>(8 * 4 * c.bytesPerPixel));
    EXPECT_NE(image->GetPixels(), nullptr);
  }
}

TEST(Image, ReallocatingReplacesSizeAndFormat) {
  const std::unique_ptr<Image> image = Image::Create(IntVector2(4, 4), Image::IMAGE_FORMAT_RGBA);
  image->Allocate(Image::IMAGE_FORMAT_GREY, IntVector2(2, 8));
  EXPECT_EQ(image->GetByteCount(), 16u);
  EXPECT_EQ(image->GetSize(), IntVector2(2, 8));
  image->SetPixel(1, 7, Rgba(255, 255, 255, 255));
  EXPECT_EQ(image->GetPixels()[15], 255);
}

TEST(Image, FormatNoneHasAnEmptyBufferAndIgnoresWrites) {
  const std::unique_ptr<Image> image = Image::Create(IntVector2(0, 0), Image::IMAGE_FORMAT_NONE);
  EXPECT_EQ(image->GetBytesPerPixel(), 0);
  EXPECT_EQ(image->GetByteCount(), 0u);
  image->SetPixel(3, 3, Rgba(1, 2, 3, 4));
  EXPECT_EQ(image->GetPixel(3, 3), Rgba::WHITE);
}

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

TEST(Image, GreyFormatsStoreBrightness) {
  const std::unique_ptr<Image> grey = Image::Create(IntVector2(2, 2), Image::IMAGE_FORMAT_GREY);
  grey->GetPixels()[3] = 128;
  EXPECT_EQ(grey->GetPixel(1, 1), Rgba(128, 128, 128, 255));

  const std::unique_ptr<Image> greyAlpha =
      Image::Create(IntVector2(2, 2), Image::IMAGE_FORMAT_GREY_ALPHA);
  greyAlpha->SetPixel(0, 1, Rgba(255, 0, 0, 10));
  EXPECT_EQ(greyAlpha->GetPixels()[4], 73);
  EXPECT_EQ(greyAlpha->GetPixels()[5], 10);
  EXPECT_EQ(greyAlpha->GetPixel(0, 1), Rgba(73, 73, 73, 10));

  grey->SetPixel(0, 0, Rgba(0, 255, 0, 0));
  EXPECT_EQ(grey->GetPixels()[0], 134);
}

TEST(Image, RefusesCoordinatesOutsideTheImage) {
  const std::unique_ptr<Image> image = Image::Create(IntVector2(4, 2), Image::IMAGE_FORMAT_RGBA);
  EXPECT_THROW(image->GetPixel(4, 0), UlvoException);
  EXPECT_THROW(image->GetPixel(0, 2), UlvoException);
  EXPECT_THROW(image->SetPixel(-1, 0, Rgba::WHITE), UlvoException);
}

}  // namespace
