#include "platform/window/controls.h"

#include <algorithm>

#include "platform/gdi/blit.h"
#include "platform/gdi/text.h"
#include "platform/window/messages.h"
#include "platform/window/theme.h"

namespace velinor {
namespace {

constexpr int RadioSize = 9;
constexpr int RadioGap = 3;
constexpr int ThumbWidth = 2;

// The ring and the dot of a radio button, row by row: small, to leave its text the room the
// dialog units give it.
constexpr const char* RadioRing[RadioSize] = {
    "..#####..", ".#.....#.", "#.......#", "#.......#", "#.......#",
    "#.......#", "#.......#", ".#.....#.", "..#####..",
};
constexpr const char* RadioDot[RadioSize] = {
    ".........", ".........", "...###...", "..#####..", "..#####..",
    "..#####..", "...###...", ".........", ".........",
};

void DrawPixelMap(DC& dc, const char* const* rows, int left, int top, COLORREF colour) {
    for (int y = 0; y < RadioSize; ++y) {
        for (int x = 0; x < RadioSize; ++x) {
            if (rows[y][x] == '#') SetPixel(dc, left + x, top + y, colour);
        }
    }
}

bool IsMultiLine(const Control& c) {
    return (c.style & ES_MULTILINE) != 0;
}

// The frame and one pixel of paper: the narrow edits of the Options dialog need every column.
// A multi-line edit shows as many whole lines as fit, none cut at its foot; when its text is
// taller than that, the scroll thumb takes its columns, leaving the pixel of paper before it.
Rect EditTextArea(const Control& c) {
    Rect area{c.rect.left + 2, c.rect.top + 2, c.rect.right - 2, c.rect.bottom - 2};
    if (!IsMultiLine(c)) return area;
    const int line = TextLineHeight();
    area.bottom = area.top + std::max(0, area.Height()) / line * line;
    if (MeasureText(c.text, area.Width(), TextWordBreak).height > area.Height())
        area.right -= ThumbWidth;
    return area;
}

unsigned EditFormat(const Control& c) {
    unsigned format = (c.style & ES_RIGHT) != 0    ? TextRight
                      : (c.style & ES_CENTER) != 0 ? TextCentre
                                                   : TextLeft;
    // A multi-line edit clips to its whole lines itself (DrawEdit).
    return format | (IsMultiLine(c) ? TextWordBreak | TextNoClip : TextSingleLine | TextVCentre);
}

// Drawn over the erased background only: a radio's rectangle may overlap its neighbours'.
void DrawRadio(DC& dc, const Control& c) {
    int top = c.rect.top + (c.rect.Height() - RadioSize) / 2;
    FillSolid(dc, {c.rect.left + 1, top + 1, c.rect.left + RadioSize - 1, top + RadioSize - 1},
              c.pressed ? FrameLineColour : PaperColour);
    DrawPixelMap(dc, RadioRing, c.rect.left, top, InkColour);
    if (c.checked) DrawPixelMap(dc, RadioDot, c.rect.left, top, InkColour);
    Rect label{c.rect.left + RadioSize + RadioGap, c.rect.top, c.rect.right, c.rect.bottom};
    DrawLabel(dc, c.text, label, InkColour, TextLeft | TextVCentre);
}

void DrawGroupBox(DC& dc, const Control& c) {
    int mid = c.rect.top + TextLineHeight() / 2;
    FrameSolid(dc, {c.rect.left, mid, c.rect.right, c.rect.bottom}, FrameLineColour);
    if (c.text.empty()) return;
    int width = std::min(TextWidth(c.text) + 4, c.rect.Width() - 12);
    Rect label{c.rect.left + 6, c.rect.top, c.rect.left + 6 + width, c.rect.top + TextLineHeight()};
    FillSolid(dc, label, PaperColour);
    DrawLabel(dc, c.text, {label.left + 2, label.top, label.right, label.bottom}, InkColour,
              TextLeft);
}

// How far the text is scrolled, as a thin bar along the right (or bottom) edge.
void DrawScrollThumb(DC& dc, const Control& c, Point most) {
    Rect track{c.rect.left + 1, c.rect.top + 1, c.rect.right - 1, c.rect.bottom - 1};
    bool vertical = most.y > 0;
    int length = vertical ? track.Height() : track.Width();
    int hidden = vertical ? most.y : most.x;
    int thumb = std::max(6, length * length / (length + hidden));
    int at = (length - thumb) * (vertical ? c.scroll.y : c.scroll.x) / hidden;
    Rect bar = vertical ? Rect{track.right - ThumbWidth, track.top + at, track.right,
                               track.top + at + thumb}
                        : Rect{track.left + at, track.bottom - ThumbWidth, track.left + at + thumb,
                               track.bottom};
    FillSolid(dc, bar, FrameLineColour);
}

void DrawEdit(DC& dc, const Control& c) {
    FillSolid(dc, c.rect, PaperColour);
    FrameSolid(dc, c.rect, FrameLineColour);
    Rect area = EditTextArea(c);
    Point most = MaxScroll(c);
    Rect layout{area.left - c.scroll.x, area.top - c.scroll.y, area.right + most.x - c.scroll.x,
                area.bottom + most.y - c.scroll.y};
    // Lines of a multi-line edit are whole; a glyph reaching past its pen into the margin
    // (a "j" at the left) still shows whole.
    const Rect clipArea =
        IsMultiLine(c) ? Rect{c.rect.left + 1, area.top, c.rect.right - 1, area.bottom} : area;
    {
        ClipScope clip(dc, clipArea);
        dc.SetBkMode(BkMode::Transparent);
        dc.SetTextColor(InkColour);
        DrawText(dc, c.text, layout, EditFormat(c));
    }
    if (most != Point{}) DrawScrollThumb(dc, c, most);
}

void DrawStaticText(DC& dc, const Control& c) {
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(InkColour);
    unsigned align = (c.style & SS_CENTER) != 0 ? TextCentre : TextLeft;
    DrawText(dc, c.text, c.rect, align | TextWordBreak);
}

}  // namespace

ControlKind KindOf(ControlClass controlClass, uint32_t style) {
    switch (controlClass) {
        case ControlClass::Button:
            switch (style & BS_TYPEMASK) {
                case BS_AUTORADIOBUTTON:
                    return ControlKind::RadioButton;
                case BS_GROUPBOX:
                    return ControlKind::GroupBox;
                default:
                    return ControlKind::PushButton;
            }
        case ControlClass::Edit:
            return ControlKind::Edit;
        case ControlClass::Static:
            return (style & 0x1F) == SS_BITMAP ? ControlKind::Picture : ControlKind::Label;
    }
    return ControlKind::Label;
}

bool TakesTaps(const Control& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton;
}

GroupRange GroupOf(std::span<const Control> controls, size_t index) {
    if (index >= controls.size()) return {controls.size(), controls.size()};
    size_t first = index;
    while (first > 0 && (controls[first].style & WS_GROUP) == 0)
        --first;
    size_t end = first + 1;
    while (end < controls.size() && (controls[end].style & WS_GROUP) == 0)
        ++end;
    return {first, end};
}

Point MaxScroll(const Control& edit) {
    if (edit.kind != ControlKind::Edit) return {};
    Rect area = EditTextArea(edit);
    if (IsMultiLine(edit)) {
        int height = MeasureText(edit.text, area.Width(), EditFormat(edit)).height;
        return {0, std::max(0, height - area.Height())};
    }
    if ((edit.style & ES_AUTOHSCROLL) == 0) return {};
    return {std::max(0, TextWidth(edit.text) - area.Width()), 0};
}

Point ClampScroll(const Control& edit, Point scroll) {
    const Point most = MaxScroll(edit);
    scroll = {std::clamp(scroll.x, 0, most.x), std::clamp(scroll.y, 0, most.y)};
    if (IsMultiLine(edit)) {
        // The nearest whole line; most.y is a whole number of lines, so this stays within it.
        const int line = TextLineHeight();
        scroll.y = (scroll.y + line / 2) / line * line;
    }
    return scroll;
}

void DrawControl(DC& dc, const Control& control) {
    ClipScope clip(dc, control.rect);
    switch (control.kind) {
        case ControlKind::PushButton:
            DrawButtonFace(dc, control.rect, control.text, control.pressed);
            break;
        case ControlKind::RadioButton:
            DrawRadio(dc, control);
            break;
        case ControlKind::GroupBox:
            DrawGroupBox(dc, control);
            break;
        case ControlKind::Edit:
            DrawEdit(dc, control);
            break;
        case ControlKind::Label:
            DrawStaticText(dc, control);
            break;
        case ControlKind::Picture:
            break;  // the dialog paints it
    }
}

}  // namespace velinor
