#include "platform/window.h"

#include <algorithm>

#include "platform/window_manager.h"

TWindow::TWindow(TWindowManager& manager, TWindow* parent, const TRect& bounds)
    : ManagerRef(manager), ParentWindow(parent), BoundsRect(bounds) {
  if (parent) {
    parent->ChildWindows.push_back(this);
    IsVisible = true;  // children show with their parent
  } else {
    Pixels = TBitmap(bounds.Width(), bounds.Height());
  }
  manager.Register(this);
}

TWindow::~TWindow() {
  // Children are owned elsewhere; they must not outlive their parent's window.
  for (TWindow* child : std::vector<TWindow*>(ChildWindows)) child->ParentWindow = nullptr;
  ManagerRef.Unregister(this);
  if (ParentWindow) std::erase(ParentWindow->ChildWindows, this);
}

TWindow& TWindow::TopLevel() {
  TWindow* w = this;
  while (w->ParentWindow) w = w->ParentWindow;
  return *w;
}

void TWindow::SetBounds(const TRect& bounds) {
  if (bounds == BoundsRect) return;
  bool resized = bounds.Width() != Width() || bounds.Height() != Height();
  if (!ParentWindow) {
    // The system moved the window: only the screen position changes.
    BoundsRect = bounds;
    if (resized) Pixels = TBitmap(bounds.Width(), bounds.Height());
    if (resized) ManagerRef.InvalidateTree(this);
    return;
  }
  if (Showing()) ManagerRef.InvalidateTree(ParentWindow);
  BoundsRect = bounds;
  if (Showing()) ManagerRef.InvalidateTree(this);
}

TPoint TWindow::OriginInTopLevel() const {
  TPoint p;
  for (const TWindow* w = this; w->ParentWindow; w = w->ParentWindow) {
    p.X += w->BoundsRect.Left;
    p.Y += w->BoundsRect.Top;
  }
  return p;
}

TPoint TWindow::ClientToScreen(TPoint p) const {
  const TWindow* top = this;
  while (top->ParentWindow) top = top->ParentWindow;
  TPoint o = OriginInTopLevel();
  return {p.X + o.X + top->BoundsRect.Left, p.Y + o.Y + top->BoundsRect.Top};
}

TPoint TWindow::ScreenToClient(TPoint p) const {
  TPoint zero = ClientToScreen({0, 0});
  return {p.X - zero.X, p.Y - zero.Y};
}

bool TWindow::Showing() const {
  for (const TWindow* w = this; w; w = w->ParentWindow)
    if (!w->IsVisible) return false;
  return true;
}

bool TWindow::AcceptsInput() const {
  for (const TWindow* w = this; w; w = w->ParentWindow)
    if (!w->IsEnabled || !w->IsVisible) return false;
  return true;
}

void TWindow::SetVisible(bool visible) {
  if (visible == IsVisible) return;
  if (!visible && Showing() && ParentWindow) ManagerRef.InvalidateTree(ParentWindow);
  IsVisible = visible;
  ManagerRef.VisibilityChanged(this);
}

void TWindow::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  ManagerRef.EnabledChanged(this);
}

void TWindow::SetText(const std::string& text) {
  if (text == Caption) return;
  Caption = text;
  ManagerRef.CaptionChanged(this);
}

void TWindow::BringToFront() {
  if (!ParentWindow || ParentWindow->ChildWindows.back() == this) return;
  std::erase(ParentWindow->ChildWindows, this);
  ParentWindow->ChildWindows.push_back(this);
  if (Showing()) ManagerRef.InvalidateTree(this);
}
