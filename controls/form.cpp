#include "controls/form.h"

#include "controls/theme.h"

TForm::TForm(TApplication& application, std::string name, int clientWidth, int clientHeight)
    : TWinControl(application.Manager, nullptr, std::move(name), RectOfSize(0, 0, clientWidth, clientHeight)),
      App(application),
      Font(Theme::WindowFont()) {
  Background = Theme::ButtonFace;
  CaptureOnLeftPress = false;
}

void TForm::Show() {
  if (!Visible()) {
    TRect screen = Manager().Backend().ScreenRect();
    int left = screen.Left + (screen.Width() - Width()) / 2;
    int top = screen.Top + (screen.Height() - Height()) / 2;
    SetBounds(RectOfSize(left, top, Width(), Height()));
  }
  SetVisible(true);
  if (Native && Icon.Width() > 0) Manager().Backend().SetIcon(*this, Icon);
}

void TForm::Close() {
  if (OnClose) OnClose(this);
  if (App.MainForm == this) App.Terminate();
  else SetVisible(false);
}

void TForm::Paint(TCanvas& canvas) {
  if (OnPaint) OnPaint(this);
}

int TForm::AddMessageHook(TMessageHook hook) {
  MessageHooks.emplace_back(NextHookId, std::move(hook));
  return NextHookId++;
}

void TForm::RemoveMessageHook(int id) {
  std::erase_if(MessageHooks, [&](const auto& h) { return h.first == id; });
}

intptr_t TForm::WndProc(TMessage& message) {
  intptr_t result = 0;
  if (message.Msg == WM_CLOSE) Close();
  else result = TWinControl::WndProc(message);
  auto hooks = MessageHooks;
  for (auto& [id, hook] : hooks) {
    try {
      hook(message);
    } catch (...) {
      App.HandleException();
    }
  }
  return result;
}
