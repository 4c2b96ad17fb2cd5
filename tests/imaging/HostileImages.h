#pragma once
// A corpus of malformed and extreme picture files, made at run time from a few good ones.
#include <string>
#include <vector>

struct HostileImage {
    std::string name;   // file name, its extension picks the decoder
    std::string bytes;  // ignored for a folder
    bool folder = false;
};

// Truncations and deterministic bit flips of a BMP, a palette BMP, a PNG, a progressive JPEG
// and the JPG and GIF fixtures in fixtureFolder; BMP headers with zero, negative and huge fields; a 1 × 20000 and
// a 20000 × 1 strip; 0-byte files; folders named like pictures. Over 200 entries.
std::vector<HostileImage> HostileImageCorpus(const std::string& fixtureFolder);

// A good 8 x 8 RGBA PNG (stored deflate), for the plug-in.
std::string SmallPng();

// A good 24-bit BMP of w × h whose pixel (x, y from the top) is (x * 7, y * 5, 0x80).
std::string PatternBmp(int width, int height);
