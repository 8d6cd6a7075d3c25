#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"

std::unique_ptr<UlvoImageStudioBasic_Win32> UlvoImageStudioBasic_Win32::Create() {
  return std::make_unique<UlvoImageStudioBasic_Win32>();
}
