// Window messages, their record, and the constants the program's windows and boxes speak in.
#pragma once

#include <cstdint>

#include "platform/gdi/colour.h"

namespace velinor {

class CWnd;

// Message identifiers keep the handheld's values so tables read as they did there.
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;

constexpr bool IsStylusMessage(uint32_t message) {
    return message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK;
}

// Keys a dialog understands (WM_KEYDOWN carries one in `id`).
constexpr uint32_t VK_RETURN = 0x0D;
constexpr uint32_t VK_ESCAPE = 0x1B;

struct Message {
    CWnd* window = nullptr;
    uint32_t message = 0;
    uint32_t id = 0;  // command, timer or key identifier
    Point point{};    // stylus position in the window's client pixels
};

// Message boxes and dialog results.
constexpr unsigned MB_OK = 0;
constexpr unsigned MB_OKCANCEL = 1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Window and bar styles.
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_GROUP = 0x00020000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t CBRS_TOP = 0x00002800;
constexpr uint32_t FWS_ADDTOTITLE = 0x00008000;
constexpr uint32_t AFX_IDW_TOOLBAR = 0xE800;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Menu item flags.
constexpr uint32_t MF_STRING = 0x0000;
constexpr uint32_t MF_BYCOMMAND = 0x0000;
constexpr uint32_t MF_BYPOSITION = 0x0400;

// The handheld's screen: the command bar on top, the main window's client area below it.
constexpr int ScreenWidth = 240;
constexpr int ScreenHeight = 320;
constexpr int CommandBarHeight = 26;

}  // namespace velinor
