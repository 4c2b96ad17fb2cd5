#include "imaging/BilinearFill.h"

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

// Exactness: every byte equals the plain per-pixel formula
//   trunc(P00 * (1 - fx) * (1 - fy) + P01 * fx * (1 - fy) + P11 * fx * fy + P10 * (1 - fx) * fy)
// with the same double operations in the same order. P * (1 - fx) and P * fx depend only on
// the source row and the output column: where output rows share source rows (enlarging)
// they are made once per source row and reused, leaving four products and three sums per
// byte; elsewhere each byte is computed straight from the source.
namespace {

std::size_t Stride24(std::int32_t width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

// For each output pixel of a row: where its two source pixels start in a source row as
// doubles (left, right) and in the stored source (sourceLeft, sourceRight), and their weights.
struct ColumnTable {
    std::vector<std::size_t> left;
    std::vector<std::size_t> right;
    std::vector<std::ptrdiff_t> sourceLeft;
    std::vector<std::ptrdiff_t> sourceRight;
    std::vector<double> leftWeight;
    std::vector<double> rightWeight;
};

// Columns [first, first + count) of a fill to fullWidth. The running sum starts at column 0
// whatever the window, so a column's position is the same as in the whole fill.
ColumnTable MakeColumns(std::int32_t width, std::int32_t fullWidth, std::int32_t first,
                        std::int32_t count, std::ptrdiff_t pixelStep)
{
    const std::size_t size = static_cast<std::size_t>(count);
    ColumnTable table;
    table.left.resize(size);
    table.right.resize(size);
    table.sourceLeft.resize(size);
    table.sourceRight.resize(size);
    table.leftWeight.resize(size);
    table.rightWeight.resize(size);
    const double dx = static_cast<double>(width - 1) / fullWidth;
    const std::int64_t last = width - 1;
    double sx = 0;
    for (std::int32_t skip = 0; skip < first; ++skip)
        sx += dx;
    for (std::size_t x = 0; x < size; ++x) {
        const std::int64_t ix = static_cast<std::int64_t>(sx);
        const double fx = sx - static_cast<double>(ix);
        table.left[x] = static_cast<std::size_t>(std::min(ix, last)) * 3;
        table.right[x] = static_cast<std::size_t>(std::min(ix + 1, last)) * 3;
        table.sourceLeft[x] = static_cast<std::ptrdiff_t>(std::min(ix, last)) * pixelStep;
        table.sourceRight[x] = static_cast<std::ptrdiff_t>(std::min(ix + 1, last)) * pixelStep;
        table.leftWeight[x] = 1 - fx;
        table.rightWeight[x] = fx;
        sx += dx;
    }
    return table;
}

// The source rows one output row blends, and their weights.
struct RowStep {
    std::size_t top;
    std::size_t bottom;
    double topWeight;
    double bottomWeight;
};

// Row positions are running sums, so they are summed here in order once; after that every
// output row stands alone and rows can be shared out between threads. Rows [first,
// first + count) of a fill to fullHeight, as MakeColumns.
std::vector<RowStep> MakeRows(std::int32_t height, std::int32_t fullHeight, std::int32_t first,
                              std::int32_t count)
{
    std::vector<RowStep> rows(static_cast<std::size_t>(count));
    const double dy = static_cast<double>(height - 1) / fullHeight;
    const std::int64_t last = height - 1;
    double sy = 0;
    for (std::int32_t skip = 0; skip < first; ++skip)
        sy += dy;
    for (RowStep& row : rows) {
        const std::int64_t iy = static_cast<std::int64_t>(sy);
        const double fy = sy - static_cast<double>(iy);
        row.top = static_cast<std::size_t>(std::min(iy, last));
        row.bottom = static_cast<std::size_t>(std::min(iy + 1, last));
        row.topWeight = 1 - fy;
        row.bottomWeight = fy;
        sy += dy;
    }
    return rows;
}

// One source row times the column weights: P * (1 - fx) and P * fx per output byte.
struct RowProducts {
    std::vector<double> left;
    std::vector<double> right;
    std::size_t row = static_cast<std::size_t>(-1);
};

// Output pixels [begin, end) of a row. When rows share source rows (enlarging), the output
// is done one strip at a time, so that the products a strip needs stay in the first-level
// cache; when shrinking, strips would only make the source be read in short pieces.
struct Strip {
    std::size_t begin;
    std::size_t end;
};

constexpr std::size_t kStripPixels = 256;

std::size_t StripPixels(std::int32_t height, std::int32_t outWidth, std::int32_t outHeight)
{
    const std::size_t whole = static_cast<std::size_t>(outWidth);
    return height - 1 < outHeight ? std::min(whole, kStripPixels) : whole;
}

// Bytes [begin, end) of a source row as doubles, so that the products need no conversions.
// pixelStep: as the view's; a turned row is gathered pixel by pixel.
void RowValues(const std::uint8_t* sourceRow, std::ptrdiff_t pixelStep, std::size_t begin,
               std::size_t end, double* out)
{
    if (pixelStep != 3) {
        for (std::size_t k = begin; k < end; k += 3) {
            const std::uint8_t* pixel = sourceRow + static_cast<std::ptrdiff_t>(k / 3) * pixelStep;
            out[k] = pixel[0];
            out[k + 1] = pixel[1];
            out[k + 2] = pixel[2];
        }
        return;
    }
    const __m128i zero = _mm_setzero_si128();
    std::size_t k = begin;
    for (; k + 16 <= end; k += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sourceRow + k));
        const __m128i words[2] = {_mm_unpacklo_epi8(bytes, zero), _mm_unpackhi_epi8(bytes, zero)};
        for (std::size_t half = 0; half < 2; ++half) {
            const __m128i low = _mm_unpacklo_epi16(words[half], zero);
            const __m128i high = _mm_unpackhi_epi16(words[half], zero);
            double* at = out + k + half * 8;
            _mm_storeu_pd(at, _mm_cvtepi32_pd(low));
            _mm_storeu_pd(at + 2, _mm_cvtepi32_pd(_mm_shuffle_epi32(low, 0xEE)));
            _mm_storeu_pd(at + 4, _mm_cvtepi32_pd(high));
            _mm_storeu_pd(at + 6, _mm_cvtepi32_pd(_mm_shuffle_epi32(high, 0xEE)));
        }
    }
    for (; k < end; ++k)
        out[k] = sourceRow[k];
}

