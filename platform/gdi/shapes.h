// Lines, polygons and rectangles drawn with the selected pen and brush.
#pragma once

#include <span>

#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"

namespace velinor {

// Joins the points in order with the pen. Each segment leaves out its last pixel, so the whole
// polyline leaves out only its final point; the pixels of a segment are the same whichever end
// it starts from. A dashed pen runs its pattern (18 on, 6 off) on along the polyline; its gaps
// take the background colour when the background mode is opaque.
void Polyline(DC& dc, std::span<const Point> points);

// Fills the closed outline with the brush (alternate rule: a pixel whose centre lies inside),
// then draws the outline with the pen, closing edge included.
void Polygon(DC& dc, std::span<const Point> points);

// Outlines (left, top)..(right - 1, bottom - 1) with the pen and fills the inside with the brush.
void Rectangle(DC& dc, int left, int top, int right, int bottom);

}  // namespace velinor
