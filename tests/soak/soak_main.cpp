// The editor's soak test: a fixed sequence of random user events on the
// headless editor, with its promises checked after each one and its memory
// compared between the end of a warm-up and the end of the run.
#include <chrono>
#include <cstdio>

#include "tests/soak/editor_soak.h"

namespace {

constexpr long Events = 200000;
constexpr long WarmUpEvents = 20000;
constexpr uint64_t Start = 7031;

void PrintCounts(const TSoakCounts& c) {
  std::printf("events %ld: moves %ld, presses %ld, releases %ld, holds %ld, thumb grabs %ld, generations %ld,\n",
              c.Events, c.Moves, c.Presses, c.Releases, c.Holds, c.ThumbGrabs, c.Generations);
  std::printf("  New %ld, saves %ld (%ld failed), opens %ld (%ld failed), switches %ld, long pauses %ld\n", c.News,
              c.Saves, c.SaveFailures, c.Opens, c.OpenFailures, c.Switches, c.LongPauses);
  std::printf("  map changed by the mouse %ld times; scrGorizontal moved %ld times, scrVertical %ld times\n",
              c.MouseEdits, c.HorizontalScrolls, c.VerticalScrolls);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer freed blocks wait in a quarantine of up to 256 MiB,
// which the resident memory would show as growth: keep it small.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=4"; }
#endif

int main() {
  auto started = std::chrono::steady_clock::now();
  TEditorSoak soak(Start);
  std::string problem = soak.Run(Events, WarmUpEvents);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  PrintCounts(soak.Counts);
  std::printf("resident memory: %ld KiB after the warm-up, %ld KiB at the end; %.1f s\n", soak.WarmResidentKiB,
              soak.FinalResidentKiB, seconds);
  // Out before anything that runs at exit can end the process.
  std::fflush(stdout);
  if (problem.empty()) return 0;
  std::fprintf(stderr, "FAILED at event %ld: %s\nThe events before it, oldest first:\n", soak.Counts.Events,
               problem.c_str());
  for (const std::string& event : soak.RecentEvents()) std::fprintf(stderr, "  %s\n", event.c_str());
  return 1;
}
