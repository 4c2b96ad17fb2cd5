/* The only file that calls libjpeg-turbo. Its errors arrive by longjmp; each public function
   keeps the decoder in its own frame and hands it to a second function that holds the
   setjmp, so what libjpeg changed is still defined after the jump, and the decoder is
   destroyed on every path. This file is C: no destructor can be skipped. */
#include "imaging/JpegDecode.h"

#include <limits.h>
#include <setjmp.h>
#include <stdio.h> /* jpeglib.h names FILE */
#include <string.h>

#include <jpeglib.h>

/* No encoder makes more scans; each scan of a progressive picture is a pass over all of it,
   so a hostile file of many small scans could take minutes. */
enum { kMaxScans = 500 };
/* Pixels a cropped row reaches past the part on each side. */
enum { kCropMargin = 2 };

typedef struct Failure {
    struct jpeg_error_mgr manager; /* first: libjpeg hands back its address */
    jmp_buf jump;
} Failure;

typedef struct Decoder {
    struct jpeg_decompress_struct info;
    Failure failure;
    struct jpeg_progress_mgr progress;
} Decoder;

static void Fail(j_common_ptr info)
{
    longjmp(((Failure*)info->err)->jump, 1);
}

/* Warnings (corrupt data libjpeg works round) are not shown: there is no console. */
static void Quiet(j_common_ptr info)
{
    (void)info;
}

static void LimitScans(j_common_ptr info)
{
    if (((j_decompress_ptr)info)->input_scan_number > kMaxScans)
        Fail(info);
}

/* The header read and the colours chosen; every failure jumps to d->failure.jump. */
static void Open(Decoder* d, const uint8_t* file, size_t size)
{
    memset(&d->info, 0, sizeof d->info);
    memset(&d->progress, 0, sizeof d->progress);
    d->info.err = jpeg_std_error(&d->failure.manager);
    d->failure.manager.error_exit = Fail;
    d->failure.manager.output_message = Quiet;
    jpeg_create_decompress(&d->info);
    d->progress.progress_monitor = LimitScans;
    d->info.progress = &d->progress;
    if (size > ULONG_MAX)
        Fail((j_common_ptr)&d->info);
    jpeg_mem_src(&d->info, file, (unsigned long)size);
    jpeg_read_header(&d->info, TRUE);
    switch (d->info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        d->info.out_color_space = JCS_EXT_BGR; /* a DIB's byte order */
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d->info.out_color_space = JCS_CMYK;
        break;
    default:
        Fail((j_common_ptr)&d->info);
    }
}

static void CalcSides(Decoder* d, JpegSides* sides)
{
    int i;
    for (i = 0; i < kJpegScales; ++i) {
        d->info.scale_num = (unsigned)(i + 1);
        d->info.scale_denom = kJpegScales;
        jpeg_calc_output_dimensions(&d->info);
        sides->width[i] = d->info.output_width;
        sides->height[i] = d->info.output_height;
    }
}

/* The functions holding a setjmp change no local of their own after it. */
static int ReadSides(Decoder* d, const uint8_t* file, size_t size, JpegSides* sides)
{
    if (setjmp(d->failure.jump)) {
        jpeg_destroy_decompress(&d->info);
        return 0;
    }
    Open(d, file, size);
    CalcSides(d, sides);
    jpeg_destroy_decompress(&d->info);
    return 1;
}

int JpegReadSides(const uint8_t* file, size_t size, JpegSides* sides)
{
    Decoder d;
    return ReadSides(&d, file, size, sides);
}

int JpegCoveringScale(const JpegSides* sides, uint64_t width, uint64_t height)
{
    int i;
    for (i = 0; i < kJpegScales - 1; ++i) {
        if (sides->width[i] >= width && sides->height[i] >= height)
            return i + 1;
    }
    return kJpegScales;
}

