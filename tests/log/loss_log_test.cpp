// The loss log: its format, what it keeps of earlier text, failures on the disk, its time text, and several writers.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "log/loss_log.h"
#include "support.h"

namespace zandor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;
using fs::perms;

std::string Read(const fs::path& path) {  // "" for anything but a file, where a pipe would block
  if (!fs::is_regular_file(path)) return "";
  return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}
void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
perms Mode(const fs::path& path) { return fs::symlink_status(path).permissions() & perms::mask; }
fs::path FreshFolder() {
  static int serial = 0;
  const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  const fs::path dir = fs::temp_directory_path() / ("zandor-log-" + stamp + "-" + std::to_string(serial++));
  return fs::create_directories(dir), dir;
}

// A top-level game logging on the real disk into a fresh folder or `at`, its time fixed, the time or rename failing on
// request. Its lock tries first without waiting, marking a busy one in the file "busy"; told to, each write waits for it.
struct LogRig : SystemLossLogEnv {
  explicit LogRig(const fs::path& at = {}) : dir(at.empty() ? FreshFolder() : at), owned(at.empty()) {
    rig.game.Difficulty = 5, rig.game.OnePlayer = kTrue, rig.game.AppFolder = (dir / "").string();
    rig.game.SetLogEnv(this), lockWait = 300ms;
  }
  ~LogRig() override { owned && fs::remove_all(dir, ec); }
  void Finish() { SetBoard(rig.game, "OO.XX...."), rig.game.Turn = kO, rig.game.PlaceMark(2, 0, kO); }  // kTopEntry
  fs::path Log() const { return dir / kLossLogName; }
  std::string LocalDateTimeText() override { return failTime ? throw std::runtime_error("no clock") : when; }
  bool Replace(const std::string& from, const std::string& to) override {  // with the lock held
    for (int i = 0; holdUntilBusy && !fs::exists(dir / "busy"); ++i) (i < 120000 ? std::this_thread::sleep_for(1ms) : std::_Exit(4));
    return !failRename && SystemLossLogEnv::Replace(from, to);
  }
  std::unique_ptr<LogLock> Lock(const std::string& path) override {
    const auto wait = std::exchange(lockWait, 0ms);
    auto lock = SystemLossLogEnv::Lock(path);
    return (lockWait = wait, lock) ? std::move(lock) : (Write(dir / "busy", ""), SystemLossLogEnv::Lock(path));
  }

  fs::path dir;
  bool owned;
  std::error_code ec;
  Rig rig;
  std::string when = "3/14/2001\r\n9:26:53 PM";  // the line break becomes a blank
  bool failTime = false, failRename = false, holdUntilBusy = false;
};

const std::string kTopEntry = "Logged at 3/14/2001  9:26:53 PM\r\nHuman at (0,0).\r\nHuman at (1,0).\r\nAIBot at (0,1).\r\n"
                              "AIBot at (1,1).\r\nHuman at (2,0).\r\n\r\n";

enum class Disk { None, Log, Folder, Pipe, Link, Dangling, Locked, DeadHolder, NewFolder, Temps };  // where the log goes

