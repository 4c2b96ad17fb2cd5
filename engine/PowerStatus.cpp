#include "engine/PowerStatus.h"

namespace {

constexpr std::uint8_t kOnBattery = 0;
constexpr std::uint8_t kBatterySaverOn = 1;

}  // namespace

bool SparesBattery(const PowerStatus& status)
{
    return status.acLineStatus == kOnBattery || status.systemStatusFlag == kBatterySaverOn;
}