// values: the source row as doubles (RowValues).
void MakeProducts(const double* values, const ColumnTable& columns, Strip strip,
                  RowProducts& out)
{
    const std::size_t* left = columns.left.data();
    const std::size_t* right = columns.right.data();
    const double* leftWeight = columns.leftWeight.data();
    const double* rightWeight = columns.rightWeight.data();
    double* a = out.left.data();
    double* b = out.right.data();
    for (std::size_t x = strip.begin; x < strip.end; ++x, a += 3, b += 3) {
        const double* p = values + left[x];
        const double* q = values + right[x];
        const __m128d wl = _mm_set1_pd(leftWeight[x]);
        const __m128d wr = _mm_set1_pd(rightWeight[x]);
        _mm_storeu_pd(a, _mm_mul_pd(_mm_loadu_pd(p), wl));
        _mm_store_sd(a + 2, _mm_mul_sd(_mm_load_sd(p + 2), wl));
        _mm_storeu_pd(b, _mm_mul_pd(_mm_loadu_pd(q), wr));
        _mm_store_sd(b + 2, _mm_mul_sd(_mm_load_sd(q + 2), wr));
    }
}

void BlendRow(const RowProducts& top, const RowProducts& bottom, double topWeight,
              double bottomWeight, std::uint8_t* out, std::size_t count)
{
    const double* a0 = top.left.data();
    const double* b0 = top.right.data();
    const double* a1 = bottom.left.data();
    const double* b1 = bottom.right.data();
    const __m128d w0 = _mm_set1_pd(topWeight);
    const __m128d w1 = _mm_set1_pd(bottomWeight);
    std::size_t k = 0;
    for (; k + 8 <= count; k += 8) {
        __m128i whole[4];
        for (std::size_t j = 0; j < 4; ++j) {
            const std::size_t i = k + 2 * j;
            __m128d v = _mm_mul_pd(_mm_loadu_pd(a0 + i), w0);
            v = _mm_add_pd(v, _mm_mul_pd(_mm_loadu_pd(b0 + i), w0));
            v = _mm_add_pd(v, _mm_mul_pd(_mm_loadu_pd(b1 + i), w1));
            v = _mm_add_pd(v, _mm_mul_pd(_mm_loadu_pd(a1 + i), w1));
            whole[j] = _mm_cvttpd_epi32(v);
        }
        // Every value lies in 0..255, so the saturating packs change nothing.
        const __m128i words = _mm_packs_epi32(_mm_unpacklo_epi64(whole[0], whole[1]),
                                              _mm_unpacklo_epi64(whole[2], whole[3]));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + k), _mm_packus_epi16(words, words));
    }
    for (; k < count; ++k) {
        const double v = a0[k] * topWeight + b0[k] * topWeight + b1[k] * bottomWeight +
                         a1[k] * bottomWeight;
        out[k] = static_cast<std::uint8_t>(static_cast<int>(v));
    }
}

