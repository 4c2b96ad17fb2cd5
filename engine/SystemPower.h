#pragma once
#include "engine/PowerStatus.h"

// The system's power status now; mains, without battery saver, when the system cannot say.
PowerStatus ReadSystemPowerStatus();
