// What the platform tells the program: its own folder, text in UTF-16 and UTF-8, and the time.
#include <gtest/gtest.h>

#include <string>

#include "game/clock.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

TEST(ProgramFolder, FolderOfTheExecutable) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"C:\\Games\\Grid\\zandor.exe", L"C:\\Games\\Grid"},     {L"D:\\zandor.exe", L"D:\\"},
      {L"\\\\server\\share\\zandor.exe", L"\\\\server\\share"}, {L"\\\\?\\E:\\zandor.exe", L"\\\\?\\E:\\"},
      {L"\\\\?\\E:\\Spiele\\zandor.exe", L"\\\\?\\E:\\Spiele"}, {L"zandor.exe", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfModulePath(c.path), c.folder) << Utf8FromWide(c.path);
}

TEST(ProgramFolder, NamesOutsideAsciiSurviveTheRoundTrip) {
  const std::wstring wide = L"C:\\Spiele\\K\u00e4se \u4e95\u5b57\\\U0001F3B2";
  const std::string utf8 = Utf8FromWide(wide);
  EXPECT_EQ(utf8, "C:\\Spiele\\K\xc3\xa4se \xe4\xba\x95\xe5\xad\x97\\\xf0\x9f\x8e\xb2");
  EXPECT_EQ(WideFromUtf8(utf8), wide);
  EXPECT_EQ(Utf8FromWide(L""), "");
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
  Win32Toolkit window(GetModuleHandleW(nullptr), SW_HIDE);
  const std::string folder = window.ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  const std::wstring self = ModulePath();
  EXPECT_EQ(WideFromUtf8(folder) + L"\\", self.substr(0, self.find_last_of(L'\\') + 1));
  EXPECT_NE(GetFileAttributesW(self.c_str()), INVALID_FILE_ATTRIBUTES) << "the path names a real file";
}

TEST(SystemClock, SleepsAndCountsForward) {
  SystemClock clock;
  const double before = clock.Now();
  clock.Sleep(0.05);
  const double after = clock.Now();
  EXPECT_GE(after - before, 0.049) << "a sleep lasts at least what was asked";
  const float midnight = clock.SecondsSinceMidnight();
  EXPECT_GE(midnight, 0.0f);
  EXPECT_LT(midnight, 86401.0f);
}

}  // namespace
}  // namespace zandor
