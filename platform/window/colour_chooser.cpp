#include "platform/window/colour_chooser.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/gdi/blit.h"
#include "platform/gdi/text.h"
#include "platform/window/theme.h"

namespace velinor {
namespace {

constexpr COLORREF BasicColours[48] = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
    RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
    RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
    RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
    RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
    RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 64, 64),    RGB(255, 255, 255),
};

constexpr int Columns = 8;
constexpr int CellWidth = 27;
constexpr int CellHeight = 17;
constexpr int Left = 5;
constexpr int BasicTop = 20;
constexpr int CustomTop = 142;
constexpr int SpectrumTop = 180;
constexpr int SpectrumHeight = 40;
constexpr int ClientWidth = Left * 2 + Columns * CellWidth;
constexpr int AddCustomId = 712;

int RowsTop(bool fullOpen) {
    return fullOpen ? SpectrumTop + SpectrumHeight + 6 : CustomTop + 2 * CellHeight + 6;
}

Rect CellRect(int top, int index) {
    int x = Left + (index % Columns) * CellWidth;
    int y = top + (index / Columns) * CellHeight;
    return {x, y, x + CellWidth, y + CellHeight};
}

Rect SpectrumRect() {
    return {Left, SpectrumTop, Left + Columns * CellWidth, SpectrumTop + SpectrumHeight};
}

Rect PreviewRect(bool fullOpen) {
    int top = RowsTop(fullOpen);
    return {Left, top, Left + 40, top + 20};
}

// Full hue across the spectrum, from light at the top to dark at the bottom.
COLORREF SpectrumColour(Point p) {
    Rect area = SpectrumRect();
    int hue = (p.x - area.left) * 360 / area.Width();
    int light = 230 - (p.y - area.top) * 200 / (area.Height() - 1);
    int chroma = 255 - std::abs(2 * light - 255);
    int sector = hue / 60;
    int rise = chroma * (60 - std::abs(hue % 120 - 60)) / 60;
    int rgb[3] = {0, 0, 0};
    constexpr int order[6][2] = {{0, 1}, {1, 0}, {1, 2}, {2, 1}, {2, 0}, {0, 2}};
    rgb[order[sector][0]] = chroma;
    rgb[order[sector][1]] = rise;
    int base = light - chroma / 2;
    return RGB(rgb[0] + base, rgb[1] + base, rgb[2] + base);
}

void DrawSwatch(DC& dc, const Rect& cell, COLORREF colour, bool selected) {
    Rect swatch{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2};
    FillSolid(dc, cell, PaperColour);
    if (selected) FrameSolid(dc, {cell.left, cell.top, cell.right, cell.bottom}, InkColour);
    FrameSolid(dc, swatch, selected ? InkColour : FrameLineColour);
    FillSolid(dc, {swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1}, colour);
}

Control MakeControl(ControlKind kind, int id, std::string text, Rect rect) {
    Control c;
    c.kind = kind;
    c.id = id;
    c.text = std::move(text);
    c.rect = rect;
    return c;
}

DialogLayout ChooserLayout(bool fullOpen) {
    DialogLayout layout;
    layout.caption = "Colour";
    layout.captionOk = false;
    int bottom = RowsTop(fullOpen);
    layout.client = {ClientWidth, bottom + 26};
    layout.controls.push_back(
        MakeControl(ControlKind::Label, -1, "Basic colours:", {Left, 4, ClientWidth, BasicTop}));
    layout.controls.push_back(MakeControl(
        ControlKind::Label, -1, "Custom colours:", {Left, CustomTop - 16, ClientWidth, CustomTop}));
    if (fullOpen) {
        layout.controls.push_back(MakeControl(ControlKind::PushButton, AddCustomId, "Add",
                                              {50, bottom, 90, bottom + 20}));
    }
    int right = ClientWidth - Left;
    layout.controls.push_back(MakeControl(ControlKind::PushButton, IDCANCEL, "Cancel",
                                          {right - 50, bottom, right, bottom + 20}));
    layout.controls.push_back(MakeControl(ControlKind::PushButton, IDOK, "OK",
                                          {right - 96, bottom, right - 56, bottom + 20}));
    return layout;
}

}  // namespace