// Each byte value as a double: a load from a small table is cheaper than a conversion.
struct ByteValues {
    double value[256];
    constexpr ByteValues() : value()
    {
        for (int i = 0; i < 256; ++i)
            value[i] = i;
    }
};
constexpr ByteValues kByteValues;

// One output pixel straight from its four source pixels (p<row><column>): left and right
// are the column weights, top and bottom the row weights.
inline void BlendPixel(const std::uint8_t* p00, const std::uint8_t* p01, const std::uint8_t* p10,
                       const std::uint8_t* p11, double left, double right, double top,
                       double bottom, std::uint8_t* out)
{
    const double* value = kByteValues.value;
    // Blue and green of a pixel as the two lanes of one vector.
    auto pair = [value](const std::uint8_t* p) {
        return _mm_loadh_pd(_mm_load_sd(&value[p[0]]), &value[p[1]]);
    };
    const __m128d wl = _mm_set1_pd(left);
    const __m128d wr = _mm_set1_pd(right);
    const __m128d w0 = _mm_set1_pd(top);
    const __m128d w1 = _mm_set1_pd(bottom);
    __m128d v = _mm_mul_pd(_mm_mul_pd(pair(p00), wl), w0);
    v = _mm_add_pd(v, _mm_mul_pd(_mm_mul_pd(pair(p01), wr), w0));
    v = _mm_add_pd(v, _mm_mul_pd(_mm_mul_pd(pair(p11), wr), w1));
    v = _mm_add_pd(v, _mm_mul_pd(_mm_mul_pd(pair(p10), wl), w1));
    // Both bytes through one move to a register: read back one lane at a time, the vector
    // would go through memory and stall the loads.
    const __m128i whole = _mm_cvttpd_epi32(v);
    const __m128i words = _mm_packs_epi32(whole, whole);
    const auto blueGreen = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
    out[0] = static_cast<std::uint8_t>(blueGreen);
    out[1] = static_cast<std::uint8_t>(blueGreen >> 8);
    const double r = value[p00[2]] * left * top + value[p01[2]] * right * top +
                     value[p11[2]] * right * bottom + value[p10[2]] * left * bottom;
    out[2] = static_cast<std::uint8_t>(static_cast<int>(r));
}

// The same bytes straight from the two source rows, for a row pair no other output row
// shares (mostly when shrinking): storing products would not pay.
void BlendFromSource(const std::uint8_t* top, const std::uint8_t* bottom,
                     const ColumnTable& columns, Strip strip, double topWeight,
                     double bottomWeight, std::uint8_t* out)
{
    const std::ptrdiff_t* left = columns.sourceLeft.data();
    const std::ptrdiff_t* right = columns.sourceRight.data();
    const double* leftWeight = columns.leftWeight.data();
    const double* rightWeight = columns.rightWeight.data();
    for (std::size_t x = strip.begin; x < strip.end; ++x, out += 3) {
        BlendPixel(top + left[x], top + right[x], bottom + left[x], bottom + right[x],
                   leftWeight[x], rightWeight[x], topWeight, bottomWeight, out);
    }
}

struct FillJob {
    const std::uint8_t* origin;  // the view's first pixel
    std::ptrdiff_t rowStep;
    std::ptrdiff_t pixelStep;
    std::uint8_t* dst;
    std::size_t dstStride;
    const ColumnTable* columns;
    const std::vector<RowStep>* rows;
    std::size_t stripPixels;
};

const std::uint8_t* SourceRow(const FillJob& job, std::size_t row)
{
    return job.origin + static_cast<std::ptrdiff_t>(row) * job.rowStep;
}

// Products of the last two source rows one part of the output used, and room for one
// source row as doubles.
struct RowCache {
    std::array<RowProducts, 2> slots;
    std::vector<double> values;
};

