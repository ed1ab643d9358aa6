// The frame loop's tick and the scroll bars that run it at once.
#include "app/main_form.h"

void TMain::DXTimer1Timer(TComponent* Sender, int LagCount) {
  // Nothing is drawn or presented while the map view cannot draw.
  if (!DXDraw1->CanDraw()) return;
  ScrollX = scrGorizontal->Position();
  ScrollY = scrVertical->Position();
}

void TMain::scrGorizontalChange(TComponent* Sender) { DXTimer1Timer(Sender, 0); }

void TMain::scrVerticalChange(TComponent* Sender) { DXTimer1Timer(Sender, 0); }

// The palette's surfaces arrive with the surface controls; until then the
// window's repaint and a release on the palette have nothing to draw.
void TMain::FormPaint(TComponent* Sender) {}

void TMain::GroundsDXDrawMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {}
