#include "platform/gdi/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/gdi/raster.h"

namespace velinor {
namespace {

// UTF-8 to Latin-1: code points above 255 and broken sequences become '?'.
std::string ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80         ? 0
                    : (lead >> 5) == 6  ? 1
                    : (lead >> 4) == 14 ? 2
                    : (lead >> 3) == 30 ? 3
                                        : -1;
        if (extra < 0 || i + extra >= utf8.size()) {
            out.push_back('?');
            ++i;
            continue;
        }
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        bool broken = false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) broken = true;
            code = (code << 6) | (next & 0x3F);
        }
        if (broken) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        i += extra + 1;
    }
    return out;
}

int Advance(unsigned char c) {
    return SystemFont().advances[c];
}

int Latin1Width(std::string_view text) {
    int width = 0;
    for (char c : text)
        width += Advance(static_cast<unsigned char>(c));
    return width;
}

// A laid-out line: a view into the Latin-1 text its layout was made from.
struct Line {
    std::string_view text;
    int width;
};

// Words joined by their single spaces are the paragraph's own characters, so each line is a view
// into it; a line that would start with a space starts at the next word instead.
void AddWrapped(std::vector<Line>& lines, std::string_view paragraph, int width) {
    size_t lineStart = 0, lineEnd = 0;  // the line so far
    size_t start = 0;
    while (start <= paragraph.size()) {
        size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) end = paragraph.size();
        const bool empty = lineEnd == lineStart;
        const size_t from = empty ? start : lineStart;
        if (!empty && Latin1Width(paragraph.substr(from, end - from)) > width) {
            const std::string_view line = paragraph.substr(lineStart, lineEnd - lineStart);
            lines.push_back({line, Latin1Width(line)});
            lineStart = start;
        } else {
            lineStart = from;
        }
        lineEnd = end;
        start = end + 1;
    }
    const std::string_view line = paragraph.substr(lineStart, lineEnd - lineStart);
    lines.push_back({line, Latin1Width(line)});
}

