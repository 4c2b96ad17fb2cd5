#pragma once
#include <string>

// What a start of the program does, decided from its command line.
enum class RunKind {
    Resident,  // at most one character: the tray-resident run
    OneShot,   // "/" and a letter: one wallpaper command, then exit
    Path,      // anything else: an image becomes the wallpaper, or a folder's list is shown
};

// Removes one '"' at the end, then one at the start; inner quotes stay.
std::string StripQuotes(std::string line);
std::wstring StripQuotes(std::wstring line);

// Takes a line that StripQuotes has already seen.
RunKind ClassifyCommandLine(const std::string& line);
