// The pictures of an image list cut into patterns and held in surfaces on
// the map view's device, so that a pattern is one rectangle copy.
#include <algorithm>

#include "render/dx_draw.h"
#include "render/picture_collection.h"

void TPictureCollection::InitializeItems(TDXDraw& control) {
  for (auto& item : ItemList) item->Finalize();
  BoundControl = &control;
  if (!control.Initialized())
    throw EPictureCollectionError(FormatMessage("%s cannot be initialized", "TPictureCollection"));
  for (auto& item : ItemList) item->Initialize();
}

void TPictureCollection::BuildItems() {
  for (auto& item : ItemList) item->Build();
}

void TPictureCollection::FinalizeItems() {
  for (auto& item : ItemList) item->Finalize();
  BoundControl = nullptr;
}

void TPictureCollectionItem::Initialize() {
  Finalize();
  TDXDraw* control = Collection.InitializedFor();
  IsInitialized = control && control->Initialized();
}

void TPictureCollectionItem::Finalize() {
  if (!IsInitialized) return;
  IsInitialized = false;
  PatternList.clear();
  SurfaceList.clear();
}

std::unique_ptr<TDirectDrawSurface> TPictureCollectionItem::MakeSurface(const TRect& part) {
  TDXDraw* control = Collection.InitializedFor();
  auto surface = std::make_unique<TDirectDrawSurface>(control->Surface()->Device);
  surface->SystemMemory = SystemMemory;
  surface->LoadFromPicture(Picture, part);
  surface->SetColorKey(surface->ColorMatch(TransparentColor));
  return surface;
}

void TPictureCollectionItem::Build() {
  if (Picture.Width() == 0 || Picture.Height() == 0) return;
  if (!IsInitialized && Collection.InitializedFor()) Initialize();
  if (!IsInitialized) return;
  PatternList.clear();
  SurfaceList.clear();
  int w = Width(), h = Height(), pw = w + SkipWidth, ph = h + SkipHeight;
  int pictureW = Picture.Width(), pictureH = Picture.Height();
  if (w == pictureW && h == pictureH) {
    SurfaceList.push_back(MakeSurface({0, 0, pictureW, pictureH}));
    PatternList.push_back({{0, 0, pictureW, pictureH}, SurfaceList.back().get()});
    return;
  }
  if (pw <= 0 || ph <= 0) return;
  int cols = (pictureW + SkipWidth) / pw, rows = (pictureH + SkipHeight) / ph;
  if (SystemMemory) {
    SurfaceList.push_back(MakeSurface({0, 0, pictureW, pictureH}));
    for (int row = 0; row < rows; ++row)
      for (int col = 0; col < cols; ++col)
        PatternList.push_back({RectOfSize(col * pw, row * ph, w, h), SurfaceList.back().get()});
    return;
  }
  // Blocks of whole patterns just reaching 512 pixels, so no surface grows
  // much beyond 512 x 512 and every pattern lies inside one block.
  int bw = std::min(((pw + 511) / pw) * pw, cols * pw);
  int bh = std::min(((ph + 511) / ph) * ph, rows * ph);
  if (bw <= 0 || bh <= 0) return;
  int nx = (pictureW + bw - 1) / bw, ny = (pictureH + bh - 1) / bh;
  for (int by = 0; by < ny; ++by)
    for (int bx = 0; bx < nx; ++bx) {
      int partW = std::min(bw, std::max(pictureW - bx * bw, 0)), partH = std::min(bh, std::max(pictureH - by * bh, 0));
      SurfaceList.push_back(MakeSurface(RectOfSize(bx * bw, by * bh, partW ? partW : bw, partH ? partH : bh)));
    }
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) {
      int x2 = col * pw, y2 = row * ph;
      TDirectDrawSurface* surface = SurfaceList[size_t(x2 / bw + (y2 / bh) * nx)].get();
      PatternList.push_back({RectOfSize(x2 % bw, y2 % bh, w, h), surface});
    }
}

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int x, int y, int patternIndex) {
  if (!IsInitialized || patternIndex < 0 || patternIndex >= int(PatternList.size())) return;
  const TPictureCollectionItemPattern& pattern = PatternList[size_t(patternIndex)];
  dest.Draw(x, y, pattern.Rect, *pattern.Surface, Transparent);
}
