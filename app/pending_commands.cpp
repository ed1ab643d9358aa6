// Handlers whose commands are not built yet: the landscape generator. Its
// events are bound so that the button already reaches them.
#include "app/main_form.h"

void TMain::Button1Click(TComponent* Sender) {}

void TMain::tmrGenerateTimer(TComponent* Sender) {}
