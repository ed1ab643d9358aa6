// Handlers whose commands are not built yet: the file commands and the
// landscape generator. Their events are bound so that the menu and the
// button already reach them.
#include "app/main_form.h"

void TMain::Button1Click(TComponent* Sender) {}

void TMain::tmrGenerateTimer(TComponent* Sender) {}

void TMain::Action1Execute(TComponent* Sender) {}

void TMain::FileOpen1Accept(TComponent* Sender) {}

void TMain::FileSaveAs1Accept(TComponent* Sender) {}
