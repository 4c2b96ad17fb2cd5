#include "win32/Exception.h"

#include <windows.h>

#include <exception>
#include <utility>

CException::CException(std::string message) : message_(std::move(message))
{
    const std::string trace = "Exception!!\n" + message_ + "\n";
    OutputDebugStringA(trace.c_str());
}

CException::~CException() = default;

void CException::ShowMessage() const
{
    MessageBoxA(nullptr, message_.c_str(), nullptr, MB_OK);
}

std::string CurrentFailureText() noexcept
{
    try {
        throw;
    } catch (const CException& failure) {
        return failure.Message();
    } catch (const std::exception& failure) {
        return failure.what();
    } catch (...) {
        return std::string();
    }
}
