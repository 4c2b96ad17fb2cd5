#pragma once
#include <string>

// Every byte of a file; empty when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
