#include "tests/soak/editor_soak.h"

#include "tests/soak/process_memory.h"

namespace {

constexpr size_t RecentCount = 24;
// The codes of the landscape generator's decorations.
constexpr int FirstGeneratedCode = 14, LastGeneratedCode = 63;
constexpr int PaletteCodes = 100;
// Between events the user takes up to this long; now and then far longer,
// so that the generate button's cool-down runs out.
constexpr uint32_t LongestGap = 60;
constexpr uint32_t LongPause = 5000;

std::string CellName(int i) { return "(" + std::to_string(i % MapSide) + ", " + std::to_string(i / MapSide) + ")"; }

}  // namespace

TEditorSoak::TEditorSoak(uint64_t start) : Random(start) {
  // The map starts as water; the brush starts with water too.
  Possible[0] = true;
  for (uint8_t code : Files.HandMadeCodes()) Possible[code] = true;
}

std::string TEditorSoak::Run(long events, long warmUp) {
  try {
    IdleUntilTheClockWraps();
    while (Counts.Events < events) {
      Act();
      if (WarmResidentKiB < 0 && Counts.Events >= warmUp) WarmResidentKiB = ResidentKiB();
    }
    if (std::string missing = Unexercised(); !missing.empty()) return "the run never " + missing;
    FinalResidentKiB = ResidentKiB();
    if (WarmResidentKiB < 0 || FinalResidentKiB < 0) return "the resident memory could not be read";
    if (FinalResidentKiB > WarmResidentKiB + ResidentMarginKiB)
      return "the resident memory grew from " + std::to_string(WarmResidentKiB) + " KiB to " +
             std::to_string(FinalResidentKiB) + " KiB";
  } catch (const ESoakFailure& failure) {
    return failure.What;
  }
  return {};
}

void TEditorSoak::BeginEvent(std::string what) {
  if (Below(300) == 0) {
    H.Backend.Advance(LongPause + uint32_t(Below(1500)));
    ++Counts.LongPauses;
    what = "after a long pause, " + what;
  } else {
    H.Backend.Advance(uint32_t(Below(LongestGap + 1)));
  }
  if (Recent.size() == RecentCount) Recent.pop_front();
  Recent.push_back(std::to_string(Counts.Events) + ": " + what);
  TMain& m = H.Form();
  ButtonWasEnabled = m.Button1->Enabled();
  MapBefore = m.Map;
  HorizontalBefore = m.scrGorizontal->Position();
  VerticalBefore = m.scrVertical->Position();
}

void TEditorSoak::EndEvent(const TExpectation& expected) {
  ++Counts.Events;
  CheckMessages(expected);
  CheckControls();
  CheckMap(expected);
}

// A soak that stopped reaching the editor's parts would pass without
// checking anything.
std::string TEditorSoak::Unexercised() const {
  const TSoakCounts& c = Counts;
  if (c.MouseEdits == 0) return "changed the map with the mouse";
  if (c.HorizontalScrolls == 0 || c.VerticalScrolls == 0) return "moved both scroll bars";
  if (c.Generations == 0) return "generated a landscape";
  if (c.Opens == c.OpenFailures || c.OpenFailures == 0) return "opened a file both with and without success";
  if (c.Saves == c.SaveFailures || c.SaveFailures == 0) return "saved a file both with and without success";
  return {};
}

void TEditorSoak::CountEffects(const TExpectation& expected, bool generated) {
  TMain& m = H.Form();
  if (!expected.Map && !generated && m.Map != MapBefore) ++Counts.MouseEdits;
  if (m.scrGorizontal->Position() != HorizontalBefore) ++Counts.HorizontalScrolls;
  if (m.scrVertical->Position() != VerticalBefore) ++Counts.VerticalScrolls;
}

void TEditorSoak::CheckMessages(const TExpectation& expected) {
  auto& shown = H.Dialogs.Messages;
  bool same = shown.size() == expected.Messages.size();
  for (size_t i = 0; same && i < shown.size(); ++i) same = shown[i].Text == expected.Messages[i];
  if (!same) {
    std::string texts;
    for (const auto& m : shown) texts += " \"" + m.Text + "\"";
    std::string wanted;
    for (const auto& m : expected.Messages) wanted += " \"" + m + "\"";
    Fail("error boxes shown:" + (texts.empty() ? " none" : texts) + "; expected:" + (wanted.empty() ? " none" : wanted));
  }
  // Every answer queued for a file dialog must have been asked for.
  if (!H.Dialogs.FileAnswers.empty()) Fail("a file dialog that was to be asked was not");
  // Kept short, so that the harness's own records do not count as growth.
  shown.clear();
  H.Dialogs.FileRequests.clear();
}

void TEditorSoak::CheckControls() {
  TMain& m = H.Form();
  int x = m.scrGorizontal->Position(), y = m.scrVertical->Position();
  if (x < 0 || x > HorizontalMax) Fail("scrGorizontal at " + std::to_string(x));
  if (y < 0 || y > VerticalMax) Fail("scrVertical at " + std::to_string(y));
  if (m.CurrentGround < 0 || m.CurrentGround >= PaletteCodes) Fail("CurrentGround " + std::to_string(m.CurrentGround));
  if (m.MouseMode < 0 || m.MouseMode > 2) Fail("MouseMode " + std::to_string(m.MouseMode));
}

void TEditorSoak::CheckMap(const TExpectation& expected) {
  TMain& m = H.Form();
  // What the user, the generator or a file could have put there by now.
  Possible[uint8_t(m.CurrentGround)] = true;
  bool generated = ButtonWasEnabled && !m.Button1->Enabled();
  CountEffects(expected, generated);
  if (generated) {
    ++Counts.Generations;
    for (int code = FirstGeneratedCode; code <= LastGeneratedCode; ++code) Possible[code] = true;
  }
  if (expected.Map && m.Map != *expected.Map) {
    for (int i = 0; i < MapCellCount; ++i)
      if (m.Map[i] != (*expected.Map)[i])
        Fail("the map differs from what it must be at cell " + CellName(i) + ": " + std::to_string(m.Map[i]) +
             " instead of " + std::to_string((*expected.Map)[i]));
  }
  for (int i = 0; i < MapCellCount; ++i)
    if (!Possible[m.Map[i]]) Fail("cell " + CellName(i) + " holds " + std::to_string(m.Map[i]) + ", which nothing put there");
}