RowCache MakeCache(std::size_t width, std::size_t stripPixels)
{
    RowCache cache;
    const std::size_t strip = stripPixels * 3;
    for (RowProducts& products : cache.slots) {
        products.left.resize(strip);
        products.right.resize(strip);
    }
    cache.values.resize(width * 3);
    return cache;
}

// Output rows [begin, end). Allocates nothing, so it cannot throw inside a thread.
void FillRows(const FillJob& job, RowCache& cache, std::size_t begin, std::size_t end) noexcept
{
    const ColumnTable& columns = *job.columns;
    const std::vector<RowStep>& rows = *job.rows;
    std::array<RowProducts, 2>& slots = cache.slots;
    for (Strip strip{0, 0}; strip.begin < columns.left.size(); strip.begin = strip.end) {
        strip.end = std::min(columns.left.size(), strip.begin + job.stripPixels);
        const std::size_t firstByte = columns.left[strip.begin];
        const std::size_t endByte = columns.right[strip.end - 1] + 3;
        slots[0].row = slots[1].row = static_cast<std::size_t>(-1);
        // The products of row, evicting the slot that does not hold keep.
        auto take = [&](std::size_t row, std::size_t keep) -> const RowProducts& {
            for (const RowProducts& products : slots) {
                if (products.row == row)
                    return products;
            }
            RowProducts& slot = slots[0].row == keep ? slots[1] : slots[0];
            RowValues(SourceRow(job, row), job.pixelStep, firstByte, endByte,
                      cache.values.data());
            MakeProducts(cache.values.data(), columns, strip, slot);
            slot.row = row;
            return slot;
        };
        auto cached = [&](std::size_t row) { return slots[0].row == row || slots[1].row == row; };
        for (std::size_t y = begin; y < end; ++y) {
            const RowStep& step = rows[y];
            std::uint8_t* out = job.dst + y * job.dstStride + strip.begin * 3;
            const bool shared = cached(step.top) || cached(step.bottom) ||
                                (y + 1 < end && (rows[y + 1].top == step.top ||
                                                 rows[y + 1].top == step.bottom));
            if (!shared) {
                BlendFromSource(SourceRow(job, step.top), SourceRow(job, step.bottom), columns, strip,
                                step.topWeight, step.bottomWeight, out);
                continue;
            }
            const RowProducts& top = take(step.top, step.bottom);
            const RowProducts& bottom = take(step.bottom, step.top);
            BlendRow(top, bottom, step.topWeight, step.bottomWeight, out,
                     (strip.end - strip.begin) * 3);
        }
    }
}

// Output columns [begin, end) of a view that swaps the sides: its columns are stored rows,
// so one column at a time reads two stored rows straight through. The bytes are those of
// FillRows; only the order they are made in differs.
constexpr std::size_t kBandColumns = 16;

// Room for kBandColumns columns of every output row.
std::vector<std::uint8_t> MakeBand(std::size_t outHeight)
{
    return std::vector<std::uint8_t>(outHeight * kBandColumns * 3);
}

void FillColumns(const FillJob& job, const std::vector<std::ptrdiff_t>& tops,
                 const std::vector<std::ptrdiff_t>& bottoms, std::vector<std::uint8_t>& band,
                 std::size_t begin, std::size_t end) noexcept
{
    const ColumnTable& columns = *job.columns;
    const std::vector<RowStep>& rows = *job.rows;
    const std::size_t count = rows.size();
    // A band of columns is made in a small buffer first: written straight into the output,
    // each pixel would land in a row of its own and miss the cache.
    for (std::size_t first = begin; first < end; first += kBandColumns) {
        const std::size_t width = std::min(kBandColumns, end - first);
        for (std::size_t k = 0; k < width; ++k) {
            const std::size_t x = first + k;
            // In locals: the byte stores below may alias anything in memory.
            const std::uint8_t* left = job.origin + columns.sourceLeft[x];
            const std::uint8_t* right = job.origin + columns.sourceRight[x];
            const double leftWeight = columns.leftWeight[x];
            const double rightWeight = columns.rightWeight[x];
            std::uint8_t* out = band.data() + k * 3;
            for (std::size_t y = 0; y < count; ++y, out += kBandColumns * 3) {
                BlendPixel(left + tops[y], right + tops[y], left + bottoms[y],
                           right + bottoms[y], leftWeight, rightWeight, rows[y].topWeight,
                           rows[y].bottomWeight, out);
            }
        }
        for (std::size_t y = 0; y < count; ++y) {
            std::memcpy(job.dst + y * job.dstStride + first * 3,
                        band.data() + y * kBandColumns * 3, width * 3);
        }
    }
}

