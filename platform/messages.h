#pragma once
// Messages of the window manager. Numbers follow the Windows values so that a
// reader who knows them finds their way; nothing depends on the numbers.
#include <cstdint>
#include <string>

#include "platform/types.h"

class TWindow;

constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_USER = 0x0400;

// WParam of WM_WINDOWPOSCHANGED when the window is being shown.
constexpr intptr_t SWP_SHOWWINDOW = 0x0040;

// Key state flags carried by mouse and key messages.
constexpr uint32_t MK_LBUTTON = 0x0001;
constexpr uint32_t MK_RBUTTON = 0x0002;
constexpr uint32_t MK_SHIFT = 0x0004;
constexpr uint32_t MK_CONTROL = 0x0008;
constexpr uint32_t MK_MBUTTON = 0x0010;
constexpr uint32_t MK_ALT = 0x0020;

// Virtual key codes (letters and digits are their upper-case ASCII codes).
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F10 = 0x79;

struct TMessage {
  TWindow* Window = nullptr;
  uint32_t Msg = WM_NULL;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
  int X = 0;           // mouse messages: the target's client coordinates, signed
  int Y = 0;
  uint32_t Keys = 0;   // MK_ flags at the time of the input
  std::string Text;    // WM_CHAR: the typed text, UTF-8
  TRect Update;        // WM_PAINT: the area to repaint, client coordinates
  uint32_t Time = 0;   // clock reading when the message was queued
};

// Notices of the controls' own, above WM_USER.
constexpr uint32_t CM_ACTIVATE = 0xB000;    // the application became active
constexpr uint32_t CM_DEACTIVATE = 0xB001;  // ... inactive
constexpr uint32_t CM_MOUSEENTER = 0xB013;  // the pointer came over the control
constexpr uint32_t CM_MOUSELEAVE = 0xB014;  // ... left it
