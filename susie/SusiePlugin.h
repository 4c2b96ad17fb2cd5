#pragma once
// The two entry points of the Susie image plug-in interface that the host calls, exported
// undecorated by every plug-in, and the values of the interface that both sides use.
#include <windows.h>

// filename: full path; head: address of a 2048-byte block holding the file's start (the rest
// zero). Non-zero: the plug-in can decode the file.
// The address travels as a number: a DWORD in the 32-bit interface, which ULONG_PTR is there.
using SusieIsSupported = int(WINAPI*)(char* filename, ULONG_PTR head);

// buf/len: the whole file in memory when (flag & kInputMask) == kInputMemory. Returns 0 on
// success; *info then holds a BITMAPINFO (header and colour table) and *pixels the DIB rows,
// both LocalAlloc blocks that the caller frees. progress and data are not used by this host.
using SusieGetPicture = int(WINAPI*)(char* buf, long len, unsigned int flag, HLOCAL* info,
                                     HLOCAL* pixels, FARPROC progress, long data);

namespace Susie {

inline constexpr char kIsSupportedName[] = "IsSupported";
inline constexpr char kGetPictureName[] = "GetPicture";

inline constexpr DWORD kHeadSize = 2048;

inline constexpr unsigned int kInputMask = 7;
inline constexpr unsigned int kInputMemory = 1;

// Results of "GetPicture".
inline constexpr int kSuccess = 0;
inline constexpr int kNotImplemented = -1;
inline constexpr int kUnknownFormat = 2;
inline constexpr int kBrokenData = 3;
inline constexpr int kNoMemory = 4;
inline constexpr int kInternalError = 8;

}  // namespace Susie
