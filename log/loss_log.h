// The loss log: every game the top level loses is added at the top of AILog.txt.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zandor {

class Game;
struct GameState;

// A new file being written. Dropping it before Finish closes it; its content is then of no use.
class LogFile {
 public:
  virtual ~LogFile() = default;
  // Writes all of the bytes; false when any of them could not be written.
  virtual bool Write(std::string_view bytes) = 0;
  // Flushes the content to the disk and closes the file; false when either step fails.
  virtual bool Finish() = 0;
};

// Held while one writer rewrites the log; dropping it lets the next writer in.
class LogLock {
 public:
  virtual ~LogLock() = default;
};

enum class ReadResult { Read, Missing, Failed };

// What the log needs from the outside world, injectable so tests never depend on today or the disk
// and can make any step fail.
class LossLogEnv {
 public:
  virtual ~LossLogEnv() = default;
  // The local short date, a blank, the time with seconds, in the user's format.
  virtual std::string LocalDateTimeText() = 0;
  // The file that writing to `path` must change: `path` itself, or the file a symbolic link there
  // leads to; "" when the link leads nowhere (dangling or a loop).
  virtual std::string Target(const std::string& path) = 0;
  // Takes the writers' lock kept in the file `lockPath`, waiting a short while for another copy of
  // the game to finish; null when it could not be had in that time.
  virtual std::unique_ptr<LogLock> Lock(const std::string& lockPath) = 0;
  // Reads the whole file into bytes and its permission bits into `mode`. Missing when there is no
  // such file (or no such folder); Failed when it is no regular file, cannot be read, may not be
  // written by this user, or the read stops early. Never waits on a pipe or a device.
  virtual ReadResult ReadWhole(const std::string& path, std::string& bytes, std::optional<unsigned>& mode) = 0;
  // Creates a file that must not exist yet, with permission bits `mode` from the start (without
  // one, those of any new file); null when it exists or cannot be made.
  virtual std::unique_ptr<LogFile> CreateNew(const std::string& path, std::optional<unsigned> mode) = 0;
  // Puts `from` in the place of `to` in one step, replacing `to` if it exists.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
  // Removes temporary files that writers killed long ago left in the folder.
  virtual void RemoveStaleTemporaries(const std::string& folder) = 0;
};

// The real clock, locale and disk. Not final: tests and the Windows front end override single steps.
class SystemLossLogEnv : public LossLogEnv {
 public:
  std::string LocalDateTimeText() override;
  std::string Target(const std::string& path) override;
  // An exclusive lock on the file (flock, or _locking on Windows), which the system drops when its
  // holder dies; readers of the log never see it.
  std::unique_ptr<LogLock> Lock(const std::string& lockPath) override;
  ReadResult ReadWhole(const std::string& path, std::string& bytes, std::optional<unsigned>& mode) override;
  std::unique_ptr<LogFile> CreateNew(const std::string& path, std::optional<unsigned> mode) override;
  bool Replace(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;
  // Only names TemporaryLogName can make, and only those untouched for an hour: a writer that
  // is still running is never that slow.
  void RemoveStaleTemporaries(const std::string& folder) override;

  // How long Lock waits before the entry is given up.
  std::chrono::milliseconds lockWait{2000};
};

inline constexpr const char* kLossLogName = "AILog.txt";
// Appended to the name of the log's file to name its lock file, which stays beside it.
inline constexpr const char* kLockSuffix = ".lock";

// True for the names of the log's temporary files: "AILog.txt." and 16 hex digits and ".tmp".
bool IsTemporaryLogName(std::string_view name);

// Creates the folder and any missing folder above it, each readable by its owner only, as the XDG
// base-directory rules ask; true when the folder exists afterwards.
bool CreateLogFolder(const std::string& folder);

// The entry for the finished game: "Logged at " and the time, then one line per placed mark.
// Line breaks inside `when` become blanks so the time stays on the "Logged at " line.
std::string LossLogEntry(const GameState& state, std::string_view when);

// Appends text with every line ended by CR LF. CR LF, a lone LF and a lone CR each end a line;
// every other byte is copied as it is, and a last line without an end gets one.
void AppendCrLfLines(std::string& out, std::string_view text);

// Puts the finished game at the top of AppFolder + "AILog.txt" (or of the file a link there leads
// to), taking turns with other copies of the game. The file is replaced in one step, so it holds
// either the old text or the new; on any failure it is left as it was and the game goes on
// (nothing is thrown).
void WriteLossLog(Game& game);

}  // namespace zandor
