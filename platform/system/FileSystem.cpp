#include "platform/system/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
  if (less) {
    return true;
  }
  // Names equal but for case still need a fixed order.
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
  return !greater && a < b;
}

bool WriteAll(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable, not only the file's contents.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

// Case-insensitive match of a name against a pattern of '*' and '?'.
bool MatchesWildcard(const std::string& name, const std::string& wildcard) {
  // Iterative match with backtracking to the last '*'.
  size_t n = 0;
  size_t w = 0;
  size_t starW = std::string::npos;
  size_t starN = 0;
  while (n < name.size()) {
    if (w < wildcard.size() &&
        (wildcard[w] == '?' || LowerAscii(wildcard[w]) == LowerAscii(name[n]))) {
      ++n;
      ++w;
    } else if (w < wildcard.size() && wildcard[w] == '*') {
      starW = w++;
      starN = n;
    } else if (starW != std::string::npos) {
      w = starW + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (w < wildcard.size() && wildcard[w] == '*') {
    ++w;
  }
  return w == wildcard.size();
}

}  // namespace

std::string UserDataBaseFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] != '\0') {
    const std::string folder = WithoutTrailingSeparators(dataHome);
    if (folder != "/") {
      return folder;
    }
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    const std::string folder = WithoutTrailingSeparators(home);
    return (folder == "/" ? std::string() : folder) + "/.local/share";
  }
  return std::string();
}

bool CreateFolderRecursive(const std::string& path) {
  if (path.empty()) {
    return false;
  }
  const std::string target = WithoutTrailingSeparators(path);
  size_t position = 0;
  while (position != std::string::npos) {
    position = target.find('/', position + 1);
    const std::string prefix = target.substr(0, position);
    if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) {
      return false;
    }
  }
  return IsFolder(target);
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    SyncFolder(FolderOf(to));
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  // A file system without the no-replace rename: a hard link fails just as
  // surely on a name that is taken.
  if (link(from.c_str(), to.c_str()) != 0) {
    return false;
  }
  unlink(from.c_str());
  SyncFolder(FolderOf(to));
  return true;
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size,
                         std::string* error) {
  const auto fail = [error](int number) {
    if (error != nullptr) {
      *error = std::strerror(number);
    }
    return false;
  };
  if (path.empty() || path.back() == '/') {
    return fail(EISDIR);
  }
  // Named after no player file, so a write cut short leaves nothing that a
  // later start could take for one.
  std::string temporary = FolderOf(path) + "/" + TEMPORARY_FILE_PREFIX + "XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    return fail(errno);
  }
  // mkstemp makes the file private; keep the permissions an ordinary write gets.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);

  // The first failure is the one to report: a full disk may show only at
  // the flush or the close.
  int failure = 0;
  if (!WriteAll(fd, data, size) || fsync(fd) != 0) {
    failure = errno;
  }
  if (close(fd) != 0 && failure == 0) {
    failure = errno;
  }
  if (failure == 0 && rename(temporary.c_str(), path.c_str()) != 0) {
    failure = errno;
  }
  if (failure != 0) {
    unlink(temporary.c_str());
    return fail(failure);
  }
  SyncFolder(FolderOf(path));
  return true;
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& wildcard) {
  std::vector<std::string> names;
  DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
  if (directory == nullptr) {
    return names;
  }
  const std::string prefix = folder.empty() ? std::string() : WithoutTrailingSeparators(folder) + "/";
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (MatchesWildcard(name, wildcard) && IsRegularFile(prefix + name)) {
      names.push_back(name);
    }
  }
  closedir(directory);
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileReadStatus ReadWholeFile(const std::string& path, size_t maxBytes,
                             std::vector<unsigned char>& bytes, std::string& error) {
  bytes.clear();
  error.clear();
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      return FileReadStatus::MISSING;
    }
    error = std::strerror(errno);
    return FileReadStatus::UNREADABLE;
  }
  // A folder or a device would report a meaningless length, and a pipe
  // would block the read.
  if (!S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
    return FileReadStatus::UNREADABLE;
  }
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    error = std::strerror(EFBIG);
    return FileReadStatus::UNREADABLE;
  }
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = std::strerror(errno);
    return FileReadStatus::UNREADABLE;
  }
  bytes.resize(static_cast<size_t>(info.st_size));
  const size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) {
    error = std::strerror(errno);
    bytes.clear();
    return FileReadStatus::UNREADABLE;
  }
  bytes.resize(read);
  return FileReadStatus::READ;
}

}  // namespace platform