/* Adobe's files store each ink inverted (255: none), as nearly every CMYK JPEG is written. */
static void CmykToBgr(const JSAMPLE* cmyk, uint8_t* bgr, uint32_t pixels, int inverted)
{
    const unsigned flip = inverted ? 0u : 255u;
    uint32_t i;
    for (i = 0; i < pixels; ++i, cmyk += 4, bgr += 3) {
        const unsigned white = cmyk[3] ^ flip;
        bgr[0] = (uint8_t)(((cmyk[2] ^ flip) * white + 127) / 255);
        bgr[1] = (uint8_t)(((cmyk[1] ^ flip) * white + 127) / 255);
        bgr[2] = (uint8_t)(((cmyk[0] ^ flip) * white + 127) / 255);
    }
}

static void DecodeRows(Decoder* d, const JpegPart* part, size_t memoryLimit, uint8_t* first,
                       ptrdiff_t rowStep)
{
    JDIMENSION left;
    JDIMENSION width;
    JDIMENSION right;
    JSAMPROW buffer = NULL;
    int channels;
    uint32_t y;
    d->info.mem->max_memory_to_use = memoryLimit < (size_t)LONG_MAX ? (long)memoryLimit : LONG_MAX;
    d->info.scale_num = (unsigned)part->scale;
    d->info.scale_denom = kJpegScales;
    jpeg_start_decompress(&d->info);
    if (part->width == 0 || part->height == 0 || part->width > d->info.output_width ||
        part->left > d->info.output_width - part->width ||
        part->height > d->info.output_height ||
        part->top > d->info.output_height - part->height)
        Fail((j_common_ptr)&d->info);

    /* Upsampled colours blend each sample with its neighbours, and libjpeg blends a cropped
       row's ends as the picture's edges: the crop reaches past the part on both sides. */
    left = part->left > kCropMargin ? part->left - kCropMargin : 0;
    right = d->info.output_width - (part->left + part->width) > kCropMargin
                ? part->left + part->width + kCropMargin
                : d->info.output_width;
    width = right - left;
    /* libjpeg starts a cropped row at the column of blocks that holds left. */
    jpeg_crop_scanline(&d->info, &left, &width);
    channels = d->info.out_color_components;
    if (channels != 3 || left != part->left || width != part->width)
        buffer = (*d->info.mem->alloc_sarray)((j_common_ptr)&d->info, JPOOL_IMAGE,
                                              width * (JDIMENSION)channels, 1)[0];
    if (part->top > 0 && jpeg_skip_scanlines(&d->info, part->top) != part->top)
        Fail((j_common_ptr)&d->info);
    for (y = 0; y < part->height; ++y) {
        uint8_t* row = first + (ptrdiff_t)y * rowStep;
        JSAMPROW target = buffer != NULL ? buffer : row;
        if (jpeg_read_scanlines(&d->info, &target, 1) != 1)
            Fail((j_common_ptr)&d->info);
        if (buffer == NULL)
            continue;
        if (channels == 4)
            CmykToBgr(buffer + (part->left - left) * 4, row, part->width,
                      d->info.saw_Adobe_marker);
        else
            memcpy(row, buffer + (part->left - left) * 3, (size_t)part->width * 3);
    }
}

static int DecodePart(Decoder* d, const uint8_t* file, size_t size, const JpegPart* part,
                      size_t memoryLimit, uint8_t* first, ptrdiff_t rowStep)
{
    if (setjmp(d->failure.jump)) {
        jpeg_destroy_decompress(&d->info);
        return 0;
    }
    Open(d, file, size);
    DecodeRows(d, part, memoryLimit, first, rowStep);
    /* The rows below the part are left undecoded: no jpeg_finish_decompress. */
    jpeg_destroy_decompress(&d->info);
    return 1;
}

int JpegDecode(const uint8_t* file, size_t size, const JpegPart* part, size_t memoryLimit,
               uint8_t* first, ptrdiff_t rowStep)
{
    Decoder d;
    if (part->scale < 1 || part->scale > kJpegScales)
        return 0;
    return DecodePart(&d, file, size, part, memoryLimit, first, rowStep);
}
