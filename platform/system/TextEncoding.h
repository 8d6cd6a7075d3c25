#pragma once

#include <string>

namespace platform {

// Converts text in the Western European Windows code page to UTF-8. Bytes
// the code page leaves undefined map to the C1 control of the same value.
std::string Cp1252ToUtf8(const std::string& text);

}  // namespace platform
