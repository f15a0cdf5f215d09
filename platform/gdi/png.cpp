#include "platform/gdi/png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace velinor {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// Pixels in one byte each (index or channel), row by row, as libpng reads and writes them
// after packing is switched on.
struct Raster {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    bool indexed = false;
    std::vector<png_color> palette;
    std::vector<unsigned char> bytes;  // indexed: 1 per pixel; else 3 per pixel
    std::vector<png_bytep> rows;
    PngTexts texts;
};

void PrepareRows(Raster& r) {
    const size_t stride = static_cast<size_t>(r.width) * (r.indexed ? 1 : 3);
    r.bytes.assign(stride * r.height, 0);
    r.rows.resize(r.height);
    for (int y = 0; y < r.height; ++y)
        r.rows[y] = r.bytes.data() + stride * y;
}

// Errors go back by longjmp and the caller words them; libpng itself prints nothing.
void QuietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void QuietWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp: these two keep no C++ objects of their own, so nothing is
// skipped when it jumps; what they fill lives in the caller.
bool WriteRaster(FILE* file, Raster* r, std::vector<png_text>* texts) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, r->width, r->height, r->indexed ? r->bitDepth : 8,
                 r->indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (r->indexed) png_set_PLTE(png, info, r->palette.data(), static_cast<int>(r->palette.size()));
    if (!texts->empty()) png_set_text(png, info, texts->data(), static_cast<int>(texts->size()));
    png_write_info(png, info);
    if (r->indexed && r->bitDepth < 8) png_set_packing(png);
    png_write_image(png, r->rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ReadRaster(FILE* file, Raster* r) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    r->width = static_cast<int>(png_get_image_width(png, info));
    r->height = static_cast<int>(png_get_image_height(png, info));
    r->bitDepth = png_get_bit_depth(png, info);
    r->indexed = png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE;
    if (r->indexed) {
        png_colorp entries = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &entries, &count);
        r->palette.assign(entries, entries + count);
        png_set_packing(png);
    } else {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_strip_alpha(png);
        png_set_gray_to_rgb(png);
    }
    png_read_update_info(png, info);
    PrepareRows(*r);
    png_read_image(png, r->rows.data());
    png_read_end(png, info);
    png_textp text = nullptr;
    int count = 0;
    png_get_text(png, info, &text, &count);
    for (int i = 0; i < count; ++i)
        r->texts[text[i].key] = std::string(text[i].text, text[i].text_length);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void Fail(std::string* error, const std::string& message) {
    if (error) *error = message;
}

}  // namespace

bool SavePng(const Bitmap& bitmap, const std::string& path, std::string* error,
             const PngTexts& texts) {
    if (bitmap.Width() == 0 || bitmap.Height() == 0) {
        Fail(error, path + ": an empty image cannot be written");
        return false;
    }
    Raster r;
    r.width = bitmap.Width();
    r.height = bitmap.Height();
    r.indexed = bitmap.HasPalette();
    r.bitDepth = r.indexed ? bitmap.BitsPerPixel() : 8;
    for (COLORREF c : bitmap.Palette())
        r.palette.push_back({static_cast<png_byte>(GetRValue(c)),
                             static_cast<png_byte>(GetGValue(c)),
                             static_cast<png_byte>(GetBValue(c))});
    PrepareRows(r);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const uint32_t v = bitmap.Row(y)[x];
            if (r.indexed) {
                r.rows[y][x] = static_cast<unsigned char>(v);
            } else {
                r.rows[y][3 * x] = static_cast<unsigned char>(GetRValue(v));
                r.rows[y][3 * x + 1] = static_cast<unsigned char>(GetGValue(v));
                r.rows[y][3 * x + 2] = static_cast<unsigned char>(GetBValue(v));
            }
        }
    std::vector<png_text> chunks;
    for (const auto& [key, value] : texts) {
        png_text t{};
        t.compression = PNG_TEXT_COMPRESSION_NONE;
        t.key = const_cast<char*>(key.c_str());
        t.text = const_cast<char*>(value.c_str());
        t.text_length = value.size();
        chunks.push_back(t);
    }
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        Fail(error, path + ": cannot be opened for writing");
        return false;
    }
    if (!WriteRaster(file.get(), &r, &chunks)) {
        Fail(error, path + ": writing the PNG failed");
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        Fail(error, path + ": writing the PNG failed");
        return false;
    }
    return true;
}

std::optional<Bitmap> LoadPng(const std::string& path, std::string* error, PngTexts* texts) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        Fail(error, path + ": cannot be opened");
        return std::nullopt;
    }
    Raster r;
    if (!ReadRaster(file.get(), &r)) {
        Fail(error, path + ": not a readable PNG");
        return std::nullopt;
    }
    std::vector<COLORREF> palette;
    for (const png_color& c : r.palette)
        palette.push_back(RGB(c.red, c.green, c.blue));
    const int depth = !r.indexed ? 24 : (r.bitDepth == 2 ? 4 : r.bitDepth);
    Bitmap bitmap(r.width, r.height, depth, std::move(palette));
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const unsigned char* p = r.rows[y] + (r.indexed ? x : 3 * x);
            bitmap.Row(y)[x] = r.indexed ? p[0] : RGB(p[0], p[1], p[2]);
        }
    if (texts) *texts = r.texts;
    return bitmap;
}

}  // namespace velinor
