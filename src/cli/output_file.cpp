#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/text_file.h"

namespace glyphgrid {

namespace {

Error Failure(std::string_view shown_name, const std::string& reason) {
  return {Error::Kind::Unreadable, "cannot write " + std::string(shown_name) + ": " + reason};
}

// Writes everything, retrying after a signal; false with errno set on failure.
bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      errno = written == 0 ? ENOSPC : errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<Error> ReplaceFile(const std::string& path, std::string_view shown_name,
                                 std::string_view bytes) {
  if (const std::optional<std::string_view> kind = NonFileKind(path)) {
    return Failure(shown_name, "it is " + std::string(*kind) + ", not a file");
  }
  std::error_code error;
  std::filesystem::path target = path;
  // Through every link to the file it names, which may not exist yet; a loop of links ends where
  // the system's own limit of 40 would.
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, error); ++hops) {
    const std::filesystem::path linked = std::filesystem::read_symlink(target, error);
    target = linked.is_absolute() ? linked : target.parent_path() / linked;
  }
  if (std::filesystem::is_symlink(target, error)) {
    return Failure(shown_name, std::strerror(ELOOP));
  }
  std::filesystem::path folder = target.parent_path();
  std::string temporary = (folder.empty() ? std::filesystem::path(".") : folder) /
                          ("." + target.filename().string() + ".XXXXXX");
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) {
    return Failure(shown_name, std::strerror(errno));
  }
  // A new file gets the permissions any new file gets; a replaced one keeps its own.
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
  }
  const bool written =
      ::fchmod(descriptor, mode) == 0 && WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
  const int write_error = errno;
  if (::close(descriptor) != 0 || !written) {
    const int reason = written ? errno : write_error;
    ::unlink(temporary.c_str());
    return Failure(shown_name, std::strerror(reason));
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int reason = errno;
    ::unlink(temporary.c_str());
    return Failure(shown_name, std::strerror(reason));
  }
  return std::nullopt;
}

}  // namespace glyphgrid
