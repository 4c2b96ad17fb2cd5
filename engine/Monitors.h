#pragma once
#include <windows.h>

#include <vector>

// The monitors as the system has them now, in physical pixels where the system can say so.
struct MonitorLayout {
    // The virtual screen: the rectangle round every monitor.
    RECT screen = {};
    // rcMonitor of each, on the virtual screen: the primary first, then by left edge, then
    // by top edge. Empty when the system would not list them.
    std::vector<RECT> monitors;
};

MonitorLayout ReadMonitors();
