#include "tests/render/frame_sheet.h"

#include <iostream>

#include "platform/gdi/png.h"

namespace velinor::test {

FrameSheet::FrameSheet(int count, int columns, Size frameSize, int gap)
    : columns_(columns),
      frame_(frameSize),
      gap_(gap),
      sheet_(CreateCompatibleBitmap(
          gap + columns * (frameSize.width + gap),
          gap + (count + columns - 1) / columns * (CaptionHeight + frameSize.height + gap))),
      dc_(&sheet_) {
    FillRect(dc_, sheet_.Bounds(), CreateSolidBrush(RGB(40, 40, 48)));
    dc_.SetBkMode(BkMode::Transparent);
    dc_.SetTextColor(RGB(220, 220, 220));
}

void FrameSheet::Place(int index, const std::string& caption, const Bitmap& image,
                       const Rect& source) {
    const int left = gap_ + index % columns_ * (frame_.width + gap_);
    const int top = gap_ + index / columns_ * (CaptionHeight + frame_.height + gap_);
    DrawText(dc_, caption, {left, top, left + frame_.width, top + CaptionHeight}, TextLeft);
    StretchBlt(dc_, left, top + CaptionHeight, frame_.width, frame_.height, image, source.left,
               source.top, source.Width(), source.Height(), Rop::SrcCopy);
}

bool FrameSheet::Save(const std::string& path, const char* program) const {
    std::string error;
    if (SavePng(sheet_, path, &error)) return true;
    std::cerr << program << ": " << error << "\n";
    return false;
}

}  // namespace velinor::test
