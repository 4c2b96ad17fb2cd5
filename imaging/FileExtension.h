#pragma once
#include <string>
#include <string_view>

// Text after the last '.' anywhere in the path, single-byte A-Z lowered (both bytes of a
// double-byte character untouched);
// empty when there is no '.'. Long extensions come back whole, never cut.
std::string FileExtension(std::string_view path);

// The types decoded without plug-ins: jpg and jpeg by libjpeg-turbo (IsJpegImage), bmp and
// gif by the OLE picture service.
bool IsBuiltInImage(std::string_view path);
bool IsJpegImage(std::string_view path);
