#include "win32/Module.h"

UniqueModule LoadModuleQuietly(const char* path)
{
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    UniqueModule module(LoadLibraryA(path));
    SetErrorMode(previous);
    return module;
}
