#pragma once
#include <string>
#include <string_view>

// The file-name part of a process snapshot's executable text (code page 932): what
// follows the last backslash, or the whole text when it has none. A trail byte equal to
// a backslash (as in "表" or "ソ") belongs to its character and splits nothing.
std::string ProcessFileName(std::string_view exeFile);
