// A library that looks like a plug-in but lacks "GetPicture": the host must skip it.
#include "susie/SusiePlugin.h"

extern "C" int WINAPI IsSupported(char* filename, ULONG_PTR head);

int WINAPI IsSupported(char*, ULONG_PTR)
{
    return 1;
}
