// A sheet of whole frames side by side, each under a caption, for a person to look at.
#pragma once

#include <string>

#include "platform/gdi/gdi.h"

namespace velinor::test {

class FrameSheet {
  public:
    // Room for `count` frames of `frameSize`, `columns` to a row, a gap around each.
    FrameSheet(int count, int columns, Size frameSize, int gap);
    FrameSheet(const FrameSheet&) = delete;  // its context draws on its own sheet
    FrameSheet& operator=(const FrameSheet&) = delete;

    // Frame `index`: `source` of `image` copied (scaled to the frame size) under its caption.
    void Place(int index, const std::string& caption, const Bitmap& image, const Rect& source);

    // Writes the sheet as a PNG; false after telling standard error why not.
    bool Save(const std::string& path, const char* program) const;

  private:
    static constexpr int CaptionHeight = 16;
    int columns_;
    Size frame_;
    int gap_;
    Bitmap sheet_;
    DC dc_;
};

}  // namespace velinor::test
