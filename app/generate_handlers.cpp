// The generate button and its cool-down.
#include "app/main_form.h"
#include "edit/landscape.h"

namespace {
constexpr const char* ReadyCaption = "Генерировать ландшафт";
}  // namespace

void TMain::Button1Click(TComponent* Sender) {
  Button1->SetCaption("Ждите...");
  Button1->SetEnabled(false);
  lbProgress->SetCaption("Идет генерация, ждите...");
  lbProgress->RepaintNow();
  GenerateLandscape(Map, Random);
  lbProgress->SetCaption("Готово!");
  ProgressBar1->SetValue(0);
  tmrGenerate->SetEnabled(true);
}

void TMain::tmrGenerateTimer(TComponent* Sender) {
  Button1->SetCaption(ReadyCaption);
  Button1->SetEnabled(true);
}
