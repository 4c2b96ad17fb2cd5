#pragma once
#include <string>
#include <vector>

// What a child process wrote to the debugger, and how it ended.
struct DebugRun {
    std::vector<std::string> outputs;  // one entry per OutputDebugStringA call
    unsigned long exitCode = 0;
    bool started = false;

    int Count(const std::string& text) const;
};

// Runs this test program's probe NAME as a child under the debugger.
DebugRun RunProbeUnderDebugger(const char* probe);
