#pragma once
// The dialogs on a real display through GTK 3: file choosers and the message
// box, modal over the editor's SDL window. GTK starts at the first dialog, not
// before: it costs time and memory a session without dialogs does not need.
// Without a display the message goes to stderr and file dialogs cancel.
//
// The rules the dialogs follow are plain functions below, testable without a
// display.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/types.h"

class TGtkDialogs : public TDialogs {
 public:
  // Starts GTK on the first call; whether its dialogs can be shown.
  static bool Ready();

  std::optional<std::string> OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  std::optional<std::string> SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  void MessageBox(TWindow* owner, const std::string& text, const std::string& title, TMessageIcon icon) override;
};

// One entry of the filter list: "VNKMAP|*.vnkmap" gives the label "VNKMAP"
// and the pattern "*.vnkmap".
struct TFileFilterEntry {
  std::string Label;
  std::vector<std::string> Patterns;
  friend bool operator==(const TFileFilterEntry&, const TFileFilterEntry&) = default;
};

// "label|patterns|label|patterns...", patterns separated by ';'. Every pair
// becomes an entry, so the n-th pair stays the n-th entry; a label without
// patterns at the end is dropped.
std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter);

// The 0-based entry a 1-based filter index selects; the first for an index
// outside the list.
size_t SelectedFilterPosition(int filterIndex, size_t entryCount);

// `path` with `defaultExt` (".vnkmap"; the dot may be left out) appended when
// its last component has no extension. Leading dots mark a hidden file, not an
// extension: ".hidden" becomes ".hidden.vnkmap". A trailing dot is an
// extension the user typed on purpose: "a." stays.
std::string WithDefaultExt(const std::string& path, const std::string& defaultExt);

// Where a dialog of the given size goes on a monitor's work area: centred
// across, its top at a third of the height it leaves free. A dialog larger
// than the work area starts at its edge.
TPoint DialogOrigin(const TRect& workArea, int width, int height);
