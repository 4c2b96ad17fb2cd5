// libFuzzer target: any command line through StripQuotes and ClassifyCommandLine.
#include "tests/fuzz/FuzzCheck.h"
#include "app/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string stripped = StripQuotes(line);

    // At most one quote off each end, nothing else changed.
    std::size_t begin = 0;
    std::size_t end = line.size();
    if (end > begin && line[end - 1] == '"')
        --end;
    if (end > begin && line[begin] == '"')
        ++begin;
    Check(stripped == line.substr(begin, end - begin));

    const RunKind kind = ClassifyCommandLine(stripped);
    if (stripped.size() <= 1)
        Check(kind == RunKind::Resident);
    else
        Check(kind == (stripped[0] == '/' ? RunKind::OneShot : RunKind::Path));
    return 0;
}
