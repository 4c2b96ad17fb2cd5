#include "app/CommandLine.h"

#include <utility>

namespace {

template <class Text>
Text StripQuotesFrom(Text line)
{
    if (!line.empty() && line.back() == '"')
        line.pop_back();
    if (!line.empty() && line.front() == '"')
        line.erase(0, 1);
    return line;
}

}  // namespace

std::string StripQuotes(std::string line)
{
    return StripQuotesFrom(std::move(line));
}

std::wstring StripQuotes(std::wstring line)
{
    return StripQuotesFrom(std::move(line));
}

RunKind ClassifyCommandLine(const std::string& line)
{
    if (line.size() <= 1)
        return RunKind::Resident;
    return line[0] == '/' ? RunKind::OneShot : RunKind::Path;
}
