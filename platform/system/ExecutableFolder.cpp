#include "platform/system/ExecutableFolder.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return std::string();
  }
  return program.parent_path().string();
}

}  // namespace platform
