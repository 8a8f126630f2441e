// Where the loss log goes: the program's folder, or the per-user data folder when that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "log/loss_log.h"
#include "support.h"
#include "ui/app.h"

namespace zandor {
namespace {

namespace fs = std::filesystem;

// The variable that names the per-user data folder here, and the game's folder inside it.
#ifdef _WIN32
constexpr const char* kDataVariable = "LOCALAPPDATA";
constexpr const char* kDataLeaf = "Zandor";
#else
constexpr const char* kDataVariable = "XDG_DATA_HOME";
constexpr const char* kDataLeaf = "zandor";
#endif
constexpr char kSep = kPathSeparator;

EnvLookup FakeEnv(std::map<std::string, std::string> vars) {
  return [vars](const std::string& name) -> std::optional<std::string> {
    auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
  };
}

TEST(UserDataFolder, FollowsThePlatformsRules) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> env;
    char separator;
    std::string expected;
  };
  const Case cases[] = {
      {"XDG_DATA_HOME wins over HOME",
       {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/a"}},
       '/',
       "/x/data/zandor/"},
      {"trailing separators are not doubled", {{"XDG_DATA_HOME", "/x/data//"}}, '/', "/x/data/zandor/"},
      {"XDG_DATA_HOME of the root folder", {{"XDG_DATA_HOME", "/"}}, '/', "/zandor/"},
      {"a relative XDG_DATA_HOME is ignored",
       {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/a"}},
       '/',
       "/home/a/.local/share/zandor/"},
      {"an empty XDG_DATA_HOME is ignored",
       {{"XDG_DATA_HOME", ""}, {"HOME", "/home/a"}},
       '/',
       "/home/a/.local/share/zandor/"},
      {"HOME alone", {{"HOME", "/home/a"}}, '/', "/home/a/.local/share/zandor/"},
      {"nothing set", {}, '/', ""},
      {"an empty HOME names nothing", {{"HOME", ""}}, '/', ""},
      {"Windows: LOCALAPPDATA",
       {{"LOCALAPPDATA", "C:\\Users\\a\\AppData\\Local"}, {"HOME", "/home/a"}},
       '\\',
       "C:\\Users\\a\\AppData\\Local\\Zandor\\"},
      {"Windows: LOCALAPPDATA at a drive root", {{"LOCALAPPDATA", "D:\\"}}, '\\', "D:\\Zandor\\"},
      {"Windows: XDG and HOME do not count", {{"XDG_DATA_HOME", "/x"}, {"HOME", "/home/a"}}, '\\', ""},
  };
  for (const Case& c : cases) EXPECT_EQ(UserDataFolder(FakeEnv(c.env), c.separator), c.expected) << c.what;
}

// A fresh folder under the system's temporary folder, removed with everything in it afterwards.
class AppFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    root_ = fs::temp_directory_path() / ("zandor-folder-test-" + std::to_string(seed()));
    fs::create_directories(root_ / "program");
    std::ofstream(root_ / "plain-file") << "not a folder";
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / "program", fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
  }

  std::string Path(const std::string& relative) const { return (root_ / relative).string(); }
  EnvLookup DataHome(const std::string& relative) const { return FakeEnv({{kDataVariable, Path(relative)}}); }
  std::string UserFolder(const std::string& dataHome) const {
    return Path(dataHome) + kSep + kDataLeaf + kSep;
  }
  // A folder this user cannot write: the program's folder made read-only, or, for root, who may
  // write there anyway, the kernel's /proc; "" when neither works.
  std::string ReadOnlyFolder() {
    fs::permissions(root_ / "program",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (!FolderWritable(Path("program"))) return Path("program");
#ifndef _WIN32
    std::error_code ec;
    if (fs::is_directory("/proc", ec) && !FolderWritable("/proc")) return "/proc";
#endif
    return {};
  }

  fs::path root_;
};

TEST_F(AppFolderTest, WritableProbeLeavesNothingBehind) {
  EXPECT_TRUE(FolderWritable(Path("program")));
  EXPECT_TRUE(FolderWritable(Path("program/")));
  EXPECT_TRUE(fs::is_empty(root_ / "program")) << "the probe file must be removed again";
  EXPECT_FALSE(FolderWritable(Path("plain-file"))) << "a file is no folder";
  EXPECT_FALSE(FolderWritable(Path("missing")));
  EXPECT_FALSE(FolderWritable(""));
}

TEST_F(AppFolderTest, AWritableProgramFolderKeepsTheLog) {
  EXPECT_EQ(ResolveAppFolder(Path("program"), kSep, DataHome("data")), Path("program") + kSep);
  EXPECT_EQ(ResolveAppFolder(Path("program") + kSep, kSep, DataHome("data")), Path("program") + kSep);
  EXPECT_FALSE(fs::exists(root_ / "data")) << "no user folder is made when it is not needed";
}

TEST_F(AppFolderTest, AReadOnlyProgramFolderSendsTheLogToTheUserFolder) {
  const std::string locked = ReadOnlyFolder();
  if (locked.empty()) GTEST_SKIP() << "no folder here refuses this user";
  const std::string user = ResolveAppFolder(locked, kSep, DataHome("deep/data"));
  EXPECT_EQ(user, UserFolder("deep/data"));
  EXPECT_TRUE(fs::is_directory(user)) << "the user folder is created on demand";
}

TEST_F(AppFolderTest, FallsBackOnlyWhenAUserFolderCanBeMade) {
  const std::string locked = ReadOnlyFolder();
  if (locked.empty()) GTEST_SKIP() << "no folder here refuses this user";
  EXPECT_EQ(ResolveAppFolder(locked, kSep, FakeEnv({})), locked + kSep)
      << "no user folder named: the plain rule stays";
  EXPECT_EQ(ResolveAppFolder(locked, kSep, DataHome("plain-file/data")), locked + kSep)
      << "a user folder that cannot be created is not used";
}

TEST_F(AppFolderTest, AMissingProgramFolderKeepsThePlainRule) {
  EXPECT_EQ(ResolveAppFolder(Path("missing"), kSep, DataHome("data")), Path("missing") + kSep);
  EXPECT_FALSE(fs::exists(root_ / "data"));
}

// Regression: the log of an installed game (program folder not writable) was lost because it was
// written into the program's folder only.
TEST_F(AppFolderTest, TheLossLogOfAnInstalledGameLandsInTheUserFolder) {
  const std::string locked = ReadOnlyFolder();
  if (locked.empty()) GTEST_SKIP() << "no folder here refuses this user";
  test::Rig rig;
  rig.toolkit.programFolder = locked;
  rig.app.SetEnvironment(DataHome("data"));
  rig.Started();
  ASSERT_EQ(rig.game.AppFolder, UserFolder("data"));

  test::SetBoard(rig.game, "OXOXO...O");
  WriteLossLog(rig.game);
  std::ifstream in(root_ / "data" / kDataLeaf / "AILog.txt", std::ios::binary);
  ASSERT_TRUE(in.is_open());
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first.rfind("Logged at ", 0), 0u) << first;
  EXPECT_FALSE(fs::exists(fs::path(locked) / "AILog.txt"));
}

}  // namespace
}  // namespace zandor
