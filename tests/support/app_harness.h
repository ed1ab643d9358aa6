#pragma once
// The whole editor on the headless backend: start-up as the program does it,
// passes of the message loop, input at the main window's client coordinates,
// a clock set by hand, scripted dialogs, and read-back of what shows.
#include <functional>
#include <memory>
#include <string>

#include "app/startup.h"
#include "platform/headless_backend.h"
#include "platform/scripted_dialogs.h"

class TAppHarness {
 public:
  // Starts the editor: main window made and shown; with `settle`, the loop
  // runs until start-up is done (its queue found empty once).
  explicit TAppHarness(bool settle = true);

  THeadlessBackend Backend;
  TScriptedDialogs Dialogs;
  std::unique_ptr<TEditor> Editor;

  TApplication& App() { return Editor->App; }
  TMain& Form() { return *Editor->Form; }

  // Runs `count` passes of the message loop.
  void Passes(int count);
  // Runs passes until the queue is empty (an idle pass happened), at most `limit`.
  void Settle(int limit = 1000);

  // Input at client coordinates of the main window.
  void MouseMove(int x, int y);
  void MouseDown(int x, int y, TMouseButton button = TMouseButton::mbLeft);
  void MouseUp(int x, int y, TMouseButton button = TMouseButton::mbLeft);
  void Click(int x, int y, TMouseButton button = TMouseButton::mbLeft);
  void KeyDown(int key, uint32_t keys = 0);
  void KeyUp(int key, uint32_t keys = 0);
  void SwitchAway();
  void SwitchBack();

  // Runs `handler` as the message loop runs one: an exception it raises is
  // shown in the error box.
  void AsHandler(const std::function<void()>& handler);

  TPixel Pixel(int x, int y) { return Form().Framebuffer().At(x, y); }
};
