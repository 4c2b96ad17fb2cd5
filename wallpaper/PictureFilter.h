#pragma once
#include <functional>
#include <string>

// Tells, from a file's full path, whether it is a picture the program can show. The file
// list is handed one; which files are pictures is the imaging side's decision.
using PictureFilter = std::function<bool(const std::string& path)>;
