#pragma once
// The whole editor under a long run of random user input on the headless
// backend: the mouse over the map, the palette, the scroll bars and the
// generate button and beyond the window, with every button; holds that let
// repeats tick; New with each answer, Save and Open of files that work and
// files that fail; switches to other programs; the clock moving between
// events. After every event the editor's promises are checked.
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/soak/soak_files.h"
#include "tests/soak/soak_layout.h"
#include "tests/support/app_harness.h"

struct TSoakCounts {
  long Events = 0;
  long Moves = 0, Presses = 0, Releases = 0, Holds = 0, ThumbGrabs = 0, Generations = 0;
  long News = 0, Saves = 0, SaveFailures = 0, Opens = 0, OpenFailures = 0, Switches = 0, LongPauses = 0;
  // What the events did: mouse events that changed the map, events that
  // moved each scroll bar.
  long MouseEdits = 0, HorizontalScrolls = 0, VerticalScrolls = 0;
};

// What an event must leave behind besides the promises that always hold.
struct TExpectation {
  // The error boxes it shows, in order: none for all but failing file commands.
  std::vector<std::string> Messages;
  // The map, where the event decides it (New, Open, Save).
  std::optional<TMapCells> Map;
};

// Raised by a check that fails; ends the run.
struct ESoakFailure {
  std::string What;
};

class TEditorSoak {
 public:
  explicit TEditorSoak(uint64_t start);

  // Runs actions until `events` events have run, measuring the memory once
  // `warmUp` have. Empty when every promise held, else the first that broke.
  std::string Run(long events, long warmUp);
  // The events before the end, oldest first, to retrace a failure.
  std::vector<std::string> RecentEvents() const { return {Recent.begin(), Recent.end()}; }

  TSoakCounts Counts;
  long WarmResidentKiB = -1;
  long FinalResidentKiB = -1;
  // The memory may grow this much after the warm-up.
  static constexpr long ResidentMarginKiB = 8 * 1024;

 private:
  // The actions: each runs one to three events.
  void Act();
  void MovePointer();
  void PressButton();
  void ReleaseButton();
  void Hold();
  void GrabThumb();
  void ClickPalette();
  void ClickGenerate();
  void NewMap();
  void SaveMap();
  void OpenMap();
  void SwitchActivation();
  void IdleUntilTheClockWraps();

  // One mouse event as the system delivers it, then the loop settles.
  void Mouse(TInputKind kind, TPoint p, TMouseButton button, const char* what);
  void MoveTo(TPoint p) { Mouse(TInputKind::MouseMove, p, mbLeft, "move"); }
  void ReleaseLeftIfHeld();
  TPoint NearPointer();
  const TArea* PickArea();  // none: outside the window
  TPoint PointIn(const TArea* area);
  std::optional<std::string> PickName(const std::vector<std::string>& names);
  std::function<void(TWindow&)> KeyAnswer(int key);

  void BeginEvent(std::string what);
  void EndEvent(const TExpectation& expected = {});
  void CheckMessages(const TExpectation& expected);
  void CheckControls();
  void CheckMap(const TExpectation& expected);
  void CountEffects(const TExpectation& expected, bool generated);
  // Empty when the run did each kind of thing the checks are about.
  std::string Unexercised() const;
  void Fail(const std::string& what) { throw ESoakFailure{what}; }
  size_t Below(size_t bound) { return size_t(Random() % bound); }

  TAppHarness H;
  TSoakFiles Files;
  std::mt19937_64 Random;  // its output is fixed by the standard

  TPoint Pointer{500, 300};
  std::array<bool, 3> Held{};  // by TMouseButton
  const TArea* Focus = &MapView;
  bool Away = false;
  bool ButtonWasEnabled = true;
  TMapCells MapBefore{};
  int HorizontalBefore = 0, VerticalBefore = 0;
  // Codes something could have put into the map so far.
  std::array<bool, 256> Possible{};
  std::deque<std::string> Recent;
};
