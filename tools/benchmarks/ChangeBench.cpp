#include "tools/benchmarks/BenchModes.h"

#include "win32/GdiGuards.h"
#include "imaging/ImageLoader.h"
#include "tests/support/TestJpeg.h"
#include "tools/benchmarks/BenchClock.h"
#include "win32/UniqueHandle.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

RECT Desktop(const std::vector<std::string>& arguments)
{
    RECT desktop = {0, 0, std::atoi(arguments[2].c_str()), std::atoi(arguments[3].c_str())};
    return desktop;
}

PROCESS_MEMORY_COUNTERS_EX Counters()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters;
}

// Samples the private (under Wine: anonymous resident) bytes every millisecond on its own
// thread and keeps the largest; Wine's PeakPagefileUsage is no peak but the current value.
class PeakSampler {
public:
    PeakSampler() : thread_(CreateThread(nullptr, 0, &PeakSampler::Run, this, 0, nullptr)) {}
    ~PeakSampler() { Stop(); }
    PeakSampler(const PeakSampler&) = delete;
    PeakSampler& operator=(const PeakSampler&) = delete;

    // Stops sampling; the largest value seen since the last Reset.
    double Stop()
    {
        if (thread_) {
            InterlockedExchange(&stop_, 1);
            WaitForSingleObject(thread_.get(), INFINITE);
            thread_.reset();
        }
        return static_cast<double>(peak_);
    }

private:
    static DWORD WINAPI Run(void* self)
    {
        auto* sampler = static_cast<PeakSampler*>(self);
        while (InterlockedCompareExchange(&sampler->stop_, 0, 0) == 0) {
            const SIZE_T now = Counters().PagefileUsage;
            if (now > sampler->peak_)
                sampler->peak_ = now;
            Sleep(1);
        }
        return 0;
    }

    volatile LONG stop_ = 0;
    SIZE_T peak_ = 0;
    UniqueKernelHandle thread_;
};

}  // namespace

// change RUNS PICTURE WIDTH HEIGHT OUT (RUNS is arguments[0]): loading the picture alone
// (for the picture service the whole decode, for JPEG the header), then whole loader changes,
// fitted and at the picture's own size, on a fresh picture each run.
int RunChangeBench(int runs, const std::vector<std::string>& arguments)
{
    const RECT desktop = Desktop(arguments);
    const std::string& picture = arguments[1];
    const std::string& out = arguments[4];
    Report("load_ms", MedianMs(runs, [&] { CImageLoader(nullptr).Load(picture); }));
    Report("loader_fitted_ms", MedianMs(runs, [&] {
               CImageLoader(nullptr).MakeFittedWallpaper(picture, out, desktop, false);
           }));
    Report("loader_own_size_ms",
           MedianMs(runs, [&] { CImageLoader(nullptr).MakeWallpaper(picture, out); }));
    return 0;
}

// memory WARMUP PICTURE WIDTH HEIGHT OUT: the private bytes before a fitted change (after a
// warm-up change of a small picture has loaded the decoder libraries), their peak during a
// whole change, and what is left after a first and a second change.
int RunMemoryBench(const std::vector<std::string>& arguments)
{
    const RECT desktop = Desktop(arguments);
    CImageLoader(nullptr).MakeFittedWallpaper(arguments[0], arguments[4], desktop, false);
    Report("private_before", static_cast<double>(Counters().PagefileUsage));
    Report("working_set_before", static_cast<double>(Counters().WorkingSetSize));
    PeakSampler first;
    CImageLoader(nullptr).MakeFittedWallpaper(arguments[1], arguments[4], desktop, false);
    Report("peak_change", first.Stop());
    Report("private_after", static_cast<double>(Counters().PagefileUsage));
    PeakSampler again;
    CImageLoader(nullptr).MakeFittedWallpaper(arguments[1], arguments[4], desktop, false);
    Report("peak_second_change", again.Stop());
    Report("private_after_second", static_cast<double>(Counters().PagefileUsage));
    Report("peak_working_set", static_cast<double>(Counters().PeakWorkingSetSize));
    return 0;
}

// preview RUNS PICTURE: what a selection in the file list does, the preview drawn into the
// dialog's 180 x 135 box bitmap and copied to the screen.
int RunPreviewBench(int runs, const std::vector<std::string>& arguments)
{
    const WindowDc screen(nullptr);
    const UniqueGdiObject box(CreateCompatibleBitmap(screen.get(), 180, 135));
    const BitmapDc memory(screen.get(), box.get());
    Report("preview_ms", MedianMs(runs, [&] {
               CImageLoader(nullptr).DrawPreview(arguments[1], memory.get(), RECT{0, 0, 180, 135});
               BitBlt(screen.get(), 0, 0, 180, 135, memory.get(), 0, 0, SRCCOPY);
               GdiFlush();
           }));
    return 0;
}

// jpeg WIDTH HEIGHT OUT [progressive]: a mid-grey colour JPEG of that size (at most 65535 a
// side), baseline or progressive.
int RunJpegWriter(const std::vector<std::string>& arguments)
{
    const std::string jpeg =
        MidGreyJpeg(static_cast<std::uint16_t>(std::atoi(arguments[0].c_str())),
                    static_cast<std::uint16_t>(std::atoi(arguments[1].c_str())), JpegKind::Colour,
                    arguments.size() > 3 && arguments[3] == "progressive");
    const UniqueFile file(CreateFileA(arguments[2].c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    const bool whole = file && WriteFile(file.get(), jpeg.data(), static_cast<DWORD>(jpeg.size()),
                                         &written, nullptr) && written == jpeg.size();
    return whole ? 0 : 1;
}

// fit PICTURE WIDTH HEIGHT OUT: one fitted change by the loader, whether it succeeded, its
// time and peak private bytes; tools/bench runs it in a fresh process for each size it tries.
int RunFitBench(const std::vector<std::string>& arguments)
{
    const RECT desktop = {0, 0, std::atoi(arguments[1].c_str()), std::atoi(arguments[2].c_str())};
    Report("private_before", static_cast<double>(Counters().PagefileUsage));
    bool changed = true;
    PeakSampler change;
    const double start = NowMs();
    try {
        CImageLoader(nullptr).MakeFittedWallpaper(arguments[0], arguments[3], desktop, false);
    } catch (const CException& failure) {
        std::fprintf(stderr, "%s\n", failure.Message().c_str());
        changed = false;
    }
    Report("change_ms", NowMs() - start);
    Report("peak_change", change.Stop());
    Report("changed", changed ? 1 : 0);
    return 0;
}
