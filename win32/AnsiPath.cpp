#include "win32/AnsiPath.h"

#include "win32/UniqueHandle.h"

#include <algorithm>

namespace {

// The ANSI name of the existing file or folder at a full path; or "".
std::string AnsiNameAt(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    const UniqueFind found(FindFirstFileW(path.c_str(), &entry));
    std::string ansi;
    if (!found || !AnsiNameOf(entry, ansi))
        return "";
    return ansi;
}

}  // namespace

bool ToExactAnsi(const std::wstring& text, std::string& ansi)
{
    ansi.clear();
    // Plain ASCII, the common case, is the same in every ANSI code page.
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
        ansi.assign(text.begin(), text.end());
        return true;
    }
    const int wideLength = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength,
                                           nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    ansi.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, ansi.data(),
                        length, nullptr, &usedDefault);
    // The way back must give the same text: no flag may hide a substitution.
    if (usedDefault || WideOf(ansi) != text) {
        ansi.clear();
        return false;
    }
    return true;
}

bool AnsiNameOf(const WIN32_FIND_DATAW& entry, std::string& name)
{
    const bool spelled = ToExactAnsi(entry.cFileName, name) ||
                         ToExactAnsi(entry.cAlternateFileName, name);
    return spelled && !name.empty();
}

std::string AnsiPathOf(const std::wstring& path)
{
    std::string whole;
    if (ToExactAnsi(path, whole))
        return whole;
    std::string ansi;
    std::wstring::size_type done = 0;
    while (done < path.size()) {
        std::wstring::size_type end = path.find(L'\\', done);
        if (end == std::wstring::npos)
            end = path.size();
        std::string component;
        if (!ToExactAnsi(path.substr(done, end - done), component)) {
            component = AnsiNameAt(path.substr(0, end));
            if (component.empty())
                return "";
        }
        ansi += component;
        if (end < path.size())
            ansi += '\\';
        done = end + 1;
    }
    return ansi;
}

std::wstring WideOf(const std::string& ansi)
{
    if (ansi.empty())
        return {};
    const int ansiLength = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), length);
    return wide;
}
