#include "tests/support/TestJpeg.h"

#include "portable/DibLayout.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

std::string Be16(unsigned v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Segment(unsigned char marker, const std::string& body)
{
    return std::string{'\xFF', static_cast<char>(marker)} +
           Be16(static_cast<unsigned>(body.size() + 2)) + body;
}

// A table of one 1-bit code, "0", for symbol 0: as a DC table a difference of category 0, as
// an AC table the end of the block.
std::string OneCodeTable(char tableClass)
{
    return std::string{tableClass, '\1'} + std::string(15, '\0') + '\0';
}

}  // namespace

std::string MidGreyJpeg(std::uint16_t width, std::uint16_t height, JpegKind kind,
                        bool progressive)
{
    const char components = kind == JpegKind::Colour ? 3 : 1;
    std::string frame = '\x08' + Be16(height) + Be16(width) + components;
    std::string scan(1, components);
    for (char id = 1; id <= components; ++id) {
        frame += std::string{id, '\x11', '\0'};
        scan += std::string{id, '\0'};
    }
    // The spectral range: all 64 coefficients, or the DC alone.
    scan += std::string{'\0', progressive ? '\0' : '\x3F', '\0'};

    // Every code is "0", so the coded data is zero bytes and needs no stuffing; the last
    // byte is padded with one-bits.
    const std::uint64_t bits = std::uint64_t{(width + 7u) / 8u} * ((height + 7u) / 8u) *
                               components * (progressive ? 1 : 2);
    std::string data(static_cast<std::size_t>(bits / 8), '\0');
    if (bits % 8 != 0)
        data += static_cast<char>(0xFF >> (bits % 8));

    return std::string("\xFF\xD8", 2) + Segment(0xDB, '\0' + std::string(64, '\1')) +
           Segment(progressive ? 0xC2 : 0xC0, frame) +
           Segment(0xC4, OneCodeTable('\0') + OneCodeTable('\x10')) +
           Segment(0xDA, scan) + data + "\xFF\xD9";
}

std::string EncodedJpeg(int width, int height, const JpegStyle& style,
                        const std::function<std::uint32_t(int x, int y)>& colour)
{
    // The default error handler ends the program: our own settings cannot fail.
    jpeg_compress_struct info = {};
    jpeg_error_mgr errors = {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    const bool grey = style.colours == JpegColours::Greyscale;
    const bool inks = style.colours == JpegColours::Cmyk || style.colours == JpegColours::Ycck;
    info.input_components = grey ? 1 : inks ? 4 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : inks ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    switch (style.colours) {
    case JpegColours::Rgb: jpeg_set_colorspace(&info, JCS_RGB); break;
    case JpegColours::Cmyk: jpeg_set_colorspace(&info, JCS_CMYK); break;
    case JpegColours::Ycck: jpeg_set_colorspace(&info, JCS_YCCK); break;
    default: break;
    }
    jpeg_set_quality(&info, 95, TRUE);
    info.comp_info[0].h_samp_factor = style.hSample;
    info.comp_info[0].v_samp_factor = style.vSample;
    if (style.progressive)
        jpeg_simple_progression(&info);
    info.arith_code = style.arithmetic ? TRUE : FALSE;
    info.restart_in_rows = style.restartRows;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * info.input_components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = colour(x, y);
            JSAMPLE* pixel = &row[static_cast<std::size_t>(x) * info.input_components];
            const JSAMPLE red = static_cast<JSAMPLE>(rgb >> 16);
            const JSAMPLE green = static_cast<JSAMPLE>(rgb >> 8);
            const JSAMPLE blue = static_cast<JSAMPLE>(rgb);
            if (grey) {
                pixel[0] = green;
            } else {
                // Inverted inks of red, green, blue and no black are the colours themselves.
                pixel[0] = red;
                pixel[1] = green;
                pixel[2] = blue;
                if (inks)
                    pixel[3] = 255;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string file(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return file;
}

std::uint32_t JpegRows::Pixel(std::uint32_t x, std::uint32_t y) const
{
    const std::uint8_t* p = &bytes[(height - 1 - y) * stride + x * 3];
    return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

JpegRows DecodedJpeg(const std::string& file, JpegPart part, std::size_t memoryLimit)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.data());
    JpegSides sides;
    if (part.width == 0 && JpegReadSides(data, file.size(), &sides)) {
        part.width = sides.width[part.scale - 1];
        part.height = sides.height[part.scale - 1];
    }
    JpegRows rows{part.width, part.height, static_cast<std::size_t>(DibStride(part.width, 24)), {}};
    rows.bytes.resize(rows.stride * part.height + 1);
    std::uint8_t* top = rows.bytes.data() + rows.stride * (part.height > 0 ? part.height - 1 : 0);
    if (!JpegDecode(data, file.size(), &part, memoryLimit, top,
                    -static_cast<std::ptrdiff_t>(rows.stride)))
        rows.bytes.clear();
    else
        rows.bytes.pop_back();
    return rows;
}
