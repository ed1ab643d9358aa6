// One frame of the map view (tiles, sector frames, cursor) over a fixed
// sequence of scroll offsets, against a floor (one memset of the whole back
// surface) and a peer (the same scene composed with SDL's software blits,
// the frame picture colour-keyed with run-length acceleration).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/startup.h"
#include "bench/ratio_reporter.h"
#include "platform/headless_backend.h"
#include "platform/scripted_dialogs.h"
#include "render/embedded_assets.h"

namespace {
constexpr int ViewW = 697, ViewH = 577, Tile = 25, Sector = 350;
constexpr int OffsetCount = 256;

struct TOffset {
  int X, Y;
};

// The same offsets every run: a small linear congruential sequence.
const std::vector<TOffset>& Offsets() {
  static std::vector<TOffset> offsets = [] {
    std::vector<TOffset> list;
    uint32_t state = 12345;
    auto next = [&](int range) {
      state = state * 1103515245u + 12345u;
      return int((state >> 8) % uint32_t(range + 1));
    };
    for (int i = 0; i < OffsetCount; ++i) list.push_back({next(1753), next(1873)});
    return list;
  }();
  return offsets;
}

TMapCells SampleMap() {
  TMapCells map{};
  uint32_t state = 7;
  for (uint8_t& cell : map) {
    state = state * 1664525u + 1013904223u;
    cell = uint8_t((state >> 16) % 64);
  }
  return map;
}

void BM_Frame(benchmark::State& state) {
  THeadlessBackend backend;
  TScriptedDialogs dialogs;
  TEditor editor(backend, dialogs);
  TMain& form = *editor.Form;
  form.Show();
  while (editor.App.IdlePasses < 1) editor.App.HandleMessage();
  form.Map = SampleMap();
  size_t i = 0;
  for (auto _ : state) {
    const TOffset& o = Offsets()[i++ % OffsetCount];
    form.ScrollX = o.X;
    form.ScrollY = o.Y;
    form.CursorX = o.X % ViewW;
    form.CursorY = o.Y % ViewH;
    form.DrawMap();
    form.DrawCursor();
    benchmark::DoNotOptimize(form.DXDraw1->Surface()->Platform()->Pixels().Pixels.data());
  }
}

void BM_FloorMemset(benchmark::State& state) {
  std::vector<uint32_t> back(size_t(ViewW) * ViewH);
  int value = 0;
  for (auto _ : state) {
    std::memset(back.data(), value++ & 0xFF, back.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(back.data());
  }
}

SDL_Surface* SurfaceOf(const TBitmap& bitmap) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, bitmap.Width(), bitmap.Height(), 32, SDL_PIXELFORMAT_RGB888);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(static_cast<uint8_t*>(s->pixels) + y * s->pitch, bitmap.Row(y), size_t(bitmap.Width()) * 4);
  return s;
}

void BM_PeerSdlBlit(benchmark::State& state) {
  SDL_Surface* strip = SurfaceOf(LoadEmbeddedPicture("tiles_25x25.bmp"));
  SDL_Surface* frame = SurfaceOf(LoadEmbeddedPicture("sector_frame_350x350.bmp"));
  SDL_SetColorKey(frame, SDL_TRUE | SDL_RLEACCEL, 0xFF00FF);
  SDL_Surface* back = SDL_CreateRGBSurfaceWithFormat(0, ViewW, ViewH, 32, SDL_PIXELFORMAT_RGB888);
  TMapCells map = SampleMap();
  size_t i = 0;
  for (auto _ : state) {
    const TOffset& o = Offsets()[i++ % OffsetCount];
    int c = o.X / Tile, a = o.X % Tile, f = o.Y / Tile, d = o.Y % Tile;
    for (int l = 0; (l - 1) * Tile - d < ViewH - Tile; ++l)
      for (int m = 0; (m - 1) * Tile - a < ViewW - Tile; ++m) {
        SDL_Rect from{GetCell(map, c + m, f + l) * Tile, 0, Tile, Tile};
        SDL_Rect to{m * Tile - a, l * Tile - d, Tile, Tile};
        SDL_BlitSurface(strip, &from, back, &to);
      }
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x) {
        SDL_Rect to{x * Sector - o.X, y * Sector - o.Y, Sector, Sector};
        SDL_BlitSurface(frame, nullptr, back, &to);
      }
    int cx = o.X % ViewW, cy = o.Y % ViewH;
    SDL_Rect sides[4] = {{cx, cy, Tile, 2}, {cx, cy + Tile - 2, Tile, 2}, {cx, cy, 2, Tile}, {cx + Tile - 2, cy, 2, Tile}};
    SDL_FillRects(back, sides, 4, 0xFFFFFF);
    benchmark::DoNotOptimize(back->pixels);
  }
  SDL_FreeSurface(back);
  SDL_FreeSurface(frame);
  SDL_FreeSurface(strip);
}

BENCHMARK(BM_FloorMemset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PeerSdlBlit)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto floor = reporter.Ratio("BM_Frame", "BM_FloorMemset"), peer = reporter.Ratio("BM_Frame", "BM_PeerSdlBlit");
  if (floor && peer) std::printf("frame: floor ratio %.2f, peer ratio %.2f\n", *floor, *peer);
  benchmark::Shutdown();
  return 0;
}
