// The loss log: its format, which games reach it, what it keeps of earlier text, and failures.
#include "log/loss_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <regex>
#include <stdexcept>

#include "log_support.h"
#include "support.h"

namespace zandor::test {
namespace {

using namespace std::string_literals;

// A rig at the top level in one-player mode whose log goes to a scratch folder.
struct LogRig {
  explicit LogRig(int level = 5, bool onePlayer = true) {
    rig.toolkit.programFolder = folder.path().string();
    rig.Started();
    if (!onePlayer) rig.app.mnu2Ply_Click();
    rig.app.SetDifficulty(static_cast<std::uint8_t>(level));
    rig.game.AppFolder = folder.AppFolder();
    rig.game.SetLogEnv(&env);
  }
  // Sets a position whose marks were placed in reading order, then places the last mark.
  void Finish(std::string_view board, std::uint8_t turn, std::uint8_t x, std::uint8_t y) {
    SetBoard(rig.game, board);
    rig.game.Turn = turn;
    rig.game.PlaceMark(x, y, turn);
  }
  TempFolder folder;
  FixedTimeEnv env;
  Rig rig;
};

// O wins the top row with its third mark; X stands at (0,1) and (1,1).
constexpr std::string_view kOWinsTopRow = "OO.XX....";
const std::string kTopRowEntry =
    "Logged at 3/14/2001 9:26:53 PM\r\n"
    "Human at (0,0).\r\n"
    "Human at (1,0).\r\n"
    "AIBot at (0,1).\r\n"
    "AIBot at (1,1).\r\n"
    "Human at (2,0).\r\n"
    "\r\n";

TEST(LossLogFormat, FirstGameWritesTheEntryAndAnEmptyLine) {
  LogRig r;
  r.Finish(kOWinsTopRow, kO, 2, 0);
  EXPECT_EQ(ReadBytes(r.folder.LogPath()), kTopRowEntry);
  EXPECT_EQ(r.folder.Entries(), std::set<std::string>{"AILog.txt"});
}

TEST(LossLogFormat, LaterGameStandsAboveTheEarlierOne) {
  LogRig r;
  r.Finish(kOWinsTopRow, kO, 2, 0);
  r.env.when = "3/15/2001 7:00:01 AM";
  // O takes the right column: (2,0), (2,1), then (2,2) wins; X at (0,0), (1,0).
  r.Finish("XXO..O...", kO, 2, 2);
  EXPECT_EQ(ReadBytes(r.folder.LogPath()),
            "Logged at 3/15/2001 7:00:01 AM\r\n"
            "AIBot at (0,0).\r\n"
            "AIBot at (1,0).\r\n"
            "Human at (2,0).\r\n"
            "Human at (2,1).\r\n"
            "Human at (2,2).\r\n"
            "\r\n" +
                kTopRowEntry);
}

TEST(LossLogFormat, MarkTextsOtherThanOAndXAreEmpty) {
  LogRig r;
  const std::string marks[] = {"O", "X", "o", "x", " ", "", "O ", "XX"};
  r.rig.game.MoveCount = 8;
  for (std::uint8_t i = 0; i < 8; ++i)
    r.rig.game.History[i + 1u] =
        MoveRecord{static_cast<std::uint8_t>(i % 3), static_cast<std::uint8_t>(i / 3), marks[i]};
  WriteLossLog(r.rig.game);
  EXPECT_EQ(ReadBytes(r.folder.LogPath()),
            "Logged at 3/14/2001 9:26:53 PM\r\n"
            "Human at (0,0).\r\nAIBot at (1,0).\r\nEmpty at (2,0).\r\nEmpty at (0,1).\r\n"
            "Empty at (1,1).\r\nEmpty at (2,1).\r\nEmpty at (0,2).\r\nEmpty at (1,2).\r\n\r\n");
}

TEST(LossLogFormat, EntryNeverReadsPastTheNineRecordsOrBreaksTheTimeLine) {
  // Regression: a corrupt MoveCount must not read beyond History, and a time text with a line
  // break in it must not split the "Logged at" line.
  GameState s;
  SetBoard(s, "OXOXOXXOX");
  s.MoveCount = 200;
  const std::string entry = LossLogEntry(s, "1/2/2003\r\n4:05:06");
  EXPECT_EQ(entry.rfind("Logged at 1/2/2003  4:05:06\r\n", 0), 0u);
  EXPECT_EQ(std::count(entry.begin(), entry.end(), '\n'), 10);
}

TEST(LossLogLineEnds, EveryLineEndsInCrLf) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"a", "a\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\nb", "a\r\nb\r\n"},
      {"a\rb\r", "a\r\nb\r\n"},        // a lone CR is a line end
      {"a\r\r\nb", "a\r\n\r\nb\r\n"},  // lone CR, then CR LF: two lines
      {"a\n\rb", "a\r\n\r\nb\r\n"},    // LF, then lone CR: two lines
      {"\n\n\r\n", "\r\n\r\n\r\n"},    // empty lines survive
      {"\0\xff\x80\r\n"s, "\0\xff\x80\r\n"s},
      {"x\0"s, "x\0\r\n"s},
  };
  for (const auto& c : cases) {
    std::string out = "kept";
    AppendCrLfLines(out, c.in);
    EXPECT_EQ(out, "kept" + c.out) << "input of " << c.in.size() << " bytes";
    std::string again;
    AppendCrLfLines(again, c.out);
    EXPECT_EQ(again, c.out) << "normalised text must come back unchanged";
  }
}

