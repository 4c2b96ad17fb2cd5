#pragma once
#include <string>

// Base of every failure the program reports to the user. Building one traces
// "Exception!!" and the text to the debugger; copies (made by throw) do not.
class CException {
public:
    explicit CException(std::string message);
    CException(const CException&) = default;
    CException& operator=(const CException&) = default;
    virtual ~CException();

    const std::string& Message() const noexcept { return message_; }

    // Plain message box: no owner, no caption of its own, OK only.
    void ShowMessage() const;

private:
    std::string message_;
};

// Inside a catch block: the text of the exception being handled (a CException's message, a
// standard exception's what()), or "" for anything else.
std::string CurrentFailureText() noexcept;
