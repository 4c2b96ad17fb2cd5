#pragma once
#include <string>
#include <string_view>

// Text after the last '.' anywhere in the path, single-byte A-Z lowered (both bytes of a
// double-byte character untouched);
// empty when there is no '.'. Long extensions come back whole, never cut.
std::string FileExtension(std::string_view path);

// The three types the OLE picture service decodes: jpg, bmp, gif.
bool IsOleImage(std::string_view path);
