#include "platform/gtk_dialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

TEST(FileFilter, PairsBecomeEntriesInOrderWithTheirPatterns) {
  const struct {
    std::string Filter;
    std::vector<TFileFilterEntry> Expected;
  } cases[] = {
      {"VNKMAP|*.vnkmap", {{"VNKMAP", {"*.vnkmap"}}}},
      {"Maps|*.vnkmap|All files|*", {{"Maps", {"*.vnkmap"}}, {"All files", {"*"}}}},
      {"Pictures|*.bmp; *.png;", {{"Pictures", {"*.bmp", "*.png"}}}},
      // A pair without patterns keeps its place, or FilterIndex would point past it.
      {"Empty||Maps|*.vnkmap", {{"Empty", {}}, {"Maps", {"*.vnkmap"}}}},
      {"Maps|*.vnkmap|Dangling", {{"Maps", {"*.vnkmap"}}}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFileFilter(c.Filter), c.Expected) << c.Filter;
}

TEST(FileFilter, TheIndexCountsFromOneAndFallsBackToTheFirst) {
  EXPECT_EQ(SelectedFilterPosition(1, 3), 0u);
  EXPECT_EQ(SelectedFilterPosition(3, 3), 2u);
  EXPECT_EQ(SelectedFilterPosition(4, 3), 0u);
  EXPECT_EQ(SelectedFilterPosition(0, 3), 0u);
  EXPECT_EQ(SelectedFilterPosition(-2, 3), 0u);
  EXPECT_EQ(SelectedFilterPosition(1, 0), 0u);
}

TEST(DefaultExt, AppendedOnlyToANameWithoutExtension) {
  const struct {
    std::string Path;
    std::string Expected;
  } cases[] = {
      {"a", "a.vnkmap"},
      {"/home/u/a", "/home/u/a.vnkmap"},
      {"a.txt", "a.txt"},
      {"a.VNKMAP", "a.VNKMAP"},
      {"dir.v/a", "dir.v/a.vnkmap"},
      {"/home/u.name/map", "/home/u.name/map.vnkmap"},
      // Leading dots make a hidden file, not an extension.
      {".hidden", ".hidden.vnkmap"},
      {"/home/u/..x", "/home/u/..x.vnkmap"},
      {".hidden.txt", ".hidden.txt"},
      // A trailing dot was typed on purpose.
      {"a.", "a."},
      // Nothing to name.
      {"/home/u/", "/home/u/"},
      {"..", ".."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WithDefaultExt(c.Path, ".vnkmap"), c.Expected) << c.Path;
}

TEST(DefaultExt, TheDotMayBeLeftOutAndNoExtensionAddsNothing) {
  EXPECT_EQ(WithDefaultExt("a", "vnkmap"), "a.vnkmap");
  EXPECT_EQ(WithDefaultExt("a", ""), "a");
  EXPECT_EQ(WithDefaultExt("a", "."), "a");
}

TEST(DialogPlacement, CentredAcrossWithATopAtAThirdOfTheFreeHeight) {
  // 1280x1024 work area below a 30-pixel panel; a 400x300 dialog leaves
  // 880 across and 694 down.
  EXPECT_EQ(DialogOrigin(RectOfSize(0, 30, 1280, 994), 400, 300), (TPoint{440, 30 + 694 / 3}));
  // The second monitor of a pair, right of the first.
  EXPECT_EQ(DialogOrigin(RectOfSize(1920, 0, 1280, 1024), 1096, 822), (TPoint{1920 + 92, 67}));
}

TEST(DialogPlacement, ADialogLargerThanTheWorkAreaStartsAtItsCorner) {
  EXPECT_EQ(DialogOrigin(RectOfSize(100, 50, 800, 600), 1000, 700), (TPoint{100, 50}));
  EXPECT_EQ(DialogOrigin(RectOfSize(0, 0, 800, 600), 1000, 300), (TPoint{0, 100}));
}

// Unsets an environment variable for one scope.
class TScopedUnsetEnv {
 public:
  explicit TScopedUnsetEnv(const char* name) : Name(name) {
    if (const char* value = std::getenv(name)) Saved = value;
    unsetenv(name);
  }
  ~TScopedUnsetEnv() {
    if (Saved) setenv(Name, Saved->c_str(), 1);
  }

 private:
  const char* Name;
  std::optional<std::string> Saved;
};

TEST(GtkDialogs, WithoutADisplayTheMessageGoesToStderrAndFileDialogsCancel) {
  TScopedUnsetEnv display("DISPLAY"), wayland("WAYLAND_DISPLAY"), backend("GDK_BACKEND");
  // GTK starts once per process, and nothing else in this one starts it.
  ASSERT_FALSE(TGtkDialogs::Ready());
  TGtkDialogs dialogs;
  testing::internal::CaptureStderr();
  dialogs.MessageBox(nullptr, "File not found.", "Varnock", TMessageIcon::Error);
  std::optional<std::string> chosen = dialogs.OpenFileName(nullptr, {"VNKMAP|*.vnkmap", 1, "", "", ""}, "a.vnkmap");
  std::string output = testing::internal::GetCapturedStderr();
  EXPECT_NE(output.find("Varnock: File not found."), std::string::npos) << output;
  EXPECT_FALSE(chosen.has_value());
}

}  // namespace
