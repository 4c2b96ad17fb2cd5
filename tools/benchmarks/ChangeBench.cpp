#include "tools/benchmarks/BenchModes.h"

#include "win32/GdiGuards.h"
#include "imaging/ImageLoader.h"
#include "imaging/OleWallpaperMaker.h"
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

// change RUNS PICTURE WIDTH HEIGHT OUT (RUNS is arguments[0]): the steps of a fitted change
// on a fresh picture each run (decoding, drawing into the 24-bit copy, fitting, writing),
// then whole loader changes, fitted and at the picture's own size.
int RunChangeBench(int runs, const std::vector<std::string>& arguments)
{
    const RECT desktop = Desktop(arguments);
    const std::string& picture = arguments[1];
    const std::string& out = arguments[4];
    std::vector<double> decode, draw, fit, save;
    for (int i = 0; i < runs; ++i) {
        double start = NowMs();
        const COleWallpaperMaker maker(picture);
        decode.push_back(NowMs() - start);

        start = NowMs();
        BITMAPINFO info;
        void* bits = nullptr;
        const UniqueGdiObject copy =
            CWallpaperMaker::CreateDib24(info, bits, maker.Width(), maker.Height());
        {
            const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
            const SelectedObject selected(dc.get(), copy.get());
            maker.Render(dc.get(), 0, 0, maker.Width(), maker.Height());
            GdiFlush();
        }
        draw.push_back(NowMs() - start);

        start = NowMs();
        BITMAPINFO fittedInfo;
        void* fittedBits = nullptr;
        const UniqueGdiObject fitted = maker.FitToDesktop(fittedInfo, fittedBits, bits, desktop);
        fit.push_back(NowMs() - start);

        start = NowMs();
        CWallpaperMaker::SaveBitmapFile(out, fittedInfo, fittedBits);
        save.push_back(NowMs() - start);
    }
    Report("decode_ms", Median(decode));
    Report("draw_ms", Median(draw));
    Report("fit_ms", Median(fit));
    Report("save_ms", Median(save));
    Report("loader_fitted_ms", MedianMs(runs, [&] {
               CImageLoader(nullptr).MakeFittedWallpaper(picture, out, desktop, false);
           }));
    Report("loader_own_size_ms",
           MedianMs(runs, [&] { CImageLoader(nullptr).MakeWallpaper(picture, out); }));
    return 0;
}

// memory WARMUP PICTURE WIDTH HEIGHT OUT: the private bytes before a fitted change (after a
// warm-up change of a small picture has loaded the decoder libraries), their peak during
// decoding and during fitting and writing, and what is left after a first and a second change.
int RunMemoryBench(const std::vector<std::string>& arguments)
{
    const RECT desktop = Desktop(arguments);
    CImageLoader(nullptr).MakeFittedWallpaper(arguments[0], arguments[4], desktop, false);
    Report("private_before", static_cast<double>(Counters().PagefileUsage));
    Report("working_set_before", static_cast<double>(Counters().WorkingSetSize));
    {
        PeakSampler decoding;
        const COleWallpaperMaker maker(arguments[1]);
        Report("peak_decode", decoding.Stop());
        PeakSampler writing;
        maker.WriteFittedBitmap(arguments[4], desktop, false);
        Report("peak_fit_write", writing.Stop());
    }
    Report("private_after", static_cast<double>(Counters().PagefileUsage));
    PeakSampler again;
    CImageLoader(nullptr).MakeFittedWallpaper(arguments[1], arguments[4], desktop, false);
    Report("peak_second_change", again.Stop());
    Report("private_after_second", static_cast<double>(Counters().PagefileUsage));
    Report("peak_working_set", static_cast<double>(Counters().PeakWorkingSetSize));
    return 0;
}

// jpeg WIDTH HEIGHT OUT: a mid-grey colour JPEG of that size (at most 65535 a side).
int RunJpegWriter(const std::vector<std::string>& arguments)
{
    const std::string jpeg =
        MidGreyJpeg(static_cast<std::uint16_t>(std::atoi(arguments[0].c_str())),
                    static_cast<std::uint16_t>(std::atoi(arguments[1].c_str())), JpegKind::Colour);
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
