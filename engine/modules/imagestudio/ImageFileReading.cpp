#include "engine/modules/imagestudio/ImageFileReading.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/core/FileIO.h"

namespace {

ImageFileContents Unreadable(int errorCode) {
  ImageFileContents contents;
  contents.errorCode = errorCode;
  return contents;
}

// Why a local file that exists could not be read whole, as the C runtime's
// error code: a regular file is opened again to learn it (a pipe or a
// device is never opened, it could block).
int ReasonForUnreadableFile(const std::string& resolvedPath,
                            std::filesystem::file_type type) {
  if (type == std::filesystem::file_type::directory) {
    return EISDIR;
  }
  if (type != std::filesystem::file_type::regular) {
    return ENODEV;
  }
  errno = 0;
  std::FILE* file = std::fopen(resolvedPath.c_str(), "rb");
  if (file == nullptr) {
    return errno != 0 ? errno : EIO;
  }
  std::fclose(file);
  return EFBIG;  // opened, yet beyond the engine's whole-file limit
}

ImageFileContents ReadLocalFile(const UlvoPath& path) {
  const std::string resolvedPath = path.GetResolvedPath();
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(resolvedPath, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return ImageFileContents();
  }
  if (error) {
    return Unreadable(error.value());
  }
  ImageFileContents contents;
  const int32_t size = ReadWholeFile(path, contents.bytes);
  if (size < 0) {
    return Unreadable(ReasonForUnreadableFile(resolvedPath, status.type()));
  }
  contents.errorCode = 0;
  contents.size = static_cast<size_t>(size);
  return contents;
}

}  // namespace

ImageFileContents ReadImageFile(const UlvoPath& path) {
  if (!IsHandledByPlayerStorageHooks(path)) {
    return ReadLocalFile(path);
  }
  ImageFileContents contents;
  const int32_t size = ReadWholeFile(path, contents.bytes);
  if (size >= 0) {
    contents.errorCode = 0;
    contents.size = static_cast<size_t>(size);
  }
  return contents;
}
