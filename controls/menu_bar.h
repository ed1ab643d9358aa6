#pragma once
// The form's menu bar: top-level menus whose items are actions. A menu opens
// as a drop-down list over the form; choosing an item runs its action after
// the list has closed.
#include <memory>
#include <string>
#include <vector>

#include "controls/actions.h"
#include "controls/win_control.h"

struct TMenuDef {
  std::string Caption;
  std::vector<TAction*> Items;
};

class TMenuDropDown;

class TActionMainMenuBar : public TWinControl {
 public:
  TActionMainMenuBar(TWindow& form, std::string name, const TRect& bounds);
  ~TActionMainMenuBar();

  TFont Font;
  std::vector<TMenuDef> Menus;

  // Opens menu `index` with its first item highlighted when `byKeyboard`.
  void OpenMenu(int index, bool byKeyboard);
  void CloseMenu();
  bool MenuOpen() const;
  int OpenIndex() const { return Open; }
  // The drop-down list (none before the first opening).
  TMenuDropDown* DropDown() const { return List.get(); }
  // Where menu `index`'s title lies on the bar.
  TRect TitleRect(int index);
  // Runs item `item` of the open menu once the list has closed.
  void Choose(int item);
  // The menu whose title lies at x, or -1.
  int TitleAt(int x);

  intptr_t WndProc(TMessage& message) override;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  std::unique_ptr<TMenuDropDown> List;
  int Open = -1;
};

class TMenuDropDown : public TWinControl {
 public:
  TMenuDropDown(TActionMainMenuBar& bar, const TRect& bounds);
  int Highlighted = -1;
  // The item at a point of the list, or -1.
  int ItemAt(int x, int y) const;
  TRect ItemRect(int item) const;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int key, TShiftState shift) override;
  void CancelMode() override;

 private:
  const std::vector<TAction*>& Items() const;
  TActionMainMenuBar& Bar;
};
