#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

/// A scratch directory for the rule files a test writes; removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("zunoka_inflection_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  /// Writes `text` byte for byte to `name` and returns the file's full path.
  std::string write(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }

  std::string pathOf(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};
