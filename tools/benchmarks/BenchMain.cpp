// tessel_bench: measurements for tools/bench, one mode per run. Not a test.
#include "win32/Exception.h"
#include "tools/benchmarks/BenchModes.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tessel_bench "
                             "folders|change|canvas|memory|fit|preview|quality|jpeg|idle|prepare ...\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::vector<std::string> rest(argv + 2, argv + argc);
    try {
        if (mode == "folders" && rest.size() >= 2)
            return RunFolderBench(std::atoi(rest[0].c_str()), {rest.begin() + 1, rest.end()});
        if (mode == "change" && rest.size() == 5)
            return RunChangeBench(std::atoi(rest[0].c_str()), rest);
        if (mode == "canvas" && rest.size() == 4)
            return RunCanvasBench(std::atoi(rest[0].c_str()), rest);
        if (mode == "memory" && rest.size() == 5)
            return RunMemoryBench(rest);
        if (mode == "fit" && rest.size() == 4)
            return RunFitBench(rest);
        if (mode == "preview" && rest.size() == 2)
            return RunPreviewBench(std::atoi(rest[0].c_str()), rest);
        if (mode == "quality" && rest.size() == 4)
            return RunQualityBench(rest);
        if (mode == "jpeg" && (rest.size() == 3 || rest.size() == 4))
            return RunJpegWriter(rest);
        if (mode == "idle" && rest.size() == 1)
            return RunIdleBench(rest);
        if (mode == "prepare" && (rest.size() == 4 || rest.size() == 5))
            return RunPrepare(rest);
    } catch (const CException& failure) {
        std::fprintf(stderr, "failed: %s\n", failure.Message().c_str());
        return 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "failed: %s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr, "tessel_bench: bad arguments for %s\n", mode.c_str());
    return 2;
}
