// Text between Windows' UTF-16 and the program's UTF-8, and the folder of a module path.
#pragma once

#include <string>

namespace zandor {

std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

// The folder part of a full executable path: without a trailing backslash, except a drive root
// ("D:\zandor.exe" gives "D:\"); a path with no folder at all gives an empty string.
std::wstring FolderOfModulePath(const std::wstring& path);

// GetModuleFileNameW of the running program, however long the path.
std::wstring ModulePath();

}  // namespace zandor
