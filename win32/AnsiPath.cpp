#include "win32/AnsiPath.h"

#include "win32/UniqueHandle.h"

#include <algorithm>
#include <vector>

namespace {

bool HasWildcard(const std::wstring& path)
{
    return path.find_first_of(L"*?") != std::wstring::npos;
}

// The ANSI name of the existing file or folder at a full path; or "".
std::string AnsiNameAt(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    const UniqueFind found(FindFirstFileW(path.c_str(), &entry));
    std::string ansi;
    std::string typeName;
    if (!found || !AnsiNameOf(entry, ansi, typeName))
        return "";
    return ansi;
}

std::wstring FullPathOf(const std::wstring& path)
{
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::vector<wchar_t> full(needed);
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return {};
    return std::wstring(full.data(), length);
}

std::string ShortenedAnsiPathOf(const std::wstring& full)
{
    std::string ansi;
    std::wstring::size_type done = 0;
    while (done < full.size()) {
        std::wstring::size_type end = full.find_first_of(L"\\/", done);
        if (end == std::wstring::npos)
            end = full.size();
        std::string component;
        if (!ToExactAnsi(full.substr(done, end - done), component)) {
            component = AnsiNameAt(full.substr(0, end));
            if (component.empty())
                return "";
        }
        ansi += component;
        if (end < full.size())
            ansi += '\\';
        done = end + 1;
    }
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

std::string ToUnopenableAnsi(const std::wstring& text)
{
    std::string ansi;
    for (std::wstring::size_type at = 0; at < text.size();) {
        // A surrogate pair is one character.
        const bool pair = at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
                          text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
        const std::wstring::size_type length = pair ? 2 : 1;
        std::string character;
        ansi += ToExactAnsi(text.substr(at, length), character) ? character : "?";
        at += length;
    }
    return ansi;
}

bool AnsiNameOf(const WIN32_FIND_DATAW& entry, std::string& name, std::string& typeName)
{
    if (ToExactAnsi(entry.cFileName, name)) {
        typeName = name;
        return !name.empty();
    }
    if (!ToExactAnsi(entry.cAlternateFileName, name) || name.empty())
        return false;
    const wchar_t* dot = std::wcsrchr(entry.cFileName, L'.');
    if (dot == nullptr || !ToExactAnsi(dot, typeName))
        typeName.clear();
    return true;
}

std::string TypeNameOf(const std::string& path)
{
    const std::wstring wide = WideOf(path);
    if (wide.empty() || HasWildcard(wide))
        return path;
    WIN32_FIND_DATAW entry;
    const UniqueFind found(FindFirstFileW(wide.c_str(), &entry));
    std::string name;
    std::string typeName;
    if (!found || !AnsiNameOf(entry, name, typeName))
        return path;
    return typeName;
}

std::string AnsiPathOf(const std::wstring& path)
{
    if (HasWildcard(path))
        return "";
    std::string ansi;
    if (!ToExactAnsi(path, ansi))
        ansi = ShortenedAnsiPathOf(FullPathOf(path));
    return ansi.size() <= kMaxAnsiPath ? ansi : "";
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
