#include "tools/imagemaker/ImageCatalog.h"

namespace imagemaker {

ImageCatalog FullCatalog() {
  ImageCatalog catalog;
  AddInterfaceImages(catalog);
  AddBackgroundImages(catalog);
  AddRegionImages(catalog);
  AddAchievementImages(catalog);
  AddCursorAndIcon(catalog);
  return catalog;
}

}  // namespace imagemaker
