#pragma once

#include <memory>

#include "engine/modules/imagestudio/UlvoImageStudioBasic.h"

// The image studio the driver creates; it adds nothing to the basic one.
class UlvoImageStudioBasic_Win32 : public UlvoImageStudioBasic {
 public:
  static std::unique_ptr<UlvoImageStudioBasic_Win32> Create();
};
