#include "app/CommandLine.h"

std::string StripQuotes(std::string line)
{
    if (!line.empty() && line.back() == '"')
        line.pop_back();
    if (!line.empty() && line.front() == '"')
        line.erase(0, 1);
    return line;
}

RunKind ClassifyCommandLine(const std::string& line)
{
    if (line.size() <= 1)
        return RunKind::Resident;
    return line[0] == '/' ? RunKind::OneShot : RunKind::Path;
}