TEST(LossLogPreserve, EarlierTextComesBackByteForByteWithCrLf) {
  LogRig r;
  const std::string longLine(1 << 20, 'L');
  const std::string odd = "nul\0byte \xe9\xff\x80\x01"s;
  WriteBytes(r.folder.LogPath(),
             "first\r\nsecond\nthird\rfourth\r\n" + odd + "\n" + longLine + "\r\n\r\nno end");
  r.Finish(kOWinsTopRow, kO, 2, 0);
  const std::string kept =
      "first\r\nsecond\r\nthird\r\nfourth\r\n" + odd + "\r\n" + longLine + "\r\n\r\nno end\r\n";
  EXPECT_EQ(ReadBytes(r.folder.LogPath()), kTopRowEntry + kept);

  // A file this program wrote comes back unchanged under the next entry.
  r.Finish(kOWinsTopRow, kO, 2, 0);
  EXPECT_EQ(ReadBytes(r.folder.LogPath()), kTopRowEntry + kTopRowEntry + kept);
  EXPECT_EQ(r.folder.Entries(), std::set<std::string>{"AILog.txt"});
}

TEST(LossLogWho, OnlyOsWinAtTheTopLevelInOnePlayerModeIsLogged) {
  const struct {
    const char* name;
    int level;
    bool onePlayer;
    std::string_view board;
    std::uint8_t turn, x, y;
    bool logged;
    int scoreO, scoreX;
  } cases[] = {
      {"O wins, level 5", 5, true, kOWinsTopRow, kO, 2, 0, true, 1, 0},
      {"O wins, level 4", 4, true, kOWinsTopRow, kO, 2, 0, false, 1, 0},
      {"O wins, level 1", 1, true, kOWinsTopRow, kO, 2, 0, false, 1, 0},
      {"O wins, two players, level 5", 5, false, kOWinsTopRow, kO, 2, 0, false, 1, 0},
      {"X wins, level 5", 5, true, "XX.OO....", kX, 2, 0, false, 0, 1},
      {"draw, level 5", 5, true, "OXOOXXXO.", kO, 2, 2, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LogRig r(c.level, c.onePlayer);
    r.Finish(c.board, c.turn, c.x, c.y);
    EXPECT_EQ(r.rig.game.Score[1], c.scoreO);
    EXPECT_EQ(r.rig.game.Score[2], c.scoreX);
    EXPECT_EQ(std::filesystem::exists(r.folder.LogPath()), c.logged);
  }
}

TEST(LossLogWho, RealWinsBelowTheTopLevelAreNotLogged) {
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(level);
    LogRig r(level);
    ScriptedRandom& random = r.rig.random;
    random.SetFallback(0.99f);  // 4.95 passes every gate below 5: X only moves at random
    // Per reply: think time, gate, then the column and row of the random cell.
    random.Push(0.0f, 0.99f, 0.9f, 0.9f);  // X to (2,2)
    r.rig.game.PlaceMark(0, 0, kO);
    random.Push(0.0f, 0.99f, 0.0f, 0.9f);  // X to (0,2)
    r.rig.game.PlaceMark(1, 0, kO);
    ASSERT_EQ(BoardString(r.rig.game), "OO....X.X");
    r.rig.game.PlaceMark(2, 0, kO);
    EXPECT_EQ(r.rig.game.Score[1], 1);
    EXPECT_FALSE(std::filesystem::exists(r.folder.LogPath()));
  }
}

