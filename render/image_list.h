#pragma once
// The editor's list of named pictures, the source of every tile and frame it
// draws. Bound to a surface control, it keeps its pictures in surfaces on
// that control's device and follows the control's life cycle.
#include "controls/component.h"
#include "render/picture_collection.h"

class TDXDraw;

class TDXImageList : public TComponent {
 public:
  using TComponent::TComponent;
  ~TDXImageList() override;

  TDXDraw* DXDraw() const { return BoundDXDraw; }
  // Leaves the previous control and registers with the new one.
  void SetDXDraw(TDXDraw* control);
  TPictureCollection Items;

 private:
  TDXDraw* BoundDXDraw = nullptr;
};
