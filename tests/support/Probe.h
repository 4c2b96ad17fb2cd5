#pragma once
// Probes: small programs inside a test executable, started as a child process with
// "--probe NAME" so a test can watch what another process does (debugger output, exit code).

using ProbeFunction = int (*)();

struct ProbeRegistration {
    ProbeRegistration(const char* name, ProbeFunction function);
};

#define TESSEL_PROBE(name)                                                     \
    static int name##Probe();                                                  \
    static const ProbeRegistration name##Registration(#name, name##Probe);     \
    static int name##Probe()
