// Helpers for drawing the program's images: pixel maps from text, ink boxes, noise.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"

namespace velinor::art {

// Rows of characters, one per pixel; `inks` maps a character to the value stored, and
// characters not in it leave the pixel alone.
void Paint(Bitmap& target, int left, int top, std::initializer_list<const char*> rows,
           const std::map<char, uint32_t>& inks);

// For 1-bit maps: '#' sets, anything else leaves alone.
void PaintSet(Bitmap& target, int left, int top, std::initializer_list<const char*> rows);

// The smallest rectangle holding every non-zero pixel (empty when there is none).
Rect InkBox(const Bitmap& image);

// Copies the non-zero pixels of `ink` (its ink box) so that the box is centred in `area`.
void PasteCentred(Bitmap& target, const Rect& area, const Bitmap& ink);

// A cut of `image`.
Bitmap Crop(const Bitmap& image, const Rect& area);

// Smooth value noise in [0, 1], the same for the same arguments on every machine.
double Noise(double x, double y, uint32_t seed);
// Octaves of Noise, wrapping every `period` pixels so that a tile joins itself.
double TileNoise(double x, double y, int period, uint32_t seed, int octaves);

// A palette running through the given colours at evenly spaced stops.
std::vector<COLORREF> Ramp(int entries, std::initializer_list<COLORREF> stops);

}  // namespace velinor::art
