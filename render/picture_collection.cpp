#include "render/picture_collection.h"

#include <algorithm>

#include "render/name_key.h"
#include "render/pattern_count.h"

void TPictureCollectionItem::SetName(std::string name) {
  Collection.Unregister(*this);
  NameValue = std::move(name);
  FoldedNameValue = FoldedName(NameValue);
  Collection.Register(*this);
}

int TPictureCollectionItem::PatternCount() const {
  return ::PatternCount(Picture.Width(), Picture.Height(), Width(), Height(), SkipWidth, SkipHeight);
}

// Unnamed items are indexed too: their name is the empty text.
TPictureCollectionItem& TPictureCollection::Add() {
  ItemList.push_back(std::make_unique<TPictureCollectionItem>(*this));
  Register(*ItemList.back());
  return *ItemList.back();
}

void TPictureCollection::Clear() {
  LastFound = nullptr;
  for (auto& bucket : Buckets) bucket.clear();
  ItemList.clear();
}

TPictureCollectionItem& TPictureCollection::Items(int index) {
  if (index < 0 || index >= Count())
    throw EPictureCollectionError("Picture index " + std::to_string(index) + " out of range");
  return *ItemList[size_t(index)];
}

const TPictureCollectionItem& TPictureCollection::Items(int index) const {
  return const_cast<TPictureCollection*>(this)->Items(index);
}

TPictureCollectionItem& TPictureCollection::Find(std::string_view name) {
  if (TPictureCollectionItem* item = Lookup(name)) return *item;
  throw EPictureCollectionError(FormatMessage("Image '%s' not found", std::string(name)));
}

const TPictureCollectionItem& TPictureCollection::Find(std::string_view name) const {
  return const_cast<TPictureCollection*>(this)->Find(name);
}

TPictureCollectionItem* TPictureCollection::Lookup(std::string_view name) const {
  if (LastFound && name == LastName) return LastFound;
  std::u32string folded = FoldedName(name);
  for (TPictureCollectionItem* item : Buckets[size_t(NameBucket(folded))])
    if (item->FoldedNameValue == folded) {
      LastName = name;
      LastFound = item;
      return item;
    }
  return nullptr;
}

void TPictureCollection::Register(TPictureCollectionItem& item) {
  LastFound = nullptr;
  auto& bucket = Buckets[size_t(NameBucket(item.FoldedNameValue))];
  bucket.insert(bucket.begin(), &item);
}

void TPictureCollection::Unregister(TPictureCollectionItem& item) {
  LastFound = nullptr;
  auto& bucket = Buckets[size_t(NameBucket(item.FoldedNameValue))];
  bucket.erase(std::remove(bucket.begin(), bucket.end(), &item), bucket.end());
}
