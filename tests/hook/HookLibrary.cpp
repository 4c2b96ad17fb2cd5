#include "tests/hook/HookLibrary.h"

#include "tests/support/TempDir.h"

#include <cstring>
#include <stdexcept>

namespace {

std::string CopiesFolder()
{
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "tessel-hook-copies";
}

// A new folder below the copies folder; a name whose folder survives from an earlier
// run (its copy still mapped elsewhere) is skipped.
std::string NewCopyFolder()
{
    const std::string base = CopiesFolder() + "\\" + std::to_string(GetCurrentProcessId());
    for (int n = 0; n < 1000; ++n) {
        const std::string candidate = base + "-" + std::to_string(n);
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            return candidate;
    }
    throw std::runtime_error("cannot create a folder in " + CopiesFolder());
}

template <typename Function>
void Bind(HMODULE module, int ordinal, Function& function)
{
    function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
    if (function == nullptr)
        throw std::runtime_error("tesselsub.dll lacks ordinal " + std::to_string(ordinal));
}

}  // namespace

const IMAGE_SECTION_HEADER* FindSection(HMODULE module, const char* name)
{
    if (module == nullptr)
        return nullptr;
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (std::strncmp(reinterpret_cast<const char*>(section->Name), name,
                         IMAGE_SIZEOF_SHORT_NAME) == 0)
            return section;
    }
    return nullptr;
}

volatile HookSharedState* SharedStateOf(HMODULE module)
{
    const IMAGE_SECTION_HEADER* section = FindSection(module, "TSL_HOOK");
    if (section == nullptr)
        return nullptr;
    return reinterpret_cast<volatile HookSharedState*>(reinterpret_cast<BYTE*>(module)
                                                       + section->VirtualAddress);
}

std::string ProgramFolder()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

HookLibraryCopy::HookLibraryCopy()
{
    RemoveTree(CopiesFolder());
    CreateDirectoryA(CopiesFolder().c_str(), nullptr);
    folder_ = NewCopyFolder();
    path_ = folder_ + "\\tesselsub.dll";
    if (!CopyFileA((ProgramFolder() + "\\tesselsub.dll").c_str(), path_.c_str(), FALSE))
        throw std::runtime_error("cannot copy tesselsub.dll");
    module_.reset(LoadLibraryA(path_.c_str()));
    if (!module_)
        throw std::runtime_error("cannot load " + path_);
    shared_ = SharedStateOf(module_.get());
    if (shared_ == nullptr)
        throw std::runtime_error("no TSL_HOOK section in " + path_);
    Bind(module_.get(), 2, registerHook);
    Bind(module_.get(), 3, unregisterHook);
    Bind(module_.get(), 4, setTextColor);
    Bind(module_.get(), 5, complusion);
}

HookLibraryCopy::~HookLibraryCopy()
{
    module_.reset();
    RemoveTree(folder_);
}
