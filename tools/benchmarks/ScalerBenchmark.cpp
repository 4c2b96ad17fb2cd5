// Times the bilinear fill against its plain reference and against memcpy of the same bytes
// (the memory-bandwidth floor), a turned picture, and a picture filling the screen.
// tools/bench-scaler runs it next to ImageMagick.
#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/Canvas.h"
#include "imaging/DesktopFit.h"
#include "tests/imaging/ReferenceFill.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

struct Case {
    std::int32_t width;
    std::int32_t height;
    std::int32_t outWidth;
    std::int32_t outHeight;
    std::vector<std::uint8_t> src;
    std::vector<std::uint8_t> dst;
};

// Picture width x height fitted to the desktop, with noise for pixels.
Case MakeCase(const benchmark::State& state)
{
    Case c;
    c.width = static_cast<std::int32_t>(state.range(0));
    c.height = static_cast<std::int32_t>(state.range(1));
    const FittedSize fit = *FitSize(c.width, c.height, state.range(2), state.range(3));
    c.outWidth = static_cast<std::int32_t>(fit.width);
    c.outHeight = static_cast<std::int32_t>(fit.height);
    c.src.resize(*Dib24Bytes(c.width, c.height));
    c.dst.resize(*Dib24Bytes(c.outWidth, c.outHeight));
    std::mt19937 random(1);
    for (std::uint8_t& b : c.src)
        b = static_cast<std::uint8_t>(random());
    return c;
}

void Reference(benchmark::State& state)
{
    Case c = MakeCase(state);
    for (auto _ : state) {
        ReferenceFill(c.src.data(), c.width, c.height, c.dst.data(), c.outWidth, c.outHeight);
        benchmark::DoNotOptimize(c.dst.data());
    }
}

template <unsigned Threads>
void Fast(benchmark::State& state)
{
    Case c = MakeCase(state);
    for (auto _ : state) {
        BilinearFill(c.src.data(), c.width, c.height, c.dst.data(), c.outWidth, c.outHeight,
                     Threads);
        benchmark::DoNotOptimize(c.dst.data());
    }
}

// The same picture shown turned a quarter (orientation 6), read through the turn; and the
// same fill of a picture stored that way up, for the cost of the turn alone.
template <unsigned Threads>
void Turned(benchmark::State& state)
{
    Case c = MakeCase(state);
    const TurnedView view = TurnView(6, c.width, c.height);
    const FittedSize fit = *FitSize(view.width, view.height, state.range(2), state.range(3));
    std::vector<std::uint8_t> dst(*Dib24Bytes(fit.width, fit.height));
    for (auto _ : state) {
        BilinearFill(c.src.data(), view, dst.data(), static_cast<std::int32_t>(fit.width),
                     static_cast<std::int32_t>(fit.height), Threads);
        benchmark::DoNotOptimize(dst.data());
    }
}

template <unsigned Threads>
void Upright(benchmark::State& state)
{
    Case c = MakeCase(state);
    const TurnedView view = TurnView(6, c.width, c.height);
    std::vector<std::uint8_t> stored(c.src.size());
    CopyTurned(c.src.data(), view, stored.data());
    const FittedSize fit = *FitSize(view.width, view.height, state.range(2), state.range(3));
    std::vector<std::uint8_t> dst(*Dib24Bytes(fit.width, fit.height));
    for (auto _ : state) {
        BilinearFill(stored.data(), view.width, view.height, dst.data(),
                     static_cast<std::int32_t>(fit.width), static_cast<std::int32_t>(fit.height),
                     Threads);
        benchmark::DoNotOptimize(dst.data());
    }
}

// Photos onto landscape and portrait screens: turned, upright and filling them.
void PhotoCases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "W", "H"});
    b->Args({6000, 4000, 1920, 1080});
    b->Args({6000, 4000, 1080, 1920});
    b->Args({6000, 4000, 3840, 2160});
    b->Unit(benchmark::kMillisecond);
    b->UseRealTime();
}

// The picture filling the screen: the screen-sized window of the covering size alone.
template <unsigned Threads>
void Filled(benchmark::State& state)
{
    Case c = MakeCase(state);
    const auto W = static_cast<std::int32_t>(state.range(2));
    const auto H = static_cast<std::int32_t>(state.range(3));
    const FittedSize fill = *FillSize(c.width, c.height, W, H);
    const Placement place = *PlaceCentred(fill.width, fill.height, 0, 0, W, H, W, H);
    std::vector<std::uint8_t> dst(*Dib24Bytes(W, H));
    const TurnedView view = TurnView(1, c.width, c.height);
    for (auto _ : state) {
        BilinearFill(c.src.data(), view, static_cast<std::int32_t>(fill.width),
                     static_cast<std::int32_t>(fill.height), place.window, dst.data(),
                     CanvasStride(W), Threads);
        benchmark::DoNotOptimize(dst.data());
    }
}

// Copies as many bytes as the fill reads and writes.
void Memcpy(benchmark::State& state)
{
    Case c = MakeCase(state);
    const std::size_t bytes = c.src.size() + c.dst.size();
    std::vector<std::uint8_t> from(bytes, 1);
    std::vector<std::uint8_t> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}

void Cases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "W", "H"});
    b->Args({6000, 4000, 3840, 2160});
    b->Args({1920, 1080, 3840, 2160});
    b->Args({1024, 768, 1280, 1024});
    b->Unit(benchmark::kMillisecond);
    b->UseRealTime();
}

}  // namespace

BENCHMARK(Reference)->Apply(Cases);
BENCHMARK_TEMPLATE(Fast, 1)->Apply(Cases);
BENCHMARK_TEMPLATE(Fast, 0)->Apply(Cases);
BENCHMARK(Memcpy)->Apply(Cases);
BENCHMARK_TEMPLATE(Fast, 1)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Fast, 0)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Turned, 1)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Turned, 0)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Upright, 1)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Upright, 0)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Filled, 1)->Apply(PhotoCases);
BENCHMARK_TEMPLATE(Filled, 0)->Apply(PhotoCases);

BENCHMARK_MAIN();
