// Modal dialogs built from templates in dialog units, with dialog data exchange.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/controls.h"
#include "platform/window/resources.h"
#include "platform/window/window.h"

namespace velinor {

// Dialog units to pixels: chosen so a dialog of 167 x 174 units fits the 240 x 320 screen.
constexpr int DialogUnitsToPixelsX(int units) {
    return (units * 14 + 5) / 10;
}
constexpr int DialogUnitsToPixelsY(int units) {
    return (units * 16 + 5) / 10;
}

// A dialog in pixels: what a template becomes, or what the platform's own boxes are made of.
struct DialogLayout {
    std::string caption;
    Size client;
    std::vector<Control> controls;
    bool captionOk = true;  // an "ok" button in the caption confirms the dialog
};

DialogLayout LayoutFromTemplate(const DialogTemplate& dialog);

enum class ModalKind { Dialog, MessageBox, ColourChooser };

class CDialog;

class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}
    CDialog& Dialog() const { return dialog_; }
    // True: controls to members; false: members to controls.
    bool SaveAndValidate() const { return saveAndValidate_; }

  private:
    CDialog& dialog_;
    bool saveAndValidate_;
};

// A control of a dialog seen as an object of its own (a button, a static control).
class CDialogItem {
  public:
    int GetDlgCtrlID() const { return id_; }
    // A context whose (0, 0) is the control's top-left pixel and which draws only inside the
    // control; null while the item is attached to no control of an open dialog.
    DC* GetDC();
    void ReleaseDC(DC* dc);
    void Attach(CDialog& dialog, int id);

  private:
    CDialog* dialog_ = nullptr;
    int id_ = 0;
    DC dc_;
};

class CStatic : public CDialogItem {};
class CButton : public CDialogItem {};

class CDialog : public CWnd {
  public:
    // The dialog of template `templateId`, found when it runs. Every dialog is modal to the
    // whole program, so the owner plays no part.
    explicit CDialog(uint32_t templateId, CWnd* owner = nullptr);

    // Runs the dialog until EndDialog; returns its result, or -1 without its template.
    int DoModal();
    void EndDialog(int result);
    // Running and not yet ended.
    bool InModal() const { return running_ && !ending_; }
    // What EndDialog was given (IDCANCEL until then).
    int Result() const { return result_; }

    bool UpdateData(bool saveAndValidate = true);
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    // The index among the radio buttons of the group holding control `id` of the checked one
    // (-1 for none), and the other way round (an index out of range checks none).
    int GetRadioIndex(int id) const;
    void SetRadioIndex(int id, int index);

    uint32_t TemplateId() const { return templateId_; }
    virtual ModalKind Kind() const { return ModalKind::Dialog; }
    std::span<const Control> Controls() const { return controls_; }
    const Control* FindControl(int id) const;

    // Works a control as a tap on it would: a button's command, a radio's check and command.
    // IDOK and IDCANCEL work without a control of theirs (the caption's "ok", Escape).
    // False when there is no such control.
    bool ClickControl(int id);

    // A context on control `id` (see CDialogItem); false when there is no such control.
    bool OpenControlContext(int id, DC& dc);

  protected:
    // A dialog laid out in pixels, for the platform's own boxes.
    explicit CDialog(DialogLayout layout);

    // The platform's dialog initialisation: members to controls.
    virtual bool OnInitDialog();
    // Controls to members, then the dialog ends with IDOK.
    virtual void OnOK();
    // The dialog ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& dx);

    const MessageMap* GetMessageMap() const override;
    void DefWindowProc(const Message& message) override;
    void DrawNonClient(DC& dc) override;
    void PaintContent(DC& dc, const Rect& clip) override;

    void InvalidateControl(const Control& control);

  private:
    enum class Tracking { None, CaptionOk, Button, Scroll };

    Control* EditableControl(int id);
    Rect CaptionOkInClient() const;
    void StylusDown(Point p);
    void StylusMove(Point p);
    void StylusUp(Point p);
    void Activate(size_t index);
    void CheckRadio(size_t index);
    void RevealBelow(const Rect& screenRect);

    uint32_t templateId_ = 0;
    DialogLayout layout_;
    std::vector<Control> controls_;
    int result_ = IDCANCEL;
    bool running_ = false;
    bool ending_ = false;

    Tracking tracking_ = Tracking::None;
    size_t tracked_ = 0;
    Point trackStart_{};
    Point scrollStart_{};
};

void DDX_Control(CDataExchange& dx, int id, CDialogItem& item);
void DDX_Radio(CDataExchange& dx, int id, int& index);
void DDX_Text(CDataExchange& dx, int id, std::string& text);

}  // namespace velinor
