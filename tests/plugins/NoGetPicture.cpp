// A library that looks like a plug-in but lacks "GetPicture": the host must skip it.
#include "imaging/SusiePlugin.h"

extern "C" int WINAPI IsSupported(char* filename, DWORD head);

int WINAPI IsSupported(char*, DWORD)
{
    return 1;
}
