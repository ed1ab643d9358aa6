#pragma once
// A window of the window manager: a top-level window (no parent; it owns a
// framebuffer and, once shown, a window of the backend) or a child window (a
// rectangle inside its parent, on top of the siblings created before it).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/messages.h"
#include "platform/types.h"

class TWindowManager;

class TWindow {
 public:
  // `bounds`: for a child, in the parent's client coordinates; for a
  // top-level window, the client area in screen coordinates.
  TWindow(TWindowManager& manager, TWindow* parent, const TRect& bounds);
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  // Handles one message; the default handling does nothing and answers 0.
  virtual intptr_t WndProc(TMessage& message) { return 0; }

  TWindowManager& Manager() const { return ManagerRef; }
  TWindow* Parent() const { return ParentWindow; }
  const std::vector<TWindow*>& Children() const { return ChildWindows; }
  bool IsTopLevel() const { return ParentWindow == nullptr; }
  TWindow& TopLevel();

  const TRect& Bounds() const { return BoundsRect; }
  void SetBounds(const TRect& bounds);
  int Width() const { return BoundsRect.Width(); }
  int Height() const { return BoundsRect.Height(); }
  TRect ClientRect() const { return {0, 0, Width(), Height()}; }
  // The client origin in the client coordinates of the top-level window.
  TPoint OriginInTopLevel() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  bool Visible() const { return IsVisible; }
  // Whether this window and all of its ancestors are visible.
  bool Showing() const;
  void SetVisible(bool visible);
  bool Enabled() const { return IsEnabled; }
  // Whether input may reach it: it and all of its ancestors are enabled.
  bool AcceptsInput() const;
  void SetEnabled(bool enabled);

  // Puts the window on top of its siblings.
  void BringToFront();

  const std::string& Text() const { return Caption; }
  void SetText(const std::string& text);

  // Filled into the update area before WM_PAINT; none: the window paints all.
  std::optional<TColor> Background;

  // Top-level windows only: the pixels of the client area.
  TBitmap& Framebuffer() { return TopLevel().Pixels; }

  // Whatever the backend keeps for a shown top-level window.
  void* Native = nullptr;

 private:
  friend class TWindowManager;
  TWindowManager& ManagerRef;
  TWindow* ParentWindow;
  std::vector<TWindow*> ChildWindows;
  TRect BoundsRect;
  bool IsVisible = false;
  bool IsEnabled = true;
  std::string Caption;
  TBitmap Pixels;
  // Invalid area waiting for WM_PAINT, client coordinates.
  TRect InvalidRect;
  // Top-level windows: the child that had the focus when it was last active.
  TWindow* LastFocus = nullptr;
};
