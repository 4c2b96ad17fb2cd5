#pragma once
// The exception firewall of every procedure the system calls back (window, dialog, page,
// subclass and enumeration procedures, plug-in entry points). This toolchain's exceptions
// cannot unwind through the system's frames: one that leaves such a procedure ends the
// program. So the body runs here, and a failure is answered by onFailure, which runs inside
// the catch block (std::current_exception and CurrentFailureText work there), must not
// throw, and returns what the procedure answers instead.
#include <new>
#include <utility>

template <typename Body, typename OnFailure>
auto GuardedCall(Body&& body, OnFailure&& onFailure) noexcept -> decltype(body())
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return std::forward<OnFailure>(onFailure)();
    }
}

// Inside a catch block: the exception being handled is std::bad_alloc.
inline bool HandlingOutOfMemory() noexcept
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return true;
    } catch (...) {
        return false;
    }
}
