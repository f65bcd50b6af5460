#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace glyphgrid {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("glyphgrid-test-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder() { std::filesystem::remove_all(path_); }

  std::string Path(const std::string& name = "") const { return (path_ / name).string(); }

  // Returns the file's path; a program is a shell script with the given permissions.
  std::string Write(
      const std::string& name, const std::string& bytes,
      std::filesystem::perms permissions = std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    std::filesystem::permissions(path_ / name, permissions);
    return Path(name);
  }

  std::string Read(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
  }

 private:
  std::filesystem::path path_;
};

}  // namespace glyphgrid
