#include "controls/modal_scope.h"

TModalScope::TModalScope(TWindowManager& manager, TWindow* except) : Manager(manager), Focus(manager.Focus()) {
  for (TWindow* top : manager.TopLevels())
    if (top != except && top->Native && top->Enabled()) Disabled.push_back(top);
  for (TWindow* top : Disabled) top->SetEnabled(false);
}

TModalScope::~TModalScope() {
  // A window may have gone while the modal one was open.
  for (TWindow* top : Disabled)
    if (Manager.IsWindow(top)) top->SetEnabled(true);
  if (Focus && Manager.IsWindow(Focus)) Manager.SetFocus(Focus);
}
