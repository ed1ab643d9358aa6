#include "tools/paint_assets/asset_painter.h"

#include "tools/paint_assets/pixel_digits.h"

namespace {

constexpr int kTileSize = 25, kTileCount = 64;
constexpr int kFrameSize = 350;
constexpr TPixel kKeyColour = PixelOf(clFuchsia);

// The 64 colours of a 4 x 4 x 4 grid of the RGB cube, so any two tiles differ
// by at least one full level in some channel. Codes walk the grid in steps of
// 55 (odd, so every colour is used once), starting so that code 0 is water
// blue and code 1 pale sand. No channel reaches 0 or 255, which keeps every
// colour off the key colour.
TPixel TileColour(int code) {
  constexpr uint8_t kLevels[] = {20, 95, 170, 245};
  constexpr int kWater = 0 * 16 + 1 * 4 + 3;  // (20, 95, 245)
  constexpr int kSand = 3 * 16 + 3 * 4 + 2;   // (245, 245, 170)
  int index = ((kSand - kWater) * code + kWater) % 64;
  return PixelOf(RGB(kLevels[index / 16], kLevels[index / 4 % 4], kLevels[index % 4]));
}

TPixel ContrastingPixel(TPixel background) {
  int r = (background >> 16) & 0xFF, g = (background >> 8) & 0xFF, b = background & 0xFF;
  return (299 * r + 587 * g + 114 * b) / 1000 > 140 ? PixelOf(clBlack) : PixelOf(clWhite);
}

void PaintPlaceholderTile(TBitmap& strip, int code) {
  TRect tile = RectOfSize(code * kTileSize, 0, kTileSize, kTileSize);
  TPixel colour = TileColour(code);
  strip.Fill(tile, colour);
  constexpr int kScale = 2;
  int x = tile.Left + (kTileSize - NumberWidth(code, kScale)) / 2;
  int y = tile.Top + (kTileSize - NumberHeight(kScale)) / 2;
  DrawNumber(strip, x, y, code, kScale, ContrastingPixel(colour));
}

}  // namespace

TBitmap PaintTileStrip() {
  TBitmap strip(kTileSize * kTileCount, kTileSize);
  for (int code = 0; code < kTileCount; ++code) PaintPlaceholderTile(strip, code);
  return strip;
}

TBitmap PaintSectorFrame() {
  TBitmap frame(kFrameSize, kFrameSize, PixelOf(clWhite));
  frame.Fill({1, 1, kFrameSize - 1, kFrameSize - 1}, kKeyColour);
  return frame;
}

std::vector<TPaintedAsset> PaintAssets() {
  std::vector<TPaintedAsset> assets;
  assets.push_back({"tiles_25x25.bmp", PaintTileStrip()});
  assets.push_back({"sector_frame_350x350.bmp", PaintSectorFrame()});
  return assets;
}
