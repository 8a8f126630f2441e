// Writes the finished game at the top of the loss log, keeping the earlier entries below it.
#include "log/loss_log.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>
#include <thread>
#ifdef _WIN32
#include <io.h>
#include <sys/locking.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

#include "game/game.h"

namespace zandor {
namespace {

namespace fs = std::filesystem;

// Thin wrappers over the C runtime's descriptor calls, which differ only in name on Windows.
#ifdef _WIN32
int OpenExclusive(const std::string& path, std::optional<unsigned>) {
  // Permission bits mean nothing there; a log that is read-only was already left alone.
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, const char* data, std::size_t size) {
  // _write takes an unsigned count; large buffers go in slices.
  const unsigned slice = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  return _write(fd, data, slice);
}
long ReadSome(int fd, char* data, unsigned size) { return _read(fd, data, size); }
int SyncToDisk(int fd) { return _commit(fd); }
int CloseFd(int fd) { return _close(fd); }
#else
int OpenExclusive(const std::string& path, std::optional<unsigned> mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? (*mode & 0777) : 0666);
  } while (fd < 0 && errno == EINTR);
  // The umask may have narrowed the log's own mode; the copy gets it exactly, before any byte is in it.
  if (fd >= 0 && mode) ::fchmod(fd, static_cast<mode_t>(*mode & 07777));
  return fd;
}
long WriteSome(int fd, const char* data, std::size_t size) {
  return static_cast<long>(::write(fd, data, size));
}
long ReadSome(int fd, char* data, unsigned size) { return static_cast<long>(::read(fd, data, size)); }
int SyncToDisk(int fd) { return ::fsync(fd); }
int CloseFd(int fd) { return ::close(fd); }
#endif

class DiskFile final : public LogFile {
 public:
  explicit DiskFile(int fd) : fd_(fd) {}
  ~DiskFile() override {
    if (fd_ >= 0) CloseFd(fd_);
  }
  bool Write(std::string_view bytes) override {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      const long n = WriteSome(fd_, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;  // disk full or I/O error: the caller drops the file
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    return true;
  }
  bool Finish() override {
    const bool synced = SyncToDisk(fd_) == 0;
    const bool closed = CloseFd(fd_) == 0;  // a failed close can mean lost writes on network disks
    fd_ = -1;
    return synced && closed;
  }

 private:
  int fd_;
};

class FileLock final : public LogLock {
 public:
  explicit FileLock(int fd) : fd_(fd) {}
  ~FileLock() override {
#ifdef _WIN32
    _lseek(fd_, 0, SEEK_SET);
    _locking(fd_, _LK_UNLCK, 1);
#endif
    CloseFd(fd_);  // on POSIX closing drops the flock
  }

 private:
  int fd_;
};

#ifndef _WIN32
// A rename reaches the disk only when its folder does; without this a power cut could undo it.
void SyncFolder(const std::string& file) {
  fs::path folder = fs::path(file).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

bool LocalTime(std::time_t t, std::tm& out) {
#ifdef _WIN32
  return localtime_s(&out, &t) == 0;
#else
  return localtime_r(&t, &out) != nullptr;
#endif
}

// A name no other writer picks: two copies of the game may be logging at once.
std::string TempPath(const std::string& folder, int attempt) {
  static std::atomic<std::uint64_t> counter{0};
  const auto ticks =
      static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  int local = 0;  // its address differs between processes where addresses are randomised
  std::uint64_t v = ticks ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull) ^
                    (reinterpret_cast<std::uintptr_t>(&local) << 16) ^ static_cast<std::uint64_t>(attempt);
  char hex[17];
  for (int i = 15; i >= 0; --i, v >>= 4) hex[i] = "0123456789abcdef"[v & 15];
  hex[16] = '\0';
  return folder + kLossLogName + "." + hex + ".tmp";
}

}  // namespace

