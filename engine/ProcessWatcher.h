#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Per running process: its identifier, the snapshot's executable text (exact ANSI; a process
// whose name has none is not handed on) and the caller's pointer; non-zero goes on, 0 stops
// the walk.
using ProcessCallback = BOOL (*)(DWORD processId, const char* exeFile, void* user);

// Walks a fresh tool-help process snapshot, with the functions bound from "Kernel32.DLL"
// at run time. False when they are missing or no snapshot could be taken.
bool EnumerateWithToolhelp(ProcessCallback callback, void* user);

// The file names (no directory) of the running processes in snapshot order, duplicates
// kept; empty where the system has no tool-help snapshot.
void EnumerateProcesses(std::vector<std::string>& names);
