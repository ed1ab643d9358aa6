#include "controls/message_form.h"

#include "controls/access_text.h"
#include "controls/modal_scope.h"
#include "controls/theme.h"

namespace {
constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;

int TextWidthOf(const TFont& font, const std::string& text) {
  return TFontEngine::Instance().TextWidth(font, text);
}

int FormWidth(const std::string& text, size_t buttons) {
  int textRow = Margin + IconSize + Margin + TextWidthOf(Theme::WindowFont(), text) + Margin;
  int buttonRow = int(buttons) * ButtonWidth + int(buttons - 1) * ButtonGap + 2 * Margin;
  return std::max(textRow, buttonRow);
}
}  // namespace

TMessageForm::TMessageForm(TApplication& application, const std::string& caption, const std::string& text,
                           const std::vector<TMessageButton>& buttons)
    : TForm(application, "MessageForm", FormWidth(text, buttons.size()),
            Margin + IconSize + Margin + ButtonHeight + Margin),
      Text_(text) {
  SetCaption(caption);
  int rowWidth = int(buttons.size()) * ButtonWidth + int(buttons.size() - 1) * ButtonGap;
  int x = (Width() - rowWidth) / 2, y = Height() - Margin - ButtonHeight;
  for (const TMessageButton& b : buttons) {
    auto button = std::make_unique<TbsSkinButton>(*this, b.Caption, RectOfSize(x, y, ButtonWidth, ButtonHeight));
    button->AccessLetters = true;
    button->SetCaption(b.Caption);
    TModalResult result = b.Result;
    button->OnClick = [this, result](TComponent*) { Answer(result); };
    Buttons.push_back(std::move(button));
    x += ButtonWidth + ButtonGap;
  }
  OnClose = [this](TComponent*) {
    if (ModalResult == mrNone) ModalResult = CancelResult;
  };
}

void TMessageForm::Answer(TModalResult result) { ModalResult = result; }

TModalResult TMessageForm::ShowModal() {
  ModalResult = mrNone;
  {
    TModalScope modal(Manager(), this);
    Show();
    if (!Buttons.empty()) Manager().SetFocus(Buttons.front().get());
    while (ModalResult == mrNone && !App.Terminated) App.HandleMessage();
    SetVisible(false);
  }
  if (ModalResult == mrNone) ModalResult = CancelResult;
  return ModalResult;
}

bool TMessageForm::IsShortCut(int key, TShiftState shift) {
  if (key == VK_ESCAPE) {
    Answer(CancelResult);
    return true;
  }
  // Enter answers with the default button unless a button has the focus.
  TWindow* focus = Manager().Focus();
  bool buttonFocused = false;
  for (auto& b : Buttons) buttonFocused |= focus == b.get();
  if (key == VK_RETURN && !buttonFocused && !Buttons.empty()) {
    Buttons.front()->OnClick(Buttons.front().get());
    return true;
  }
  for (auto& b : Buttons)
    if (key == AccessKey(b->Caption()) && !(shift & ssCtrl)) {
      b->OnClick(b.get());
      return true;
    }
  return false;
}

void TMessageForm::Paint(TCanvas& canvas) {
  // The question-mark icon, then the text beside it.
  canvas.Brush.Color = RGB(0x1E, 0x64, 0xC8);
  for (int y = 0; y < IconSize; ++y)
    for (int x = 0; x < IconSize; ++x) {
      int dx = 2 * x + 1 - IconSize, dy = 2 * y + 1 - IconSize;
      if (dx * dx + dy * dy <= IconSize * IconSize) canvas.FillRect(RectOfSize(Margin + x, Margin + y, 1, 1));
    }
  canvas.Font = TFont{"Arial", -22, clWhite, true};
  int markWidth = canvas.TextWidth("?");
  canvas.TextOut(Margin + (IconSize - markWidth) / 2, Margin + (IconSize - canvas.TextHeight()) / 2, "?");
  canvas.Font = Font;
  canvas.TextOut(Margin + IconSize + Margin, Margin + (IconSize - canvas.TextHeight()) / 2, Text_);
}

std::unique_ptr<TMessageForm> MakeSaveChangesQuestion(TApplication& application) {
  return std::make_unique<TMessageForm>(application, "Confirm", "Сохранить изменения?",
                                        std::vector<TMessageButton>{{"&Yes", mrYes}, {"&No", mrNo}, {"Cancel", mrCancel}});
}