TEST(LossLogSystem, DefaultEnvironmentWritesTheRealFile) {
  LogRig r;
  r.rig.game.SetLogEnv(nullptr);
  r.Finish(kOWinsTopRow, kO, 2, 0);
  const std::string text = ReadBytes(r.folder.LogPath());
  const std::string moves = kTopRowEntry.substr(kTopRowEntry.find("\r\n") + 2);
  ASSERT_GT(text.size(), moves.size());
  EXPECT_EQ(text.rfind("Logged at ", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - moves.size()), moves);
  EXPECT_EQ(text.find('\n'), text.size() - moves.size() - 1) << "the time stays on its line";
}

TEST(LossLogSystem, OnlyOldTemporaryFilesOfTheLogAreCleanedUp) {
  LogRig r;
  const auto hoursAgo = [](int h) {
    return std::filesystem::file_time_type::clock::now() - std::chrono::hours(h);
  };
  const struct {
    const char* name;
    int age;
    bool kept;
  } files[] = {
      {"AILog.txt.0123456789abcdef.tmp", 2, false},  // left by a writer killed long ago
      {"AILog.txt.fedcba9876543210.tmp", 0, true},   // may belong to a writer still running
      {"AILog.txt.ABCDEF0123456789.tmp", 2, true},   // not a name the log makes
      {"AILog.txt.0123456789abcde.tmp", 2, true},   {"AILog.txt.old", 2, true}, {"notes.tmp", 2, true},
  };
  for (const auto& f : files) {
    WriteBytes(r.folder.path() / f.name, "x");
    std::filesystem::last_write_time(r.folder.path() / f.name, hoursAgo(f.age));
  }
  r.Finish(kOWinsTopRow, kO, 2, 0);
  for (const auto& f : files) EXPECT_EQ(std::filesystem::exists(r.folder.path() / f.name), f.kept) << f.name;
  EXPECT_EQ(ReadBytes(r.folder.LogPath()), kTopRowEntry);
}

