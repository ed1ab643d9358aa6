#include "platform/gtk_dialogs.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/window.h"
#include "platform/window_manager.h"

// Last: the X11 headers these pull in define macros (None, Status, ...) that
// would collide with names in the editor's headers.
#include <SDL.h>
#include <SDL_syswm.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>

// ---- The rules -------------------------------------------------------------

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<TFileFilterEntry> entries;
  if (filter.empty()) return entries;
  std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    TFileFilterEntry entry{parts[i], {}};
    for (const std::string& pattern : Split(parts[i + 1], ';'))
      if (std::string trimmed = Trimmed(pattern); !trimmed.empty()) entry.Patterns.push_back(trimmed);
    entries.push_back(std::move(entry));
  }
  return entries;
}

size_t SelectedFilterPosition(int filterIndex, size_t entryCount) {
  if (filterIndex < 1 || size_t(filterIndex) > entryCount) return 0;
  return size_t(filterIndex - 1);
}

std::string WithDefaultExt(const std::string& path, const std::string& defaultExt) {
  std::string_view ext = defaultExt;
  if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
  if (ext.empty()) return path;
  size_t slash = path.rfind('/');
  std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  // Nothing to name ("dir/", ".", ".."), or a name that has its extension.
  size_t stem = name.find_first_not_of('.');
  if (stem == std::string_view::npos || name.find('.', stem) != std::string_view::npos) return path;
  return path + "." + std::string(ext);
}

TPoint DialogOrigin(const TRect& workArea, int width, int height) {
  int freeWidth = std::max(0, workArea.Width() - width);
  int freeHeight = std::max(0, workArea.Height() - height);
  return {workArea.Left + freeWidth / 2, workArea.Top + freeHeight / 3};
}

// ---- GTK next to SDL -------------------------------------------------------

namespace {

bool SdlRunsOnX11() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::strcmp(driver, "x11") == 0;
}

bool StartGtk() {
  // GTK would otherwise call setlocale() and every number the program
  // formats or parses would take the user's decimal separator.
  gtk_disable_setlocale();
  // A GTK window can only be parented to the editor's window on the same
  // window system (SDL on XWayland, GTK on Wayland would not mix).
  if (SdlRunsOnX11()) gdk_set_allowed_backends("x11");
  return gtk_init_check(nullptr, nullptr);
}

// Any text GTK shows must be UTF-8; a file name in another encoding would
// otherwise blank the whole label.
std::string ValidUtf8(const std::string& text) {
  gchar* valid = g_utf8_make_valid(text.c_str(), gssize(text.size()));
  std::string result = valid;
  g_free(valid);
  return result;
}

