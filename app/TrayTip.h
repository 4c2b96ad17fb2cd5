#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The tray icon's tip (code page 932): the title, then the name of each picture showing on a
// line of its own; cut to hold capacity bytes with the terminator, never inside a double-byte
// character. Only the title when nothing shows.
std::string TrayTip(const std::string& title, const std::vector<std::string>& names,
                    std::size_t capacity);
