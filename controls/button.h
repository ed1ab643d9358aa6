#pragma once
// The skinned push button: clicks on a left release over it after a left
// press on it, on Enter and on the release of Space while it has the focus.
#include <string>

#include "controls/win_control.h"
#include "platform/fonts.h"

class TbsSkinButton : public TWinControl {
 public:
  TbsSkinButton(TWindow& parent, std::string name, const TRect& bounds);

  TFont Font;
  TNotifyEvent OnClick;
  // "&" in the caption marks an underlined access letter.
  bool AccessLetters = false;

  const std::string& Caption() const { return CaptionText; }
  // A different text is stored and drawn at once; the same text does nothing.
  void SetCaption(const std::string& caption);

  // Hides TWindow::SetEnabled, which is not virtual: call it on the button.
  // A different value takes the focus away when disabling, enables or
  // disables the window (a disabled one receives no input) and repaints at
  // once. Re-enabling leaves the focus where it is.
  void SetEnabled(bool enabled);

  // What the face shows; tests look at it.
  bool Hot() const { return MouseInside() && Enabled(); }
  bool Pressed() const { return Enabled() && ((MouseHeld && PointerOver) || SpaceHeld); }

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int key, TShiftState shift) override;
  void KeyUp(int key, TShiftState shift) override;
  void MouseEnter() override { Repaint(); }
  void MouseLeave() override { Repaint(); }
  void FocusChanged() override;
  void CancelMode() override;
  void EnabledChanged() override;

  virtual void Click();

 private:
  // Ends a held left button or Space without a click.
  void Release();
  void PaintFocusRect(TCanvas& canvas);

  std::string CaptionText;
  bool MouseHeld = false;    // a left press on the button, not yet released
  bool PointerOver = false;  // while held: the pointer is over the button
  bool SpaceHeld = false;
};
