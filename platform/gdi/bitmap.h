// Bitmaps of 1, 4, 8 and 24 bits per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/colour.h"

namespace velinor {

// Every pixel is held in 32 bits: a palette index for depths up to 8, a COLORREF for 24.
// Raster operations act on these stored values, so on a palette bitmap they combine indices.
class Bitmap {
  public:
    Bitmap() = default;
    // A size below zero counts as zero. A missing or short palette is completed with the
    // default one of the depth (black and white; the 16 standard colours; a grey ramp).
    // A depth other than 1, 4 or 8 makes a 24-bit bitmap. Pixels start at 0 (black).
    Bitmap(int width, int height, int bitsPerPixel, std::vector<COLORREF> palette = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool HasPalette() const { return bitsPerPixel_ <= 8; }
    const std::vector<COLORREF>& Palette() const { return palette_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    // Stored values, unchecked: callers stay inside Bounds() and store only values the depth
    // holds (a COLORREF for 24 bits). Taking a row to write marks it changed.
    uint32_t* Row(int y) {
        stamps_[static_cast<size_t>(y)] = generation_;
        return pixels_.data() + static_cast<size_t>(y) * width_;
    }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

    // Checked access: outside the bitmap, reads give 0 and writes do nothing.
    uint32_t Value(int x, int y) const;
    void SetValue(int x, int y, uint32_t value);

    // Copies the stored values of `src` whose top left is `from` into `area`, both inside their
    // bitmaps, `src` another bitmap. A row that still holds what the same copy put there, with
    // neither side written since, is left alone: a frame copied to the window again costs only
    // the rows that changed.
    void CopyRows(const Rect& area, const Bitmap& src, Point from);

    // The colour a stored value shows (its palette entry, or itself for 24 bits).
    COLORREF ColourOf(uint32_t value) const;
    // The value that stores a colour: itself for 24 bits, else the nearest palette entry.
    uint32_t ValueOf(COLORREF colour) const;
    // Every bit a stored value may have: 0xFFFFFF for 24 bits, 2^depth - 1 otherwise.
    uint32_t ValueMask() const { return valueMask_; }

  private:
    // A number no other bitmap holds, a copy included: a row's history is told by it.
    struct Identity {
        Identity();
        Identity(const Identity&) : Identity() {}
        Identity& operator=(const Identity&);
        uint64_t value;
    };
    // Where this bitmap's rows were last copied from, and the columns they filled.
    struct CopySource {
        uint64_t source = 0;
        Point offset;  // source position minus destination position
        int left = 0, width = 0;
        friend bool operator==(const CopySource&, const CopySource&) = default;
    };
    // What a row holds from that copy: the source's row as of a generation, and the stamp the
    // copy left on the row (None: nothing copied).
    struct RowCopy {
        static constexpr uint64_t None = ~uint64_t{0};
        uint64_t sourceGeneration = 0;
        uint64_t stamp = None;
    };

    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 24;
    uint32_t valueMask_ = 0xFFFFFF;
    std::vector<COLORREF> palette_;
    std::vector<uint32_t> pixels_;
    // Each row's stamp is the generation it was last written in; a copy out of or into the
    // bitmap starts a new generation, so a later write tells itself apart from the copy.
    Identity identity_;
    mutable uint64_t generation_ = 1;
    std::vector<uint64_t> stamps_;
    CopySource copiedFrom_;
    std::vector<RowCopy> copies_;
};

// The screen's format: what the offscreen image and the window's surface use.
inline Bitmap CreateCompatibleBitmap(int width, int height) {
    return Bitmap(width, height, 24);
}

}  // namespace velinor
