#include "app/Exception.h"

#include <windows.h>

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
