// The look of the toolkit: colours, sizes, and the pieces every window draws the same way.
#pragma once

#include <string_view>

#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"

namespace velinor {

constexpr COLORREF InkColour = RGB(0, 0, 0);
constexpr COLORREF PaperColour = RGB(255, 255, 255);
constexpr COLORREF CaptionColour = RGB(0, 0, 128);      // captions and highlighted items
constexpr COLORREF BarColour = RGB(192, 192, 192);      // the command bar, as the toolbar images
constexpr COLORREF BarEdgeColour = RGB(132, 130, 132);  // its lower edge, separators
constexpr COLORREF FrameLineColour = RGB(128, 128, 128);
constexpr COLORREF ShadowColour = RGB(64, 64, 64);

constexpr int CaptionHeight = 18;
constexpr int ShadowOffset = 2;

const Brush& WindowBackground();
const Brush& DesktopBrush();
const Brush& ShadowBrush();

void FillSolid(DC& dc, const Rect& rect, COLORREF colour);
void FrameSolid(DC& dc, const Rect& rect, COLORREF colour);

// Narrows where the context draws to a logical rectangle for as long as the object lives.
class ClipScope {
  public:
    ClipScope(DC& dc, const Rect& logical);
    ~ClipScope() { dc_.SetClipRect(previous_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    DC& dc_;
    Rect previous_;
};

// One line of text in a rectangle, transparent, in the given colour and alignment.
void DrawLabel(DC& dc, std::string_view text, const Rect& rect, COLORREF colour, unsigned format);

// A push button: a black outline with its corners cut, the text centred; inverted when pressed.
void DrawButtonFace(DC& dc, const Rect& rect, std::string_view text, bool pressed);

// The frame of a popup window (dialog, message box) of this size: an outline and the caption
// bar with its title and, when asked, the "ok" button that confirms the dialog.
void DrawPopupFrame(DC& dc, Size size, std::string_view caption, bool okButton);
// The caption's "ok" button in window pixels.
Rect CaptionOkRect(Size size);
// The client area inside a popup frame of this size, in window pixels.
Rect PopupClientArea(Size size);
// The size of a popup frame around a client area of this size.
Size PopupSizeFor(Size client);

}  // namespace velinor