// The program's shown SDL window the dialog belongs over: the owner's, the
// active one, else the first shown. Hidden windows (the application's) have
// none.
SDL_Window* EditorWindow(TWindow* owner) {
  if (!owner || !SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
  TWindowManager& manager = owner->Manager();
  std::vector<TWindow*> candidates{&owner->TopLevel(), manager.ActiveTopLevel()};
  candidates.insert(candidates.end(), manager.TopLevels().begin(), manager.TopLevels().end());
  for (TWindow* top : candidates) {
    if (!top || !top->Native) continue;
    // Only the SDL backend keeps SDL windows there; make sure this is one.
    auto* window = static_cast<SDL_Window*>(top->Native);
    if (SDL_GetWindowFromID(SDL_GetWindowID(window)) == window) return window;
  }
  return nullptr;
}

// The editor's window as GDK sees it, for parenting; null off X11. A new
// reference.
GdkWindow* ForeignWindowOf(SDL_Window* editor) {
  GdkDisplay* display = gdk_display_get_default();
  if (!editor || !GDK_IS_X11_DISPLAY(display)) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(editor, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  return gdk_x11_window_foreign_new_for_display(display, info.info.x11.window);
}

GdkMonitor* MonitorOf(GdkWindow* editor) {
  GdkDisplay* display = gdk_display_get_default();
  if (editor) return gdk_display_get_monitor_at_window(display, editor);
  if (GdkMonitor* primary = gdk_display_get_primary_monitor(display)) return primary;
  return gdk_display_get_monitor(display, 0);
}

void PlaceDialog(GtkWindow* dialog, GdkWindow* editor) {
  GdkMonitor* monitor = MonitorOf(editor);
  if (!monitor) return;
  GdkRectangle area;
  gdk_monitor_get_workarea(monitor, &area);
  int width = 0, height = 0;
  gtk_window_get_size(dialog, &width, &height);
  TPoint origin = DialogOrigin(RectOfSize(area.x, area.y, area.width, area.height), width, height);
  gtk_window_move(dialog, origin.X, origin.Y);
}

// Whatever was clicked or typed at the editor while a dialog was open must
// not act once it closes: SDL's input events go, window events (exposure,
// focus, close) stay for the program.
void DropEditorInput() {
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
}

// While GTK runs its loop the program's does not. This keeps the editor's
// window showing its last frame where the dialog uncovers it, and keeps SDL
// answering the window system, which takes a silent window for a hung one.
class TEditorKeeper {
 public:
  explicit TEditorKeeper(SDL_Window* editor) : Editor(editor), EditorId(SDL_GetWindowID(editor)) {
    SDL_AddEventWatch(Watch, this);
    Timer = g_timeout_add(50, Tick, this);
    // The editor may still show a dialog closed just before this one.
    SDL_UpdateWindowSurface(Editor);
  }
  ~TEditorKeeper() {
    g_source_remove(Timer);
    SDL_DelEventWatch(Watch, this);
  }
  TEditorKeeper(const TEditorKeeper&) = delete;
  TEditorKeeper& operator=(const TEditorKeeper&) = delete;

 private:
  static int Watch(void* data, SDL_Event* event) {
    auto* self = static_cast<TEditorKeeper*>(data);
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_EXPOSED &&
        event->window.windowID == self->EditorId)
      self->Exposed = true;
    return 0;
  }
  static gboolean Tick(gpointer data) {
    auto* self = static_cast<TEditorKeeper*>(data);
    DropEditorInput();
    // Drawn here, not in Watch: that runs inside SDL's event pump.
    if (self->Exposed) SDL_UpdateWindowSurface(self->Editor);
    self->Exposed = false;
    return G_SOURCE_CONTINUE;
  }

  SDL_Window* Editor;
  uint32_t EditorId;
  bool Exposed = false;
  guint Timer = 0;
};

// One GTK dialog shown modal over the editor, from construction to Run();
// gone from the screen when this ends, the editor's window active again.
class TModalDialog {
 public:
  TModalDialog(GtkWidget* dialog, TWindow* owner) : Dialog(dialog), Editor(EditorWindow(owner)) {
    // A capture held by one of our windows would keep the mouse from the dialog.
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_CaptureMouse(SDL_FALSE);
    gtk_window_set_modal(GTK_WINDOW(Dialog), TRUE);
    gtk_widget_realize(Dialog);
    Foreign = ForeignWindowOf(Editor);
    // Without this a click on the editor raises it over the dialog.
    if (Foreign) gdk_window_set_transient_for(gtk_widget_get_window(Dialog), Foreign);
    PlaceDialog(GTK_WINDOW(Dialog), Foreign);
    if (Editor) Keeper.emplace(Editor);
  }
  ~TModalDialog() {
    gtk_widget_destroy(Dialog);
    while (gtk_events_pending()) gtk_main_iteration();
    Keeper.reset();
    if (Foreign) g_object_unref(Foreign);
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    DropEditorInput();
    if (Editor) SDL_RaiseWindow(Editor);
  }
  TModalDialog(const TModalDialog&) = delete;
  TModalDialog& operator=(const TModalDialog&) = delete;

  int Run() { return gtk_dialog_run(GTK_DIALOG(Dialog)); }

 private:
  GtkWidget* Dialog;
  SDL_Window* Editor;
  GdkWindow* Foreign = nullptr;
  std::optional<TEditorKeeper> Keeper;
};

// ---- File dialogs ----------------------------------------------------------

// The filters of the settings; the one shown first is returned.
GtkFileFilter* AddFilters(GtkFileChooser* chooser, const TFileDialogSettings& settings) {
  std::vector<TFileFilterEntry> entries = ParseFileFilter(settings.Filter);
  size_t selected = SelectedFilterPosition(settings.FilterIndex, entries.size());
  GtkFileFilter* shown = nullptr;
  for (size_t i = 0; i < entries.size(); ++i) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, ValidUtf8(entries[i].Label).c_str());
    for (const std::string& pattern : entries[i].Patterns) gtk_file_filter_add_pattern(filter, pattern.c_str());
    gtk_file_chooser_add_filter(chooser, filter);  // takes the floating reference
    if (i == selected) shown = filter;
  }
  if (shown) gtk_file_chooser_set_filter(chooser, shown);
  return shown;
}

bool FilterShows(GtkFileFilter* filter, const std::string& displayName) {
  if (!filter) return true;
  GtkFileFilterInfo info{};
  info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
  info.display_name = displayName.c_str();
  return gtk_file_filter_filter(filter, &info);
}

