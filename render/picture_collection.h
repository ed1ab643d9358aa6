#pragma once
// The named pictures of an image list and the lookup of a picture by name.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/exception.h"
#include "platform/types.h"
#include "render/direct_draw_surface.h"

VARNOCK_EXCEPTION(EPictureCollectionError, Exception);

class TPictureCollection;
class TDXDraw;

// One pattern: where it lies in which of the item's surfaces.
struct TPictureCollectionItemPattern {
  TRect Rect;
  TDirectDrawSurface* Surface = nullptr;
};

// One picture with the way it is cut into patterns and drawn.
class TPictureCollectionItem {
 public:
  explicit TPictureCollectionItem(TPictureCollection& collection) : Collection(collection) {}
  TPictureCollectionItem(const TPictureCollectionItem&) = delete;
  TPictureCollectionItem& operator=(const TPictureCollectionItem&) = delete;

  const std::string& Name() const { return NameValue; }
  // Every naming, even with the same text, makes this item the most recently
  // named one, which wins a lookup among items of equal names.
  void SetName(std::string name);

  // The size of one pattern: PatternWidth/PatternHeight when greater than 0,
  // otherwise the whole picture.
  int Width() const { return PatternWidth > 0 ? PatternWidth : Picture.Width(); }
  int Height() const { return PatternHeight > 0 ? PatternHeight : Picture.Height(); }
  int PatternCount() const;

  int PatternWidth = 0;
  int PatternHeight = 0;
  int SkipWidth = 0;
  int SkipHeight = 0;
  bool SystemMemory = false;
  bool Transparent = true;
  TColor TransparentColor = clBlack;
  // Kept decoded for the whole run, so surfaces can be rebuilt from it.
  TBitmap Picture;

  // Draws pattern `patternIndex` with its top-left corner at (x, y) of
  // `dest`, clipped; nothing for an index without a pattern or before the
  // pictures are built.
  void Draw(TDirectDrawSurface& dest, int x, int y, int patternIndex);
  bool Initialized() const { return IsInitialized; }
  const std::vector<TPictureCollectionItemPattern>& Patterns() const { return PatternList; }
  const std::vector<std::unique_ptr<TDirectDrawSurface>>& Surfaces() const { return SurfaceList; }

 private:
  friend class TPictureCollection;
  void Initialize();
  void Finalize();
  void Build();
  std::unique_ptr<TDirectDrawSurface> MakeSurface(const TRect& part);

  TPictureCollection& Collection;
  bool IsInitialized = false;
  std::vector<TPictureCollectionItemPattern> PatternList;
  std::vector<std::unique_ptr<TDirectDrawSurface>> SurfaceList;
  std::string NameValue;
  std::u32string FoldedNameValue;
};

// The ordered, owned items of an image list with an index of their names.
class TPictureCollection {
 public:
  TPictureCollection() = default;
  TPictureCollection(const TPictureCollection&) = delete;
  TPictureCollection& operator=(const TPictureCollection&) = delete;

  // A new unnamed item with default properties at the end of the list.
  TPictureCollectionItem& Add();
  void Clear();
  int Count() const { return int(ItemList.size()); }
  TPictureCollectionItem& Items(int index);
  const TPictureCollectionItem& Items(int index) const;
  TPictureCollectionItem& operator[](int index) { return Items(index); }
  const TPictureCollectionItem& operator[](int index) const { return Items(index); }

  // The item named `name`, compared without regard to Latin and Cyrillic
  // letter case; of several, the most recently named. Raises
  // EPictureCollectionError "Image '<name>' not found" when there is none.
  TPictureCollectionItem& Find(std::string_view name);
  const TPictureCollectionItem& Find(std::string_view name) const;

  // The surface control whose device holds the pictures; none until the
  // first initialize notification and after finalize.
  TDXDraw* InitializedFor() const { return BoundControl; }
  // The life cycle the bound control drives: initialize, build (again after
  // every restore of lost surfaces), finalize.
  void InitializeItems(TDXDraw& control);
  void BuildItems();
  void FinalizeItems();

 private:
  friend class TPictureCollectionItem;
  TPictureCollectionItem* Lookup(std::string_view name) const;
  void Register(TPictureCollectionItem& item);
  void Unregister(TPictureCollectionItem& item);

  std::vector<std::unique_ptr<TPictureCollectionItem>> ItemList;
  TDXDraw* BoundControl = nullptr;
  // The lookup runs for every tile drawn, hence the index. Each bucket holds
  // its items most recently named first.
  std::array<std::vector<TPictureCollectionItem*>, 256> Buckets;
  // The lookup runs some 800 times a frame with the same two names: the last
  // answer is kept for the same name until any item is (re)named.
  mutable std::string LastName;
  mutable TPictureCollectionItem* LastFound = nullptr;
};
