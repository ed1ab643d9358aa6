#include "tools/paint_assets/icon_painter.h"

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/palm.h"
#include "tools/paint_assets/shading.h"

namespace {

const TRgb Sea = Rgb(40, 112, 184);
const TRgb ShallowSea = Rgb(30, 90, 146);
const TRgb Foam = Rgb(246, 250, 252);
const TRgb Sand = Rgb(232, 204, 144);

// The picture is drawn on a 48-unit grid and scaled: `Unit` turns grid
// units into pixels of the size being painted.
struct TIconScale {
  double Unit;
  TPointF At(double x, double y) const { return {x * Unit, y * Unit}; }
};

TShape SeaDisc(const TIconScale& scale) { return Circle(scale.At(24, 24), 23.5 * scale.Unit); }

void PaintSea(TBitmap& canvas, const TIconScale& scale) {
  TPointF centre = scale.At(24, 24);
  FillShape(canvas, SeaDisc(scale), DomePaint(centre, 30 * scale.Unit, 30 * scale.Unit, Sea, 301, 0));
  // A rim a shade darker keeps the disc's edge crisp on light desktops.
  FillShape(canvas, Minus(SeaDisc(scale), Circle(centre, 22.3 * scale.Unit)), Scaled(Sea, 0.6));
}

void PaintIsland(TBitmap& canvas, const TIconScale& scale) {
  TPointF centre = scale.At(24, 34);
  double rx = 16 * scale.Unit, ry = 8 * scale.Unit;
  double band = 2.6 * scale.Unit, surf = 1.1 * scale.Unit + 0.4;
  FillShape(canvas, Ellipse(centre, rx + band + surf, ry + band + surf), ShallowSea);
  FillShape(canvas, Ellipse(centre, rx + surf, ry + surf), Foam);
  FillShape(canvas, Ellipse(centre, rx, ry), DomePaint(centre, rx, ry * 2, Sand, 302, 4));
}

void PaintIconPalm(TBitmap& canvas, const TIconScale& scale, int size) {
  TPalm palm;
  palm.Foot = scale.At(26, 35);
  palm.Top = scale.At(21, 16);
  palm.Bend = 4 * scale.Unit;
  // Small icons get relatively thicker strokes so the palm still reads.
  double boldness = size < 24 ? 1.5 : 1.0;
  palm.FootRadius = 2.2 * scale.Unit * boldness;
  palm.TopRadius = 1.4 * scale.Unit * boldness;
  palm.FrondLength = 12.5 * scale.Unit;
  palm.FrondWidth = 3.4 * scale.Unit * boldness;
  palm.FrondDirections = {9, 13, 15, 11, 1, 7};
  palm.Coconuts = size >= 32;
  palm.Seed = 303;
  PaintPalm(canvas, palm);
}

}  // namespace

TIconPicture PaintIcon(int size) {
  TIconScale scale{size / 48.0};
  TIconPicture icon{TBitmap(size, size, ToPixel(Sea)), std::vector<uint8_t>(size_t(size) * size, 0)};
  PaintSea(icon.Colour, scale);
  PaintIsland(icon.Colour, scale);
  PaintIconPalm(icon.Colour, scale, size);
  TShape disc = SeaDisc(scale);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) icon.Alpha[size_t(y) * size + x] = uint8_t(Coverage(disc, x, y) * 255 + 0.5);
  return icon;
}
