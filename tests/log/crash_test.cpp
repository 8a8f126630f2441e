// A writer killed at any moment leaves the log holding exactly its old text or exactly its new text.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#endif

#include "log/loss_log.h"
#include "log_support.h"
#include "support.h"

namespace zandor::test {
namespace {

#ifndef _WIN32

// Sanitizers slow every byte down several times; a smaller log keeps the kill count within the time.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kLogBytes = 4u << 20;
#else
constexpr std::size_t kLogBytes = 20u << 20;
#endif

// Starts a child that logs the rig's game with the real disk and exits.
pid_t StartWriter(Game& game) {
  const pid_t pid = fork();
  if (pid == 0) {
    WriteLossLog(game);
    _exit(0);
  }
  return pid;
}

TEST(LossLogCrash, KilledWriterLeavesTheOldOrTheNewText) {
  TempFolder folder;
  FixedTimeEnv env;
  Rig rig;
  rig.game.AppFolder = folder.AppFolder();
  rig.game.SetLogEnv(&env);
  SetBoard(rig.game, "OO.XX.O..");
  const std::string entry = LossLogEntry(rig.game, env.when) + "\r\n";

  // About 20 MB of earlier entries.
  std::string current;
  while (current.size() < kLogBytes) current += entry;
  WriteBytes(folder.LogPath(), current);

  // One undisturbed run tells how long a whole write takes, so the kills can spread over it.
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = StartWriter(rig.game);
  ASSERT_GT(pid, 0);
  int status = 0;
  waitpid(pid, &status, 0);
  const auto whole = std::chrono::steady_clock::now() - start;
  current = entry + current;
  ASSERT_EQ(ReadBytes(folder.LogPath()), current);
  const double wholeUs = std::chrono::duration<double, std::micro>(whole).count();

  const unsigned seed = static_cast<unsigned>(std::random_device{}());
  std::mt19937 rng(seed);
  // Kills land anywhere in the first nine tenths of a write, so on a busy machine, where one write
  // may run faster than the measured one, most writers are still caught; the deadline only guards
  // against a machine so loaded that the test could not finish.
  std::uniform_real_distribution<double> delayUs(0.0, wholeUs * 0.9);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(150);
  int kills = 0, oldText = 0, newText = 0, leftovers = 0, runs = 0;
  while (kills < 200 && runs < 2000 && std::chrono::steady_clock::now() < deadline) {
    ++runs;
    pid = StartWriter(rig.game);
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(delayUs(rng)));
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++kills;

    const std::string now = ReadBytes(folder.LogPath());
    if (now.size() == current.size() && now == current) {
      ++oldText;
    } else if (now.size() == entry.size() + current.size() && now.compare(0, entry.size(), entry) == 0 &&
               now.compare(entry.size(), std::string::npos, current) == 0) {
      ++newText;
      current = now;
    } else {
      FAIL() << "after run " << runs << " (seed " << seed
             << ") the log is neither old nor new: " << now.size() << " bytes";
    }
    // A killed writer cannot remove its temporary file; clear it so the folder stays small.
    for (const auto& name : folder.Entries()) {
      if (name == kLossLogName) continue;
      EXPECT_TRUE(IsTemporaryLogName(name)) << name << " would never be cleaned up";
      std::filesystem::remove(folder.path() / name);
      ++leftovers;
    }
  }
  std::printf(
      "whole write %.1f ms; %d runs, %d killed; old text %d, new text %d; %d temporary files left by kills\n",
      wholeUs / 1000.0, runs, kills, oldText, newText, leftovers);
  RecordProperty("kills", kills);
  EXPECT_GE(kills, 200) << "too few writers were killed while running (seed " << seed << ")";
  EXPECT_GT(oldText, 0) << "no kill landed before the rename";
  EXPECT_GT(leftovers, 0) << "no kill landed while the new text was being written";
}

#else

TEST(LossLogCrash, KilledWriterLeavesTheOldOrTheNewText) { GTEST_SKIP() << "needs fork and SIGKILL"; }

#endif

}  // namespace
}  // namespace zandor::test
