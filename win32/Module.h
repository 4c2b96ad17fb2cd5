#pragma once
#include "win32/UniqueHandle.h"

// Loads a library without the system's error boxes: a damaged or missing library must fail
// quietly, not stop the user with a box. Empty when it does not load.
UniqueModule LoadModuleQuietly(const char* path);

// An exported function by name, as its own function-pointer type; null when it is missing.
template <typename Function>
Function GetModuleFunction(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
