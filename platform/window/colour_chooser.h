// The colour chooser: basic colours, the caller's 16 custom colours and, fully open, a spectrum.
#pragma once

#include <array>
#include <cstdint>

#include "platform/window/dialog.h"

namespace velinor {

// The record the caller fills, as the handheld's common dialog took it.
struct CHOOSECOLOR {
    uint32_t lStructSize = 0;  // must be ChooseColorRecordSize
    CWnd* hwndOwner = nullptr;
    COLORREF rgbResult = 0;            // the first colour with CC_RGBINIT; the chosen one after
    COLORREF* lpCustColors = nullptr;  // 16 custom colours; the chooser may change them
    uint32_t Flags = 0;
};

constexpr uint32_t ChooseColorRecordSize = 36;  // the record's size on the handheld
constexpr uint32_t CC_RGBINIT = 0x01;           // start from rgbResult (else black)
constexpr uint32_t CC_FULLOPEN = 0x02;          // show the spectrum too
constexpr uint32_t CC_SOLIDCOLOR = 0x80;        // solid colours only: every colour here is
constexpr int CustomColourCount = 16;

// 1 when a colour was chosen (in rgbResult, the custom colours written back); 0 when cancelled
// or when the record is wrong (size, no custom colours).
int ChooseColor(CHOOSECOLOR& record);

class ColourChooserDialog : public CDialog {
  public:
    explicit ColourChooserDialog(const CHOOSECOLOR& record);
    ModalKind Kind() const override { return ModalKind::ColourChooser; }

    COLORREF Colour() const { return colour_; }
    // Makes this the chosen colour, as picking it would.
    void SetColour(COLORREF colour);
    const std::array<COLORREF, CustomColourCount>& CustomColours() const { return custom_; }

  protected:
    const MessageMap* GetMessageMap() const override;

  private:
    void OnPaint();
    void OnStylusDown(int x, int y);
    void OnStylusMove(int x, int y);
    void OnStylusUp();
    void OnAddCustom();
    bool PickAt(Point p);
    void InvalidatePicker();

    bool fullOpen_;
    COLORREF colour_;
    std::array<COLORREF, CustomColourCount> custom_{};
    int nextCustom_ = 0;
    bool picking_ = false;
};

}  // namespace velinor