// text: Latin-1, and without CR or LF for a single line.
std::vector<Line> Layout(std::string_view text, int width, unsigned format) {
    std::vector<Line> lines;
    const auto add = [&](std::string_view paragraph) {
        if (format & TextWordBreak)
            AddWrapped(lines, paragraph, width);
        else
            lines.push_back({paragraph, Latin1Width(paragraph)});
    };
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        add(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    add(text.substr(start));
    return lines;
}

// The text to lay out: Latin-1, its line breaks dropped when it is to stay on one line.
std::string LayoutText(std::string_view utf8, unsigned format) {
    std::string text = ToLatin1(utf8);
    if (format & TextSingleLine) std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

// Each glyph row as a mask of its set pixels (bit gx for column gx), made once from the sheet:
// text is drawn on every clock tick, and most of a glyph's cell is blank.
const std::vector<uint64_t>& GlyphRows() {
    static const std::vector<uint64_t> rows = [] {
        const FontData& font = SystemFont();
        const EmbeddedImage& sheet = *font.sheet;
        std::vector<uint64_t> masks(static_cast<size_t>(256) * font.cellHeight);
        for (int c = 0; c < 256; ++c)
            for (int gy = 0; gy < font.cellHeight; ++gy) {
                const uint8_t* row =
                    sheet.pixels +
                    static_cast<size_t>((c / 16) * font.cellHeight + gy) * sheet.width +
                    (c % 16) * font.cellWidth;
                uint64_t& mask = masks[static_cast<size_t>(c) * font.cellHeight + gy];
                for (int gx = 0; gx < font.cellWidth; ++gx)
                    if (row[gx] != 0) mask |= uint64_t{1} << gx;
            }
        return masks;
    }();
    return rows;
}

void DrawGlyph(Bitmap& target, const Rect& clip, int64_t penX, int64_t top, unsigned char c,
               uint32_t ink) {
    const FontData& font = SystemFont();
    // The part of the cell inside the clip, worked out once: the pixel loop then visits only
    // the glyph's set pixels.
    const int64_t left = penX - font.originX;
    const int firstX = static_cast<int>(std::clamp<int64_t>(clip.left - left, 0, font.cellWidth));
    const int endX = static_cast<int>(std::clamp<int64_t>(clip.right - left, 0, font.cellWidth));
    const int firstY = static_cast<int>(std::clamp<int64_t>(clip.top - top, 0, font.cellHeight));
    const int endY = static_cast<int>(std::clamp<int64_t>(clip.bottom - top, 0, font.cellHeight));
    if (firstX >= endX) return;
    const uint64_t inside = (~uint64_t{0} >> (64 - (endX - firstX))) << firstX;
    const uint64_t* rows = GlyphRows().data() + static_cast<size_t>(c) * font.cellHeight;
    for (int gy = firstY; gy < endY; ++gy) {
        uint32_t* out = target.Row(static_cast<int>(top + gy)) + left;
        for (uint64_t set = rows[gy] & inside; set != 0; set &= set - 1)
            out[std::countr_zero(set)] = ink;
    }
}

}  // namespace

int TextLineHeight() {
    return SystemFont().lineHeight;
}

int TextWidth(std::string_view utf8) {
    return Latin1Width(ToLatin1(utf8));
}

Size MeasureText(std::string_view utf8, int width, unsigned format) {
    const std::string text = LayoutText(utf8, format);
    const std::vector<Line> lines = Layout(text, width, format);
    Size size{0, static_cast<int>(lines.size()) * TextLineHeight()};
    for (const Line& line : lines)
        if (line.width > size.width) size.width = line.width;
    return size;
}

int DrawText(DC& dc, std::string_view utf8, const Rect& rect, unsigned format) {
    const int64_t width = int64_t{rect.right} - rect.left;
    const int64_t height = int64_t{rect.bottom} - rect.top;
    const std::string text = LayoutText(utf8, format);
    const std::vector<Line> lines =
        Layout(text, static_cast<int>(std::clamp<int64_t>(width, 0, INT32_MAX)), format);
    const int lineHeight = TextLineHeight();
    const int total = static_cast<int>(lines.size()) * lineHeight;
    if (dc.SelectedBitmap() == nullptr) return total;
    Bitmap& target = *dc.SelectedBitmap();
    Rect clip = dc.DeviceClip();
    if (!(format & TextNoClip))
        clip = Intersect(clip, raster::ClipLogical(dc, rect.left, rect.top, width, height));
    if (clip.IsEmpty()) return total;

    // Device positions in 64 bits: a rectangle far outside must not overflow.
    int64_t top = int64_t{rect.top} + dc.ViewportOrg().y;
    if (format & TextVCentre)
        top += (height - total) / 2;
    else if (format & TextBottom)
        top += height - total;
    const uint32_t ink = target.ValueOf(dc.TextColor());
    const Brush background = CreateSolidBrush(dc.BkColor());
    for (const Line& line : lines) {
        int64_t left = int64_t{rect.left} + dc.ViewportOrg().x;
        if (format & TextRight)
            left += width - line.width;
        else if (format & TextCentre)
            left += (width - line.width) / 2;
        if (dc.GetBkMode() == BkMode::Opaque) {
            const int64_t box[4] = {std::max<int64_t>(left, clip.left),
                                    std::max<int64_t>(top, clip.top),
                                    std::min<int64_t>(left + line.width, clip.right),
                                    std::min<int64_t>(top + lineHeight, clip.bottom)};
            if (box[0] < box[2] && box[1] < box[3])
                raster::PatternFill(target,
                                    {static_cast<int>(box[0]), static_cast<int>(box[1]),
                                     static_cast<int>(box[2]), static_cast<int>(box[3])},
                                    background, Rop::PatCopy);
        }
        int64_t pen = left;
        for (char c : line.text) {
            DrawGlyph(target, clip, pen, top, static_cast<unsigned char>(c), ink);
            pen += Advance(static_cast<unsigned char>(c));
        }
        top += lineHeight;
    }
    return total;
}

}  // namespace velinor
