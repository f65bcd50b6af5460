#include "cli/input_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace glyphgrid {

namespace {

Error TooLarge(const std::string& name) {
  return {Error::Kind::BadInput,
          name + ": larger than " + MaxPatternTextSizeName + ", too large for a pattern"};
}

Error Unreadable(const std::string& action, const std::string& name, int error) {
  return {Error::Kind::Unreadable, "cannot " + action + " " + name + ": " + std::strerror(error)};
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::variant<std::string, Error> ReadInputFile(const std::string& path) {
  const std::string name = "'" + path + "'";
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return Unreadable("open", name, errno);
  }
  // Reading one byte past the limit tells a large file without reading all of it.
  std::string bytes(MaxPatternTextSize + 1, '\0');
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) {
    return Unreadable("read", name, errno);
  }
  if (read > MaxPatternTextSize) {
    return TooLarge(name);
  }
  bytes.resize(read);
  return bytes;
}

std::variant<std::string, Error> ReadInputStream(std::istream& in, const std::string& name) {
  std::string bytes(MaxPatternTextSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    return Error{Error::Kind::Unreadable, "cannot read " + name};
  }
  const auto read = static_cast<std::size_t>(in.gcount());
  if (read > MaxPatternTextSize) {
    return TooLarge(name);
  }
  bytes.resize(read);
  return bytes;
}

}  // namespace glyphgrid