ColourChooserDialog::ColourChooserDialog(const CHOOSECOLOR& record)
    : CDialog(ChooserLayout((record.Flags & CC_FULLOPEN) != 0)),
      fullOpen_((record.Flags & CC_FULLOPEN) != 0),
      colour_((record.Flags & CC_RGBINIT) != 0 ? record.rgbResult & 0xFFFFFF : RGB(0, 0, 0)) {
    if (record.lpCustColors != nullptr) {
        std::copy(record.lpCustColors, record.lpCustColors + CustomColourCount, custom_.begin());
    }
}

const MessageMap* ColourChooserDialog::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_PAINT, &ColourChooserDialog::OnPaint>,
        OnMessage<WM_LBUTTONDOWN, &ColourChooserDialog::OnStylusDown>,
        OnMessage<WM_LBUTTONDBLCLK, &ColourChooserDialog::OnStylusDown>,
        OnMessage<WM_MOUSEMOVE, &ColourChooserDialog::OnStylusMove>,
        OnMessage<WM_LBUTTONUP, &ColourChooserDialog::OnStylusUp>,
        OnCommand<AddCustomId, &ColourChooserDialog::OnAddCustom>,
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void ColourChooserDialog::SetColour(COLORREF colour) {
    colour_ = colour & 0xFFFFFF;
    InvalidatePicker();
}

void ColourChooserDialog::InvalidatePicker() {
    Rect client;
    GetClientRect(client);
    Rect picker{0, BasicTop, client.right, RowsTop(fullOpen_) + 20};
    InvalidateRect(&picker, false);
}

bool ColourChooserDialog::PickAt(Point p) {
    for (int i = 0; i < 48; ++i) {
        if (CellRect(BasicTop, i).Contains(p)) {
            SetColour(BasicColours[i]);
            return true;
        }
    }
    for (int i = 0; i < CustomColourCount; ++i) {
        if (CellRect(CustomTop, i).Contains(p)) {
            SetColour(custom_[static_cast<size_t>(i)]);
            return true;
        }
    }
    if (fullOpen_ && SpectrumRect().Contains(p)) {
        SetColour(SpectrumColour(p));
        return true;
    }
    return false;
}

void ColourChooserDialog::OnStylusDown(int x, int y) {
    picking_ = PickAt({x, y});
    if (!picking_) Default();
}

void ColourChooserDialog::OnStylusMove(int x, int y) {
    if (picking_) {
        PickAt({x, y});
    } else {
        Default();
    }
}

void ColourChooserDialog::OnStylusUp() {
    if (!std::exchange(picking_, false)) Default();
}

void ColourChooserDialog::OnAddCustom() {
    custom_[static_cast<size_t>(nextCustom_)] = colour_;
    nextCustom_ = (nextCustom_ + 1) % CustomColourCount;
    InvalidatePicker();
}

void ColourChooserDialog::OnPaint() {
    CPaintDC paint(this);
    DC& dc = paint.Context();
    for (int i = 0; i < 48; ++i) {
        DrawSwatch(dc, CellRect(BasicTop, i), BasicColours[i], BasicColours[i] == colour_);
    }
    for (int i = 0; i < CustomColourCount; ++i) {
        COLORREF c = custom_[static_cast<size_t>(i)];
        DrawSwatch(dc, CellRect(CustomTop, i), c, c == colour_);
    }
    if (fullOpen_) {
        Rect area = SpectrumRect();
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                SetPixel(dc, x, y, SpectrumColour({x, y}));
        }
    }
    Rect preview = PreviewRect(fullOpen_);
    FrameSolid(dc, preview, InkColour);
    FillSolid(dc, {preview.left + 1, preview.top + 1, preview.right - 1, preview.bottom - 1},
              colour_);
}

int ChooseColor(CHOOSECOLOR& record) {
    if (record.lStructSize != ChooseColorRecordSize || record.lpCustColors == nullptr) return 0;
    ColourChooserDialog dialog(record);
    if (dialog.DoModal() != IDOK) return 0;
    record.rgbResult = dialog.Colour();
    std::copy(dialog.CustomColours().begin(), dialog.CustomColours().end(), record.lpCustColors);
    return 1;
}

}  // namespace velinor