TEST(LossLog, TopLevelLossesGoOnTopOfTheEarlierTextAndNoFailureLosesOrExposesIt) {
  const std::string old = "earlier\r\n\r\n";
  const struct {  // after: none when the log is left as it was
    const char* name; Disk disk; std::string before; std::optional<std::string> after; unsigned logMode = 0, folderMode = 0;
  } cases[] = {
      {"first game", Disk::None, "", kTopEntry},
      {"every line end becomes CR LF, other bytes stay", Disk::Log, "a\nb\rc\r\r\nd\n\re\0\xff\x80\r\n\n\nend"s,
       kTopEntry + "a\r\nb\r\nc\r\n\r\nd\r\n\r\ne\0\xff\x80\r\n\r\n\r\nend\r\n"s},
      {"log is a folder", Disk::Folder, "", {}}, {"rename fails", Disk::Log, old, {}}, {"read-only log", Disk::Log, old, {}, 0444},
      {"date-time text throws", Disk::Log, old, {}}, {"another copy holds the lock past the wait", Disk::Locked, "", {}},
      {"an hour-old copy a killed writer left goes, a fresher one stays", Disk::Temps, old, kTopEntry + old},
#ifndef _WIN32
      {"unreadable log is left as it is", Disk::Log, old, {}, 0200},
      {"folder without write access", Disk::Log, old, {}, 0, 0555},
      {"log is a pipe: no hang", Disk::Pipe, "", {}}, {"link leading nowhere", Disk::Dangling, "", {}},
      {"a writer killed while it held the lock does not keep it", Disk::DeadHolder, old, kTopEntry + old},
      {"link to a file elsewhere, which gets the entry", Disk::Link, old, kTopEntry + old},
      {"log private to owner and group, umask 022", Disk::Log, old, kTopEntry + old, 0660},
      {"installed game's new log folder is private", Disk::NewFolder, "", kTopEntry},
  };
  // File modes do not stop root: then the rows run as the user nobody.
  const bool root = geteuid() == 0;
  ASSERT_TRUE(!root || (setegid(65534) == 0 && seteuid(65534) == 0));
  umask(022);
#else
  };
#endif
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LogRig r;
    r.failRename = c.name == "rename fails"s, r.failTime = c.name == "date-time text throws"s;
    fs::path file = c.disk == Disk::Link ? r.dir / "to" / "kept" : r.Log();  // where the entry goes
    const fs::path stale = r.dir / "AILog.txt.00000000000000aa.tmp", fresh = r.dir / "AILog.txt.00000000000000bb.tmp";
    const auto held = c.disk == Disk::Locked ? r.Lock(r.Log().string() + kLockSuffix) : nullptr;
    if (c.disk == Disk::Link) fs::create_directory(r.dir / "to"), fs::create_symlink("to/kept", r.Log());
    if (c.disk == Disk::Log || c.disk == Disk::Link || c.disk == Disk::Temps || c.disk == Disk::DeadHolder) Write(file, c.before);
    for (const auto& [copy, age] : {std::pair{stale, 61min}, std::pair{fresh, 50min}})  // a killed writer's, a slow one's
      if (c.disk == Disk::Temps) Write(copy, "cut"), fs::last_write_time(copy, fs::file_time_type::clock::now() - age);
    if (c.disk == Disk::Folder) fs::create_directory(file);
    if (c.disk == Disk::Dangling) fs::create_symlink("gone", file);
#ifndef _WIN32
    ASSERT_TRUE(c.disk != Disk::Pipe || mkfifo(file.c_str(), 0600) == 0);
    if (c.disk == Disk::DeadHolder) fork() == 0 ? (r.Lock(r.Log().string() + kLockSuffix).release(), raise(SIGKILL)) : wait(nullptr);
#endif
    if (c.disk == Disk::NewFolder) r.rig.game.AppFolder = ((file = r.dir / "new" / "zandor") / "").string(), file /= kLossLogName;
    ASSERT_TRUE(c.disk != Disk::NewFolder || CreateLogFolder(r.rig.game.AppFolder));
    if (c.logMode) fs::permissions(file, perms(c.logMode));
    if (c.folderMode) fs::permissions(r.dir, perms(c.folderMode));

    ASSERT_NO_THROW(r.Finish());
    fs::permissions(r.dir, perms::owner_all, fs::perm_options::add);
    if (c.logMode) {  // after a write this is the copy's, which must never be wider than the log's
      EXPECT_EQ(Mode(file), perms(c.logMode));
      fs::permissions(file, perms::owner_read | perms::owner_write, fs::perm_options::add);
    }
    EXPECT_EQ(Read(file), c.after.value_or(c.before));
    EXPECT_TRUE(c.disk != Disk::NewFolder || (Mode(r.dir / "new") | Mode(file.parent_path())) == perms(0700));
    EXPECT_TRUE(c.disk != Disk::Temps || (!fs::exists(stale) && fs::exists(fresh))) << "the copies left before";
    fs::remove(fresh, r.ec);
    for (const auto& e : fs::recursive_directory_iterator(r.dir))
      EXPECT_FALSE(IsTemporaryLogName(e.path().filename().string())) << "left behind: " << e.path();
  }
