#pragma once
#include <functional>
#include <string>

struct FileStamp;  // win32/Directory.h

// Tells, from a file's full path, whether it is a picture the program can show. The file
// list is handed one; which files are pictures is the imaging side's decision. stamp: the
// file's size and write time from a folder listing, by which an answer may be remembered;
// null for a path from anywhere else.
using PictureFilter = std::function<bool(const std::string& path, const FileStamp* stamp)>;
