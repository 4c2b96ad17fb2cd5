#include "engine/SystemPower.h"

#include <windows.h>

PowerStatus ReadSystemPowerStatus()
{
    SYSTEM_POWER_STATUS system = {};
    if (!GetSystemPowerStatus(&system))
        return {};
    // The headers still call the battery saver byte by its old name.
    return {system.ACLineStatus, system.Reserved1};
}
