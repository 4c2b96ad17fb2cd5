#pragma once
#include <string>
#include <vector>

// Names of a folder's entries in the order the system returns them, skipping every
// name that begins with '.'; sub-folders are listed too. Empty when the folder is missing.
void ListDirectory(std::vector<std::string>& names, const std::string& folder);

// The running program's folder, without a trailing backslash.
std::string GetModuleDirectory();