// Shows `fileName` (relative names count from InitialDir, else the working
// folder): its folder open and its name typed in; also selected in the list
// when it exists and the filter shows it. Selecting a file the filter hides
// would make GTK drop the filter.
void PreFill(GtkFileChooser* chooser, const TFileDialogSettings& settings, const std::string& fileName,
             GtkFileFilter* filter) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path folder = settings.InitialDir.empty() ? fs::current_path(error) : fs::path(settings.InitialDir);
  folder = fs::absolute(folder, error);
  if (fs::is_directory(folder, error)) gtk_file_chooser_set_current_folder(chooser, folder.c_str());
  if (fileName.empty()) return;
  fs::path full = fs::absolute(folder / fileName, error);
  gchar* name = g_filename_display_name(full.filename().c_str());
  std::string displayName = name;
  g_free(name);
  if (fs::is_regular_file(full, error) && FilterShows(filter, displayName)) {
    gtk_file_chooser_set_filename(chooser, full.c_str());
    return;
  }
  if (fs::is_directory(full.parent_path(), error))
    gtk_file_chooser_set_current_folder(chooser, full.parent_path().c_str());
  gtk_file_chooser_set_current_name(chooser, displayName.c_str());
}

GtkWidget* NewFileDialog(const TFileDialogSettings& settings, bool save) {
  std::string title = settings.Title.empty() ? (save ? "Save File" : "Open File") : ValidUtf8(settings.Title);
  // The save action for opening too: it keeps a name field the remembered
  // name can be typed into, and returns a typed name whether the file exists
  // or not (the open action turns typing into a search).
  GtkWidget* dialog =
      gtk_file_chooser_dialog_new(title.c_str(), nullptr, GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel",
                                  GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
  gtk_file_chooser_set_create_folders(chooser, save);
  gtk_file_chooser_set_local_only(chooser, TRUE);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
  gtk_window_set_resizable(GTK_WINDOW(dialog), TRUE);
  return dialog;
}

std::optional<std::string> RunFileDialog(TWindow* owner, const TFileDialogSettings& settings,
                                         const std::string& fileName, bool save) {
  if (!TGtkDialogs::Ready()) {
    std::fprintf(stderr, "varnock: no file dialog without a display\n");
    return std::nullopt;
  }
  GtkWidget* dialog = NewFileDialog(settings, save);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  PreFill(chooser, settings, fileName, AddFilters(chooser, settings));
  TModalDialog modal(dialog, owner);
  if (modal.Run() != GTK_RESPONSE_ACCEPT) return std::nullopt;
  gchar* chosen = gtk_file_chooser_get_filename(chooser);
  if (!chosen) return std::nullopt;
  // The bytes of the file system's name, as open() wants them.
  std::string path = chosen;
  g_free(chosen);
  return save ? WithDefaultExt(path, settings.DefaultExt) : path;
}

// ---- The message box -------------------------------------------------------

GtkMessageType MessageTypeOf(TMessageIcon icon) {
  switch (icon) {
    case TMessageIcon::Error: return GTK_MESSAGE_ERROR;
    case TMessageIcon::Warning: return GTK_MESSAGE_WARNING;
    case TMessageIcon::Question: return GTK_MESSAGE_QUESTION;
    default: return GTK_MESSAGE_INFO;
  }
}

const char* IconNameOf(TMessageIcon icon) {
  switch (icon) {
    case TMessageIcon::Error: return "dialog-error";
    case TMessageIcon::Warning: return "dialog-warning";
    case TMessageIcon::Question: return "dialog-question";
    default: return "dialog-information";
  }
}

// Long paths have no spaces to wrap at: without breaking inside words the
// box would grow wider than the screen and take its OK button off it.
void WrapAnywhere(GtkWidget* widget, gpointer) {
  if (GTK_IS_LABEL(widget)) gtk_label_set_line_wrap_mode(GTK_LABEL(widget), PANGO_WRAP_WORD_CHAR);
}

GtkWidget* NewMessageDialog(const std::string& text, const std::string& title, TMessageIcon icon) {
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, MessageTypeOf(icon), GTK_BUTTONS_OK, "%s",
                                             ValidUtf8(text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), ValidUtf8(title).c_str());
  gtk_container_foreach(GTK_CONTAINER(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog))),
                        WrapAnywhere, nullptr);
  // GTK 3 shows no icon for the message type alone; the image is the only way
  // left to give the box one.
  GtkWidget* image = gtk_image_new_from_icon_name(IconNameOf(icon), GTK_ICON_SIZE_DIALOG);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), image);
  G_GNUC_END_IGNORE_DEPRECATIONS
  gtk_widget_show(image);
  return dialog;
}

}  // namespace

// ---- TGtkDialogs -----------------------------------------------------------

bool TGtkDialogs::Ready() {
  static const bool started = StartGtk();
  return started;
}

std::optional<std::string> TGtkDialogs::OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                     const std::string& fileName) {
  return RunFileDialog(owner, settings, fileName, false);
}

std::optional<std::string> TGtkDialogs::SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                     const std::string& fileName) {
  return RunFileDialog(owner, settings, fileName, true);
}

void TGtkDialogs::MessageBox(TWindow* owner, const std::string& text, const std::string& title,
                             TMessageIcon icon) {
  if (!Ready()) {
    // The message must not vanish when no box can be shown.
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return;
  }
  TModalDialog modal(NewMessageDialog(text, title, icon), owner);
  modal.Run();
}