std::string SystemLossLogEnv::LocalDateTimeText() {
  std::tm local{};
  if (!LocalTime(std::time(nullptr), local)) return "";
  std::ostringstream out;
  // The user's locale gives the regional date and time; a LANG naming no installed locale
  // makes std::locale("") throw, and then the neutral format is used.
  try {
    out.imbue(std::locale(""));
  } catch (...) {
    out.imbue(std::locale::classic());
  }
  out << std::put_time(&local, "%x %X");
  return out.str();
}

std::string SystemLossLogEnv::Target(const std::string& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path real = fs::canonical(path, ec);  // fails on a dangling link or a loop
  return ec ? std::string() : real.string();
}

std::unique_ptr<LogLock> SystemLossLogEnv::Lock(const std::string& lockPath) {
  const auto deadline = std::chrono::steady_clock::now() + lockWait;
#ifdef _WIN32
  const int fd = _open(lockPath.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  while (_locking(fd, _LK_NBLCK, 1) != 0) {
#else
  // Read-only is enough for flock, so a lock file another user made still serves; it stays empty.
  int fd;
  do {
    fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return nullptr;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    // A disk that cannot lock at all is written unguarded, as it was before there were locks.
    if (errno == ENOLCK || errno == EOPNOTSUPP) break;
#endif
    if (std::chrono::steady_clock::now() >= deadline) {
      CloseFd(fd);
      return nullptr;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::make_unique<FileLock>(fd);
}

ReadResult SystemLossLogEnv::ReadWhole(const std::string& path, std::string& bytes, std::optional<unsigned>& mode) {
  bytes.clear();
  mode.reset();
#ifdef _WIN32
  const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
  struct _stat64 st;
  const bool usable = _fstat64(fd, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG && _access(path.c_str(), 2) == 0;
#else
  // Without O_NONBLOCK opening a pipe waits for a writer that never comes.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
  struct stat st;
  // Replacing a file needs only the folder's rights; the file's own say whether we may change it.
  const bool usable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                      ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
#endif
  if (!usable) {
    CloseFd(fd);
    return ReadResult::Failed;
  }
  mode = static_cast<unsigned>(st.st_mode) & 07777u;
  if (static_cast<std::uint64_t>(st.st_size) < bytes.max_size()) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[1 << 16];
  long n;
  while ((n = ReadSome(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  CloseFd(fd);
  return n == 0 ? ReadResult::Read : ReadResult::Failed;
}

std::unique_ptr<LogFile> SystemLossLogEnv::CreateNew(const std::string& path, std::optional<unsigned> mode) {
  const int fd = OpenExclusive(path, mode);
  if (fd < 0) return nullptr;
  return std::make_unique<DiskFile>(fd);
}

bool SystemLossLogEnv::Replace(const std::string& from, const std::string& to) {
  std::error_code ec;
  // Replaces an existing file on every platform (by MoveFileEx on Windows, rename elsewhere).
  fs::rename(from, to, ec);
  if (ec) return false;
#ifndef _WIN32
  SyncFolder(to);
#endif
  return true;
}

void SystemLossLogEnv::Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

void SystemLossLogEnv::RemoveStaleTemporaries(const std::string& folder) {
  std::error_code ec;
  const auto limit = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    if (!IsTemporaryLogName(it->path().filename().string())) continue;
    std::error_code itemEc;
    if (!it->is_regular_file(itemEc) || itemEc) continue;
    const auto written = it->last_write_time(itemEc);
    if (!itemEc && written < limit) fs::remove(it->path(), itemEc);
  }
}

bool IsTemporaryLogName(std::string_view name) {
  const std::string_view head = kLossLogName;
  constexpr std::string_view tail = ".tmp";
  if (name.size() != head.size() + 1 + 16 + tail.size()) return false;
  if (name.substr(0, head.size()) != head || name[head.size()] != '.') return false;
  if (name.substr(name.size() - tail.size()) != tail) return false;
  for (char c : name.substr(head.size() + 1, 16))
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

bool CreateLogFolder(const std::string& folder) {
  std::error_code ec;
#ifdef _WIN32
  fs::create_directories(fs::path(folder), ec);
#else
  fs::path partial;
  for (const fs::path& part : fs::path(folder)) {
    partial /= part;
    // Levels that exist keep their mode; mkdir leaves them alone.
    if (!part.empty()) ::mkdir(partial.c_str(), 0700);
  }
#endif
  return fs::is_directory(fs::path(folder), ec);
}

std::string LossLogEntry(const GameState& state, std::string_view when) {
  std::string entry = "Logged at ";
  for (char c : when) entry += (c == '\r' || c == '\n') ? ' ' : c;
  entry += "\r\n";
  const int count = state.MoveCount < 9 ? state.MoveCount : 9;
  for (int i = 1; i <= count; ++i) {
    const MoveRecord& m = state.History[static_cast<std::size_t>(i)];
    entry += m.mark == "O" ? "Human at (" : m.mark == "X" ? "AIBot at (" : "Empty at (";
    entry += std::to_string(m.x) + "," + std::to_string(m.y) + ").\r\n";
  }
  return entry;
}

void AppendCrLfLines(std::string& out, std::string_view text) {
  out.reserve(out.size() + text.size() + 2);
  // Lines already ended by CR LF are copied in runs; only other line ends break a run.
  std::size_t run = 0;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    if (c == '\r' && i + 1 < n && text[i + 1] == '\n') {
      ++i;
      continue;
    }
    out.append(text.data() + run, i - run);
    out += "\r\n";
    run = i + 1;
  }
  out.append(text.data() + run, n - run);
  if (n > 0 && text[n - 1] != '\n' && text[n - 1] != '\r') out += "\r\n";
}

void WriteLossLog(Game& game) {
  static SystemLossLogEnv systemEnv;
  LossLogEnv& env = game.logEnv() ? *game.logEnv() : systemEnv;
  std::unique_ptr<LogLock> lock;  // released last, after any clean-up
  std::string temp;               // set only once we have created it, so we never remove another's file
  try {
    const std::string named = game.AppFolder + kLossLogName;
    // A link stays a link: the entry goes to its file, whose folder holds the temporary copy.
    const std::string path = env.Target(named);
    if (path.empty()) return;
    const std::string folder = path == named ? game.AppFolder : (fs::path(path).parent_path() / "").string();

    // Each writer reads the whole log and replaces it: two copies of the game must take turns, or
    // one rename would drop the entry the other just added.
    lock = env.Lock(path + kLockSuffix);
    if (!lock) return;
    std::string previous;
    std::optional<unsigned> mode;
    // A log that exists but cannot be read or written, or is no file, is left alone: rewriting it
    // would lose its entries or replace what the user put there.
    if (env.ReadWhole(path, previous, mode) == ReadResult::Failed) return;
    std::string text = LossLogEntry(game, env.LocalDateTimeText());
    text += "\r\n";
    AppendCrLfLines(text, previous);
    std::string().swap(previous);  // the old text is in `text` now; free it before the slow part

    std::unique_ptr<LogFile> file;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
      const std::string candidate = TempPath(folder, attempt);
      file = env.CreateNew(candidate, mode);
      if (file) temp = candidate;
    }
    if (!file) return;
    const bool written = file->Write(text) && file->Finish();
    file.reset();  // closed before the rename or removal: Windows refuses either on an open file
    if (written && env.Replace(temp, path)) {
      temp.clear();  // it is the log now
      env.RemoveStaleTemporaries(folder);
      return;
    }
  } catch (...) {
    // Out of memory or a throwing environment: the log is simply not written this time.
  }
  if (temp.empty()) return;
  try {
    env.Remove(temp);
  } catch (...) {
  }
}

}  // namespace zandor
