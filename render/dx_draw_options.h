#pragma once
// The options of a surface control and the notifications it sends.
#include <bitset>
#include <initializer_list>

enum TDXDrawOption {
  doFullScreen,
  doNoWindowChange,
  doAllowReboot,
  doWaitVBlank,
  doAllowPalette256,
  doSystemMemory,
  doStretch,
  doCenter,
  doFlip,
  do3D,
  doDirectX7Mode,
  doRetainedMode,
  doHardware,
  doSelectDriver,
  doZBuffer,
  DXDrawOptionCount
};

class TDXDrawOptions {
 public:
  TDXDrawOptions() = default;
  TDXDrawOptions(std::initializer_list<TDXDrawOption> options) {
    for (TDXDrawOption o : options) Bits.set(o);
  }
  bool Has(TDXDrawOption o) const { return Bits.test(o); }
  void Add(TDXDrawOption o) { Bits.set(o); }
  void Remove(TDXDrawOption o) { Bits.reset(o); }
  friend bool operator==(const TDXDrawOptions&, const TDXDrawOptions&) = default;

 private:
  std::bitset<DXDrawOptionCount> Bits;
};

// What stays in effect of the requested options when running in a window.
TDXDrawOptions EffectiveOptions(const TDXDrawOptions& requested);

enum TDXDrawNotifyType {
  dxntDestroying,
  dxntInitializing,
  dxntInitialize,
  dxntInitializeSurface,
  dxntFinalize,
  dxntFinalizeSurface,
  dxntRestore,
  dxntSetSurfaceSize
};
