#pragma once

#include "engine/modules/input/UlvoInputInterface.h"

// The platform-independent layer of the input module. Everything the input
// module does depends on the window layer, so this layer holds nothing yet;
// it is where platform-independent state goes.
class UlvoInputBasic : public UlvoInputInterface {};
