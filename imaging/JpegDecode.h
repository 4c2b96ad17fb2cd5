/* JPEG files decoded by libjpeg-turbo, at a reduced scale and in part. libjpeg reports its
   errors by longjmp: they all end inside JpegDecode.c, so every call here simply answers 0
   for a picture libjpeg refuses, and nothing of libjpeg's is seen outside. */
#pragma once
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* libjpeg-turbo decodes at M/8 of the stored size, M = 1 to 8. */
enum { kJpegScales = 8 };

/* The sides of the picture decoded at (i + 1)/8: [kJpegScales - 1] is its own size. */
typedef struct JpegSides {
    uint32_t width[kJpegScales];
    uint32_t height[kJpegScales];
} JpegSides;

/* Reads the header of the file's size bytes: 1 when libjpeg-turbo can decode the picture
   into colours (greyscale, YCbCr, RGB, CMYK or YCCK, 8 bits), else 0. */
int JpegReadSides(const uint8_t* file, size_t size, JpegSides* sides);

/* The smallest M whose sides are at least width x height, or 8. */
int JpegCoveringScale(const JpegSides* sides, uint64_t width, uint64_t height);

/* A part of the picture decoded at scale/8, counted from its top-left corner. */
typedef struct JpegPart {
    int scale;
    uint32_t left;
    uint32_t top;
    uint32_t width;
    uint32_t height;
} JpegPart;

/* Decodes part as blue, green, red bytes: its top row at first, each next row rowStep bytes
   further (negative for bottom-up rows). Rows libjpeg skips or crops are never made.
   memoryLimit caps libjpeg's own memory (a progressive picture's whole coefficients);
   0 when the picture is refused, corrupt beyond what libjpeg can show or the part lies
   outside it (the rows then hold whatever was decoded). */
int JpegDecode(const uint8_t* file, size_t size, const JpegPart* part, size_t memoryLimit,
               uint8_t* first, ptrdiff_t rowStep);

#ifdef __cplusplus
}
#endif