#ifndef _WIN32
  EXPECT_TRUE(!root || (seteuid(0) == 0 && setegid(0) == 0));
#endif
}

// The two-writer test runs this program twice more, as writers told their folder by this variable; their exit code.
constexpr const char* kWriterVar = "ZANDOR_LOG_WRITER";
int RunAsWriter() {
  const char* filter = "--gtest_filter=LossLogWriters.TwoCopiesLoggingAtOnceLoseNoEntry";
#ifdef _WIN32
  return static_cast<int>(_spawnl(_P_WAIT, _pgmptr, _pgmptr, filter, nullptr));
#else
  const int status = std::system(("'" + fs::read_symlink("/proc/self/exe").string() + "' " + filter).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// A writer, A if it came first, logs its game 200 times, the time text its name and a number, and exits 11. The two
// overlap by construction: inside its write each waits until a writer has found the lock busy (else exit code 4).
int RunWriter(const char* folder) {
  LogRig r(folder);
  const char name = r.CreateNew((r.dir / "A").string(), {}) ? 'A' : 'B';
  r.holdUntilBusy = true, r.lockWait = std::chrono::minutes(10);  // the other may be slow; only a lost entry fails
  // Marks other than "O" and "X" are "Empty", and a corrupt count must not read past the nine records.
  SetBoard(r.rig.game, "OXOXOXXOX");
  r.rig.game.History[1].mark = "o", r.rig.game.History[2].mark = "X ", r.rig.game.MoveCount = 200;
  for (int i = 0; i < 200; ++i) r.when = name + std::to_string(i), WriteLossLog(r.rig.game);
  return 11;
}

TEST(LossLogWriters, TwoCopiesLoggingAtOnceLoseNoEntry) {
  if (const char* folder = std::getenv(kWriterVar); folder && *folder) std::_Exit(RunWriter(folder));
  LogRig r;
#ifdef _WIN32
  const auto tell = [](const std::string& folder) { _putenv((kWriterVar + "="s + folder).c_str()); };
#else
  const auto tell = [](const std::string& folder) { setenv(kWriterVar, folder.c_str(), 1); };
#endif
  int a = -1, b = -1;
  tell(r.dir.string());
  std::thread other([&] { b = RunAsWriter(); });
  a = RunAsWriter(), other.join(), tell("");
  ASSERT_TRUE(a == 11 && b == 11) << "writers exited with " << a << " and " << b << " (4: they never met at the lock)";
  // From the top every entry must be whole and the next one of either writer, newest first.
  const std::string text = Read(r.Log());
  int next[2] = {199, 199};
  const auto entry = [&](int w) {
    return "Logged at "s + "AB"[w] + std::to_string(next[w]) + "\r\nEmpty at (0,0).\r\nEmpty at (1,0).\r\n" +
           "Human at (2,0).\r\nAIBot at (0,1).\r\nHuman at (1,1).\r\nAIBot at (2,1).\r\nAIBot at (0,2).\r\n" +
           "Human at (1,2).\r\nAIBot at (2,2).\r\n\r\n";
  };
  for (std::size_t at = 0, w; at < text.size(); at += entry(w).size(), --next[w]) {
    w = text.compare(at, entry(0).size(), entry(0)) == 0 ? 0 : 1;
    ASSERT_EQ(text.compare(at, entry(w).size(), entry(w)), 0) << "torn or lost entry at byte " << at;
  }
  EXPECT_EQ(next[0] + next[1], -2) << "A and B lost " << next[0] + 1 << " and " << next[1] + 1 << " entries";
}

}  // namespace
}  // namespace zandor::test
