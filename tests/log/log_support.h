// Helpers for the loss log tests: a scratch folder, whole-file reads and writes, a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "log/loss_log.h"

namespace zandor::test {

// A fresh empty folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("zandor-log-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as AppFolder holds it: with a trailing separator.
  std::string AppFolder() const { return (path_ / "").string(); }
  std::string LogPath() const { return (path_ / kLossLogName).string(); }

  // Names of everything directly in the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.insert(e.path().filename().string());
    names.erase(std::string(kLossLogName) + kLockSuffix);
    return names;
  }

 private:
  std::filesystem::path path_;
};

// Read in one piece: the crash test reads a 20 MB log hundreds of times, also under sanitizers.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "could not write " << path;
}

// The real disk with a date-time text the test chooses.
class FixedTimeEnv : public SystemLossLogEnv {
 public:
  std::string LocalDateTimeText() override { return when; }
  std::string when = "3/14/2001 9:26:53 PM";
};

}  // namespace zandor::test
