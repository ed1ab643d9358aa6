#include "controls/menu_bar.h"

#include <algorithm>

#include "controls/theme.h"
#include "platform/window_manager.h"

namespace {
// Posted to the bar: run item WParam of the open menu.
constexpr uint32_t CM_MENU_CHOOSE = WM_USER + 0x100;
constexpr int ListPadding = 24;  // left of the item texts
constexpr int ShortCutGap = 32;
}  // namespace

TActionMainMenuBar::TActionMainMenuBar(TWindow& form, std::string name, const TRect& bounds)
    : TWinControl(form, std::move(name), bounds), Font(Theme::MenuFont()) {
  CaptureOnLeftPress = false;
  Background = Theme::MenuBar;
}

TActionMainMenuBar::~TActionMainMenuBar() = default;

TRect TActionMainMenuBar::TitleRect(int index) {
  TBitmap scratch(1, 1);
  TCanvas canvas(scratch);
  canvas.Font = Font;
  int x = 0;
  for (int i = 0; i < int(Menus.size()); ++i) {
    int width = canvas.TextWidth(Menus[i].Caption) + 2 * Theme::MenuTitlePadding;
    if (i == index) return {x, 0, x + width, Height()};
    x += width;
  }
  return {};
}

int TActionMainMenuBar::TitleAt(int x) {
  for (int i = 0; i < int(Menus.size()); ++i)
    if (TitleRect(i).Contains({x, 1})) return i;
  return -1;
}

void TActionMainMenuBar::Paint(TCanvas& canvas) {
  canvas.Font = Font;
  for (int i = 0; i < int(Menus.size()); ++i) {
    TRect title = TitleRect(i);
    if (i == Open) {
      canvas.Brush.Color = Theme::MenuHighlight;
      canvas.FillRect(title);
    }
    int y = (Height() - canvas.TextHeight()) / 2;
    canvas.TextOut(title.Left + Theme::MenuTitlePadding, y, Menus[i].Caption);
  }
}

void TActionMainMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  int index = TitleAt(x);
  if (index >= 0) OpenMenu(index, false);
}

void TActionMainMenuBar::OpenMenu(int index, bool byKeyboard) {
  if (index < 0 || index >= int(Menus.size())) return;
  TBitmap scratch(1, 1);
  TCanvas canvas(scratch);
  canvas.Font = Font;
  int width = 0;
  for (TAction* item : Menus[index].Items) {
    int shortCut = item->ShortCut.IsNone() ? 0 : ShortCutGap + canvas.TextWidth(item->ShortCut.Text());
    width = std::max(width, canvas.TextWidth(item->Caption) + shortCut);
  }
  TRect title = TitleRect(index);
  TRect bounds = RectOfSize(Left() + title.Left, Top() + Height(), width + 2 * ListPadding,
                            int(Menus[index].Items.size()) * Theme::MenuItemHeight + 2);
  Open = index;
  if (!List) List = std::make_unique<TMenuDropDown>(*this, bounds);
  List->SetBounds(bounds);
  List->Highlighted = byKeyboard ? 0 : -1;
  List->BringToFront();
  List->SetVisible(true);
  Manager().SetFocus(List.get());
  // Clicks anywhere go to the list while it is open, so one outside closes it.
  Manager().SetCapture(List.get());
  Invalidate();
}

void TActionMainMenuBar::CloseMenu() {
  if (Open < 0) return;
  Open = -1;
  if (Manager().Capture() == List.get()) Manager().ReleaseCapture();
  List->SetVisible(false);
  Invalidate();
}

bool TActionMainMenuBar::MenuOpen() const { return Open >= 0; }

void TActionMainMenuBar::Choose(int item) {
  int menu = Open;
  CloseMenu();
  if (menu >= 0 && item >= 0 && item < int(Menus[menu].Items.size()))
    Manager().PostMessage(this, CM_MENU_CHOOSE, menu * 1000 + item);
}

intptr_t TActionMainMenuBar::WndProc(TMessage& message) {
  if (message.Msg == CM_MENU_CHOOSE) {
    int menu = int(message.WParam / 1000), item = int(message.WParam % 1000);
    Menus[menu].Items[item]->Execute();
    return 0;
  }
  return TWinControl::WndProc(message);
}

// ---- the drop-down list ----

TMenuDropDown::TMenuDropDown(TActionMainMenuBar& bar, const TRect& bounds)
    : TWinControl(*bar.Parent(), bar.Name + "DropDown", bounds), Bar(bar) {
  CaptureOnLeftPress = false;
  SetVisible(false);
}

const std::vector<TAction*>& TMenuDropDown::Items() const { return Bar.Menus[std::max(Bar.OpenIndex(), 0)].Items; }

TRect TMenuDropDown::ItemRect(int item) const {
  return RectOfSize(1, 1 + item * Theme::MenuItemHeight, Width() - 2, Theme::MenuItemHeight);
}

int TMenuDropDown::ItemAt(int x, int y) const {
  for (int i = 0; i < int(Items().size()); ++i)
    if (ItemRect(i).Contains({x, y})) return i;
  return -1;
}

void TMenuDropDown::Paint(TCanvas& canvas) {
  canvas.Brush = {Theme::MenuBack, TBrushStyle::bsSolid};
  canvas.Pen = {Theme::MenuBorder, 1};
  canvas.Rectangle(0, 0, Width(), Height());
  canvas.Font = Bar.Font;
  const auto& items = Items();
  for (int i = 0; i < int(items.size()); ++i) {
    TRect r = ItemRect(i);
    if (i == Highlighted) {
      canvas.Brush.Color = Theme::MenuHighlight;
      canvas.FillRect(r);
    }
    int y = r.Top + (r.Height() - canvas.TextHeight()) / 2;
    canvas.TextOut(r.Left + ListPadding - 1, y, items[i]->Caption);
    std::string shortCut = items[i]->ShortCut.Text();
    if (!shortCut.empty()) canvas.TextOut(r.Right - ListPadding / 2 - canvas.TextWidth(shortCut), y, shortCut);
  }
}

void TMenuDropDown::MouseMove(TShiftState shift, int x, int y) {
  int item = ItemAt(x, y);
  if (item != Highlighted) {
    Highlighted = item;
    Invalidate();
  }
}

void TMenuDropDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (ClientRect().Contains({x, y})) return;
  // A press on another title switches menus; a press anywhere else, or on
  // the open menu's own title, closes the list.
  TPoint onBar = Bar.ScreenToClient(ClientToScreen({x, y}));
  int open = Bar.OpenIndex();
  Bar.CloseMenu();
  if (Bar.ClientRect().Contains(onBar)) {
    int title = Bar.TitleAt(onBar.X);
    if (title >= 0 && title != open) Bar.OpenMenu(title, false);
  }
}

void TMenuDropDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  int item = ItemAt(x, y);
  if (item >= 0) Bar.Choose(item);
}

void TMenuDropDown::KeyDown(int key, TShiftState shift) {
  int count = int(Items().size());
  switch (key) {
    case VK_ESCAPE: Bar.CloseMenu(); break;
    case VK_DOWN: Highlighted = (Highlighted + 1) % count; Invalidate(); break;
    case VK_UP: Highlighted = (Highlighted + count - 1) % count; Invalidate(); break;
    case VK_RETURN:
    case VK_SPACE:
      if (Highlighted >= 0) Bar.Choose(Highlighted);
      break;
  }
}

void TMenuDropDown::CancelMode() { Bar.CloseMenu(); }
