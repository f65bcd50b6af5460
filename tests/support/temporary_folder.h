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
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  std::string Path() const { return path_.string(); }
  std::filesystem::path PathOf(const std::string& name) const { return path_ / name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

  // A shell script that does nothing; executable or not. Returns its path.
  std::string AddProgram(const std::string& name, bool executable = true) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file) << "#!/bin/sh\nexit 0\n";
    using std::filesystem::perms;
    std::filesystem::permissions(
        file, executable ? perms::owner_all : perms::owner_read | perms::owner_write);
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace glyphgrid
