#pragma once
// The editor's list of named pictures, the source of every tile and frame it
// draws.
#include "controls/component.h"
#include "render/picture_collection.h"

class TDXImageList : public TComponent {
 public:
  using TComponent::TComponent;

  // The surface control the pictures are drawn on; binding the list to it
  // comes with the surface control itself.
  TComponent* DXDraw = nullptr;
  TPictureCollection Items;
};
