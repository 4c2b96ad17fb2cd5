#pragma once
#include "win32/Exception.h"

#include <string>

// The message of the Failure that action throws, or "(nothing thrown)". A failure of any
// other kind escapes, so the test also checks which kind the code under test throws.
template <typename Failure = CException, typename Action>
std::string FailureText(Action&& action)
{
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Message();
    }
    return "(nothing thrown)";
}