// Below this many output bytes a second thread costs more than it saves.
constexpr std::size_t kBytesPerThread = std::size_t{1} << 20;

}  // namespace

void BilinearFill(const std::uint8_t* src, std::int32_t width, std::int32_t height,
                  std::uint8_t* dst, std::int32_t outWidth, std::int32_t outHeight,
                  unsigned maxThreads)
{
    BilinearFill(src, TurnView(1, width, height), dst, outWidth, outHeight, maxThreads);
}

void BilinearFill(const std::uint8_t* src, const TurnedView& view, std::uint8_t* dst,
                  std::int32_t outWidth, std::int32_t outHeight, unsigned maxThreads)
{
    BilinearFill(src, view, outWidth, outHeight, PixelWindow{0, 0, outWidth, outHeight}, dst,
                 Stride24(outWidth), maxThreads);
}

void BilinearFill(const std::uint8_t* src, const TurnedView& view, std::int32_t fullWidth,
                  std::int32_t fullHeight, const PixelWindow& window, std::uint8_t* dst,
                  std::size_t dstStride, unsigned maxThreads)
{
    const std::int32_t width = view.width;
    const std::int32_t height = view.height;
    const ColumnTable columns =
        MakeColumns(width, fullWidth, window.left, window.width, view.pixelStep);
    const std::vector<RowStep> rows = MakeRows(height, fullHeight, window.bottom, window.height);
    const std::size_t stripPixels = StripPixels(height, window.width, fullHeight);
    const FillJob job{src + view.origin, view.rowStep, view.pixelStep, dst, dstStride,
                      &columns, &rows, stripPixels};

    // A turn by a quarter shares its output out by columns, any other view by rows.
    const bool byColumns = view.pixelStep != 3 && view.pixelStep != -3;
    const std::size_t rowCount = rows.size();
    const std::size_t lineCount = byColumns ? columns.left.size() : rowCount;
    const std::size_t outBytes = rowCount * columns.left.size() * 3;
    const std::size_t cores =
        std::max(1u, maxThreads != 0 ? maxThreads : std::thread::hardware_concurrency());
    const std::size_t parts =
        std::min({cores, std::max<std::size_t>(1, outBytes / kBytesPerThread), lineCount});

    std::vector<RowCache> caches;
    std::vector<std::vector<std::uint8_t>> bands;
    std::vector<std::ptrdiff_t> tops;
    std::vector<std::ptrdiff_t> bottoms;
    if (byColumns) {
        for (std::size_t part = 0; part < parts; ++part)
            bands.push_back(MakeBand(rowCount));
        // Where each output row's two source pixels lie along a stored row.
        tops.reserve(rowCount);
        bottoms.reserve(rowCount);
        for (const RowStep& step : rows) {
            tops.push_back(static_cast<std::ptrdiff_t>(step.top) * view.rowStep);
            bottoms.push_back(static_cast<std::ptrdiff_t>(step.bottom) * view.rowStep);
        }
    } else {
        caches.reserve(parts);
        for (std::size_t part = 0; part < parts; ++part)
            caches.push_back(MakeCache(static_cast<std::size_t>(width), job.stripPixels));
    }
    auto fillPart = [&](std::size_t part) noexcept {
        const std::size_t begin = lineCount * part / parts;
        const std::size_t end = lineCount * (part + 1) / parts;
        if (byColumns)
            FillColumns(job, tops, bottoms, bands[part], begin, end);
        else
            FillRows(job, caches[part], begin, end);
    };

    // The first share of rows runs on this thread; so does a share whose thread cannot start.
    std::vector<std::thread> workers;
    std::vector<std::size_t> leftOver;
    workers.reserve(parts);
    leftOver.reserve(parts);
    for (std::size_t part = 1; part < parts; ++part) {
        try {
            workers.emplace_back(fillPart, part);
        } catch (const std::system_error&) {
            leftOver.push_back(part);
        }
    }
    fillPart(0);
    for (std::size_t part : leftOver)
        fillPart(part);
    for (std::thread& worker : workers)
        worker.join();
}
