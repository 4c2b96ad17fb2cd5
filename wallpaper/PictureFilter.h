#pragma once
#include <functional>
#include <string>

struct DirectoryEntry;  // win32/Directory.h

// Tells, from a file's full path, whether it is a picture the program can show. The file
// list is handed one; which files are pictures is the imaging side's decision. listed: the
// file's entry from a folder listing (its type name, and its stamp, by which an answer may be
// remembered); null for a path from anywhere else.
using PictureFilter = std::function<bool(const std::string& path, const DirectoryEntry* listed)>;