#ifndef _WIN32
TEST(LossLogSystem, DateTimeFallsBackWhenTheLocaleIsInvalid) {
  const char* saved = std::getenv("LC_ALL");
  const std::string restore = saved ? saved : "";
  const std::regex neutral(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
  for (const char* locale : {"C", "xx_NOWHERE.bogus"}) {
    SCOPED_TRACE(locale);
    setenv("LC_ALL", locale, 1);
    std::string text;
    EXPECT_NO_THROW(text = SystemLossLogEnv().LocalDateTimeText());
    EXPECT_TRUE(std::regex_match(text, neutral)) << text;
  }
  if (saved)
    setenv("LC_ALL", restore.c_str(), 1);
  else
    unsetenv("LC_ALL");
}
#endif

// The real disk with one step made to fail.
enum class Fault { None, WriteHalf, Flush, Replace, TimeThrows };

class FaultyEnv : public FixedTimeEnv {
 public:
  explicit FaultyEnv(Fault f) : fault(f) {}
  std::string LocalDateTimeText() override {
    if (fault == Fault::TimeThrows) throw std::runtime_error("clock gone");
    return FixedTimeEnv::LocalDateTimeText();
  }
  std::unique_ptr<LogFile> CreateNew(const std::string& path, std::optional<unsigned> mode) override {
    auto real = FixedTimeEnv::CreateNew(path, mode);
    if (!real) return real;
    ++created;
    return std::make_unique<Faulty>(std::move(real), *this);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    return fault != Fault::Replace && FixedTimeEnv::Replace(from, to);
  }

  Fault fault;
  int created = 0;
  std::size_t halfWritten = 0;

 private:
  class Faulty final : public LogFile {
   public:
    Faulty(std::unique_ptr<LogFile> real, FaultyEnv& env) : real_(std::move(real)), env_(env) {}
    bool Write(std::string_view bytes) override {
      if (env_.fault != Fault::WriteHalf) return real_->Write(bytes);
      env_.halfWritten = bytes.size() / 2;
      return real_->Write(bytes.substr(0, env_.halfWritten)) && false;
    }
    bool Finish() override { return real_->Finish() && env_.fault != Fault::Flush; }

   private:
    std::unique_ptr<LogFile> real_;
    FaultyEnv& env_;
  };
};

TEST(LossLogFailure, TheGameGoesOnAndNothingIsLost) {
  const std::string oldLog = "Logged at earlier\r\nHuman at (1,1).\r\n\r\n";
  const struct {
    const char* name;
    Fault fault;
    // Prepares the folder and returns the AppFolder to use.
    std::function<std::string(const TempFolder&)> setUp;
    // Tells whether the prepared obstacle is still as it was.
    std::function<bool(const TempFolder&)> intact;
  } cases[] = {
      {"folder does not exist", Fault::None,
       [](const TempFolder& f) { return (f.path() / "missing" / "").string(); },
       [](const TempFolder& f) { return f.Entries().empty(); }},
      {"path runs through a regular file", Fault::None,
       [](const TempFolder& f) {
         WriteBytes(f.path() / "plain", "not a folder");
         return (f.path() / "plain" / "").string();
       },
       [](const TempFolder& f) { return ReadBytes(f.path() / "plain") == "not a folder"; }},
      {"log is a folder", Fault::None,
       [](const TempFolder& f) {
         std::filesystem::create_directory(f.path() / kLossLogName);
         WriteBytes(f.path() / kLossLogName / "inside", "keep");
         return f.AppFolder();
       },
       [](const TempFolder& f) { return ReadBytes(f.path() / kLossLogName / "inside") == "keep"; }},
      {"write fails half-way", Fault::WriteHalf, nullptr, nullptr},
      {"flush to disk fails", Fault::Flush, nullptr, nullptr},
      {"rename fails", Fault::Replace, nullptr, nullptr},
      {"date-time text throws", Fault::TimeThrows, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LogRig r;
    FaultyEnv env(c.fault);
    r.rig.game.SetLogEnv(&env);
    if (c.setUp) {
      r.rig.game.AppFolder = c.setUp(r.folder);
    } else {
      WriteBytes(r.folder.LogPath(), oldLog);
    }
    const auto before = r.folder.Entries();

    ASSERT_NO_THROW(r.Finish(kOWinsTopRow, kO, 2, 0));
    // The win counted and the computer opened the next game.
    EXPECT_EQ(r.rig.game.Score[1], 1);
    EXPECT_EQ(r.rig.game.MoveCount, 1);
    EXPECT_FALSE(r.rig.game.GameOver);

    EXPECT_EQ(r.folder.Entries(), before) << "no temporary file may be left";
    if (c.intact) {
      EXPECT_TRUE(c.intact(r.folder));
    } else {
      EXPECT_EQ(ReadBytes(r.folder.LogPath()), oldLog);
    }
    if (c.fault == Fault::WriteHalf) {
      EXPECT_GT(env.halfWritten, 0u);
    }
    if (c.fault == Fault::Flush || c.fault == Fault::Replace) {
      EXPECT_EQ(env.created, 1) << "the temporary file was made and then removed";
    }
  }
}

}  // namespace
}  // namespace zandor::test
