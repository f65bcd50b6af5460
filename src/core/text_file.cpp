#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace glyphgrid {

namespace {

constexpr std::size_t ChunkSize = 64 * 1024;

#ifdef _WIN32
constexpr int ReadFlags = O_RDONLY | O_BINARY;
constexpr int NonBlocking = 0;
#else
constexpr int ReadFlags = O_RDONLY | O_CLOEXEC;
// A named pipe opened without it waits for a writer.
constexpr int NonBlocking = O_NONBLOCK;
#endif

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { ::close(descriptor_); }

 private:
  int descriptor_;
};

std::optional<std::string_view> ModeKind(unsigned mode) {
  if (S_ISREG(mode)) {
    return std::nullopt;
  }
  if (S_ISDIR(mode)) {
    return "a folder";
  }
  if (S_ISFIFO(mode)) {
    return "a named pipe";
  }
  if (S_ISCHR(mode)) {
    return "a device";
  }
#ifdef S_ISBLK
  if (S_ISBLK(mode)) {
    return "a device";
  }
#endif
#ifdef S_ISSOCK
  if (S_ISSOCK(mode)) {
    return "a socket";
  }
#endif
  return "not a regular file";
}

Error Failure(const char* action, std::string_view shown_name, std::string_view reason,
              Error::Kind kind = Error::Kind::Unreadable) {
  return {kind, std::string("cannot ") + action + " " + std::string(shown_name) + ": " +
                    std::string(reason)};
}

Error NotAFile(std::string_view shown_name, std::string_view kind) {
  return Failure("open", shown_name, "it is " + std::string(kind) + ", not a file");
}

}  // namespace

std::optional<std::string_view> NonFileKind(const std::string& path) {
  struct stat status {};
  // No file, or one that can't be looked at: opening or replacing it tells why.
  if (::stat(path.c_str(), &status) != 0) {
    return std::nullopt;
  }
  return ModeKind(status.st_mode);
}

std::variant<std::string, Error> ReadPatternText(const ReadSome& read_some,
                                                 std::string_view shown_name,
                                                 const TextLimit& limit) {
  std::string text;
  std::array<char, ChunkSize> chunk;
  // One byte past the limit tells a large input without reading all of it.
  while (text.size() <= limit.size) {
    errno = 0;
    const std::ptrdiff_t read =
        read_some(chunk.data(), std::min(chunk.size(), limit.size + 1 - text.size()));
    if (read == 0) {
      return text;
    }
    if (read < 0) {
      if (errno == EINTR) {
        continue;
      }
      return Failure("read", shown_name, std::strerror(errno != 0 ? errno : EIO));
    }
    text.append(chunk.data(), static_cast<std::size_t>(read));
  }
  return Failure(
      "read", shown_name,
      "it is larger than " + std::string(limit.name) + ", too large for " + std::string(limit.what),
      Error::Kind::BadInput);
}

std::variant<std::string, Error> ReadPatternFile(const std::string& path,
                                                 std::string_view shown_name, FileAccess access,
                                                 const TextLimit& limit) {
  const bool regular_only = access == FileAccess::RegularFilesOnly;
  // Looked at before opening: opening a device can act on it, and opening a named pipe waits.
  if (const std::optional<std::string_view> kind =
          regular_only ? NonFileKind(path) : std::nullopt) {
    return NotAFile(shown_name, *kind);
  }
  const int descriptor = ::open(path.c_str(), ReadFlags | (regular_only ? NonBlocking : 0));
  if (descriptor < 0) {
    return Failure("open", shown_name, std::strerror(errno));
  }
  const Descriptor closer(descriptor);
  if (regular_only) {
    // Looked at again on what was opened, in case something else was put there in between.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
      return Failure("open", shown_name, std::strerror(errno));
    }
    if (const std::optional<std::string_view> kind = ModeKind(status.st_mode)) {
      return NotAFile(shown_name, *kind);
    }
  }
  return ReadPatternText(
      [descriptor](char* buffer, std::size_t size) {
        return static_cast<std::ptrdiff_t>(::read(descriptor, buffer, static_cast<unsigned>(size)));
      },
      shown_name, limit);
}

}  // namespace glyphgrid
