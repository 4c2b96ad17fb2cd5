#pragma once
// Bilinear resampling of a bottom-up 24-bit picture into another of a different size.
#include "imaging/Orientation.h"

#include <cstddef>
#include <cstdint>

// Fills outWidth x outHeight pixels of dst from width x height pixels of src. Both are
// 24-bit rows padded to 4 bytes (Dib24Bytes must accept both sizes); row padding in dst is
// left as it is. Positions advance by running sums of (size - 1) / output size, and each
// byte is the truncated weighted sum of its four neighbours, in double precision; a
// missing neighbour past the last row or column is the pixel itself. Large outputs are
// shared out between at most maxThreads threads (0: one per core); the bytes are the same.
void BilinearFill(const std::uint8_t* src, std::int32_t width, std::int32_t height,
                  std::uint8_t* dst, std::int32_t outWidth, std::int32_t outHeight,
                  unsigned maxThreads = 0);

// The same for the picture as view shows it (TurnView): every byte equals the fill of the
// picture CopyTurned makes, without making it.
void BilinearFill(const std::uint8_t* src, const TurnedView& view, std::uint8_t* dst,
                  std::int32_t outWidth, std::int32_t outHeight, unsigned maxThreads = 0);

// Only window of the fill of view to fullWidth x fullHeight, into rows of dstStride bytes
// from dst: every byte equals the whole fill's, and the cost follows the window alone.
void BilinearFill(const std::uint8_t* src, const TurnedView& view, std::int32_t fullWidth,
                  std::int32_t fullHeight, const PixelWindow& window, std::uint8_t* dst,
                  std::size_t dstStride, unsigned maxThreads = 0);
