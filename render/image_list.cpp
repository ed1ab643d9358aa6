#include "render/image_list.h"

#include "render/dx_draw.h"

TDXImageList::~TDXImageList() { SetDXDraw(nullptr); }

void TDXImageList::SetDXDraw(TDXDraw* control) {
  if (BoundDXDraw) BoundDXDraw->UnRegisterNotifyEvent(this);
  BoundDXDraw = control;
  if (!control) return;
  control->RegisterNotifyEvent(this, [this](TDXDraw* sender, TDXDrawNotifyType type) {
    switch (type) {
      case dxntInitialize: Items.InitializeItems(*sender); break;
      case dxntRestore: Items.BuildItems(); break;
      case dxntFinalize: Items.FinalizeItems(); break;
      case dxntDestroying: SetDXDraw(nullptr); break;
      default: break;
    }
  });
}
