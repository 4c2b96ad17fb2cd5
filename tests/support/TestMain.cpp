#include "tests/support/Probe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, ProbeFunction>& Probes()
{
    static std::map<std::string, ProbeFunction> probes;
    return probes;
}

}  // namespace

ProbeRegistration::ProbeRegistration(const char* name, ProbeFunction function)
{
    Probes()[name] = function;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--probe") == 0) {
        const auto found = Probes().find(argv[2]);
        return found == Probes().end() ? 99 : found->second();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
