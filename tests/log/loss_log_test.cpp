// The loss log: its format, what it keeps of earlier text, failures on the disk, and several writers.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <thread>

#include "log/loss_log.h"
#include "support.h"

namespace zandor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using fs::perms;

std::string Read(const fs::path& path) {  // "" for anything but a file, where a pipe would block
  std::string bytes(fs::is_regular_file(path) ? fs::file_size(path) : 0, '\0');
  if (!bytes.empty()) std::ifstream(path, std::ios::binary).read(bytes.data(), std::streamsize(bytes.size()));
  return bytes;
}
void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
perms Mode(const fs::path& path) { return fs::symlink_status(path).permissions() & perms::mask; }

// A one-player game at `level` (0: two players) logging into a fresh folder on the real disk, with a
// fixed time and, on request, the time or the rename failing.
struct LogRig : SystemLossLogEnv {
  explicit LogRig(int level = 5) {
    static int serial = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::create_directories(dir /= "zandor-log-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    rig.game.Difficulty = level ? level : 5, rig.game.OnePlayer = level ? kTrue : kFalse;
    rig.game.AppFolder = (dir / "").string(), rig.game.SetLogEnv(this);
  }
  ~LogRig() override { fs::remove_all(dir, ec); }
  // Puts the board's marks in reading order, then its one lower-case mark, which ends the game.
  void Finish(std::string board) {
    const std::size_t last = board.find_first_of("ox");
    rig.game.Turn = board[last] == 'o' ? kO : kX;
    SetBoard(rig.game, board.replace(last, 1, ".")), rig.game.PlaceMark(last % 3, last / 3, rig.game.Turn);
  }
  fs::path Log() const { return dir / kLossLogName; }
  std::string LocalDateTimeText() override { return failTime ? throw std::runtime_error("no clock") : when; }
  bool Replace(const std::string& from, const std::string& to) override {
    tempMode = Mode(from);  // as it was made: the writer never changes it
    return !failRename && SystemLossLogEnv::Replace(from, to);
  }

  fs::path dir = fs::temp_directory_path();
  std::error_code ec;
  Rig rig;
  std::string when = "3/14/2001\r\n9:26:53 PM";  // the line break becomes a blank
  bool failTime = false, failRename = false;
  perms tempMode = perms::unknown;
};

constexpr const char* kTop = "OOoXX....";  // O wins the top row
const std::string kTopEntry =
    "Logged at 3/14/2001  9:26:53 PM\r\nHuman at (0,0).\r\nHuman at (1,0).\r\nAIBot at (0,1).\r\n"
    "AIBot at (1,1).\r\nHuman at (2,0).\r\n\r\n";

enum class Disk { None, Log, Folder, Pipe, Link, Dangling, Locked, NewFolder };  // where the log goes

TEST(LossLog, TopLevelLossesGoOnTopOfTheEarlierTextAndNoFailureLosesOrExposesIt) {
  const std::string old = "earlier\r\n\r\n";
  const struct {
    const char* name;
    int level;  // 0: two players
    const char* board;
    Disk disk;
    std::string before;
    std::optional<std::string> after;  // none: the log is left as it was
    unsigned logMode = 0, folderMode = 0;
  } cases[] = {
      {"first game", 5, kTop, Disk::None, "", kTopEntry},
      {"every line end becomes CR LF, other bytes stay", 5, kTop, Disk::Log,
       "a\nb\rc\r\r\nd\n\re\0\xff\x80\r\n\n\nend"s,
       kTopEntry + "a\r\nb\r\nc\r\n\r\nd\r\n\r\ne\0\xff\x80\r\n\r\n\r\nend\r\n"s},
      {"log is a folder", 5, kTop, Disk::Folder, "", {}},
      {"rename fails", 5, kTop, Disk::Log, old, {}},
      {"date-time text throws", 5, kTop, Disk::Log, old, {}},
      {"another copy holds the lock past the wait", 5, kTop, Disk::Locked, "", {}},
#ifndef _WIN32
      {"read-only log", 5, kTop, Disk::Log, old, {}, 0444},
      {"unreadable log is left as it is", 5, kTop, Disk::Log, old, {}, 0200},
      {"folder without write access", 5, kTop, Disk::Log, old, {}, 0, 0555},
      {"log is a pipe: no hang", 5, kTop, Disk::Pipe, "", {}},
      {"link leading nowhere", 5, kTop, Disk::Dangling, "", {}},
      {"link to a file elsewhere, which gets the entry", 5, kTop, Disk::Link, old, kTopEntry + old},
      {"log private to owner and group, umask 022", 5, kTop, Disk::Log, old, kTopEntry + old, 0660},
      {"installed game's new log folder is private", 5, kTop, Disk::NewFolder, "", kTopEntry},
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
    LogRig r(c.level);
    r.failRename = c.name == "rename fails"s, r.failTime = c.name == "date-time text throws"s;
    fs::path file = c.disk == Disk::Link ? r.dir / "to" / "kept" : r.Log();  // where the entry goes
    const auto held = c.disk == Disk::Locked ? r.Lock(r.Log().string() + kLockSuffix) : nullptr;
    if (c.disk == Disk::Link) fs::create_directory(r.dir / "to"), fs::create_symlink("to/kept", r.Log());
    if (c.disk == Disk::Log || c.disk == Disk::Link) Write(file, c.before);
    if (c.disk == Disk::Folder) fs::create_directory(file);
    if (c.disk == Disk::Dangling) fs::create_symlink("gone", file);
#ifndef _WIN32
    ASSERT_TRUE(c.disk != Disk::Pipe || mkfifo(file.c_str(), 0600) == 0);
#endif
    if (c.disk == Disk::NewFolder) r.rig.game.AppFolder = ((file = r.dir / "new" / "zandor") / "").string();
    if (c.disk == Disk::NewFolder) file /= kLossLogName;
    ASSERT_TRUE(c.disk != Disk::NewFolder || CreateLogFolder(r.rig.game.AppFolder));
    if (c.logMode) fs::permissions(file, perms(c.logMode));
    if (c.folderMode) fs::permissions(r.dir, perms(c.folderMode));

    ASSERT_NO_THROW(r.Finish(c.board));
    EXPECT_LE(r.rig.game.MoveCount, 1) << "the next game has begun";
    fs::permissions(r.dir, perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(c.logMode ? Mode(file) : perms::none, perms(c.logMode));
    EXPECT_EQ(c.logMode && c.after ? r.tempMode : perms(c.logMode), perms(c.logMode)) << "mode of the copy";
    if (c.logMode) fs::permissions(file, perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(Read(file), c.after.value_or(c.before));
    EXPECT_EQ(c.disk == Disk::NewFolder ? Mode(r.dir / "new") | Mode(file.parent_path()) : perms(0700),
              perms(0700));
    for (const auto& e : fs::recursive_directory_iterator(r.dir))
      EXPECT_FALSE(IsTemporaryLogName(e.path().filename().string())) << "left behind: " << e.path();
  }
#ifndef _WIN32
  EXPECT_TRUE(!root || (seteuid(0) == 0 && setegid(0) == 0));
#endif
}

#ifndef _WIN32
// Starts a child that logs the rig's game `times` times, each time text `name` and a number.
pid_t StartWriter(LogRig& r, int times, const std::string& name) {
  const pid_t pid = fork();
  for (int i = 0; pid == 0 && i < times; ++i) r.when = name + std::to_string(i), WriteLossLog(r.rig.game);
  if (pid == 0) _exit(0);
  return pid;
}

TEST(LossLogWriters, TwoCopiesLoggingAtOnceLoseNoEntry) {
  LogRig r;
  // Marks other than "O" and "X" are "Empty", and a corrupt count must not read past the nine records.
  SetBoard(r.rig.game, "OXOXOXXOX");
  r.rig.game.History[1].mark = "o", r.rig.game.History[2].mark = "X ", r.rig.game.MoveCount = 200;
  r.lockWait = std::chrono::minutes(10);  // the other writer may be slow; only a lost entry fails
  for (pid_t pid : {StartWriter(r, 200, "A"), StartWriter(r, 200, "B")}) waitpid(pid, nullptr, 0);
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

// Bounded by attempts, not by time: the suite's timeout is the only guard against a hang.
TEST(LossLogWriters, KilledWritersLeaveTheOldOrTheNewTextAndNoLock) {
  LogRig r;
  SetBoard(r.rig.game, "OO.XX.O..");
  const std::string entry = LossLogEntry(r.rig.game, r.when = "K0") + "\r\n";
  std::string current;
  while (current.size() < (8u << 20)) current += entry;
  Write(r.Log(), current);
  // One undisturbed write tells how long a write takes, so the kills can be spread over it.
  const auto start = std::chrono::steady_clock::now();
  waitpid(StartWriter(r, 1, "K"), nullptr, 0);
  std::chrono::duration<double> window = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(Read(r.Log()), current = entry + current);

  int kills = 0, status = 0;
  for (int runs = 0; kills < 200 && runs < 2000; ++runs) {
    const pid_t pid = StartWriter(r, 1, "K");
    std::this_thread::sleep_for(window * (runs % 10 + 0.5) / 10);
    kill(pid, SIGKILL), waitpid(pid, &status, 0);
    kills += WIFSIGNALED(status);
    if (!WIFSIGNALED(status)) window *= 0.8;  // this write beat the measured one: aim earlier
    const std::string now = Read(r.Log());
    ASSERT_TRUE(now == current || now == entry + current) << "torn after " << runs << " runs: " << now.size();
    current = now;
    // A killed writer cannot remove its temporary copy; clear it so the folder stays small.
    for (const auto& e : fs::directory_iterator(r.dir))
      if (IsTemporaryLogName(e.path().filename().string())) fs::remove(e.path());
  }
  EXPECT_EQ(kills, 200);
  WriteLossLog(r.rig.game);
  EXPECT_EQ(Read(r.Log()), entry + current) << "a dead writer's lock outlived it";
}
#endif

}  // namespace
}  // namespace zandor::test
