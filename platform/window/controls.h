// A dialog's controls: what each is, how it looks, and how the stylus works it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/window/resources.h"

namespace velinor {

enum class ControlKind { PushButton, RadioButton, GroupBox, Edit, Label, Picture };

struct Control {
    int id = -1;
    ControlKind kind = ControlKind::Label;
    uint32_t style = 0;
    Rect rect;  // client pixels
    std::string text;
    bool checked = false;
    bool pressed = false;
    Point scroll{};  // how far an edit's text is scrolled
};

ControlKind KindOf(ControlClass controlClass, uint32_t style);

// Push buttons and radio buttons act on a tap; edits scroll under a drag.
bool TakesTaps(const Control& control);

// The first and one-past-last index of the group holding control `index`: a group starts at a
// control with WS_GROUP and runs to the next one.
struct GroupRange {
    size_t first;
    size_t end;
};
GroupRange GroupOf(std::span<const Control> controls, size_t index);

// How far an edit's text can scroll: past its width (single line with ES_AUTOHSCROLL) or past
// its height (multi-line, a whole number of lines).
Point MaxScroll(const Control& edit);

// The scroll position nearest to `scroll` that the edit can take: within MaxScroll, and in
// whole lines for a multi-line edit.
Point ClampScroll(const Control& edit, Point scroll);

void DrawControl(DC& dc, const Control& control);

}  // namespace velinor
