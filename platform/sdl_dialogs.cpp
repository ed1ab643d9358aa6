#include "platform/sdl_dialogs.h"

#include <SDL.h>

#include <cstdio>

#include "platform/window.h"

std::optional<std::string> TSdlDialogs::OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                     const std::string& fileName) {
  return Gtk.OpenFileName(owner, settings, fileName);
}

std::optional<std::string> TSdlDialogs::SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                     const std::string& fileName) {
  return Gtk.SaveFileName(owner, settings, fileName);
}

namespace {

uint32_t MessageBoxFlagsOf(TMessageIcon icon) {
  switch (icon) {
    case TMessageIcon::Error: return SDL_MESSAGEBOX_ERROR;
    case TMessageIcon::Warning: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
  }
}

}  // namespace

void TSdlDialogs::MessageBox(TWindow* owner, const std::string& text, const std::string& title,
                             TMessageIcon icon) {
  if (TGtkDialogs::Ready()) {
    Gtk.MessageBox(owner, text, title, icon);
    return;
  }
  // A capture held by one of our windows would keep the mouse from the box.
  SDL_CaptureMouse(SDL_FALSE);
  SDL_MessageBoxButtonData ok{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0,
                              "OK"};
  SDL_MessageBoxData box{};
  box.flags = MessageBoxFlagsOf(icon);
  box.window = owner ? static_cast<SDL_Window*>(owner->TopLevel().Native) : nullptr;
  box.title = title.c_str();
  box.message = text.c_str();
  box.numbuttons = 1;
  box.buttons = &ok;
  int pressed = 0;
  // The message must not vanish when no box can be shown.
  if (SDL_ShowMessageBox(&box, &pressed) != 0)
    std::fprintf(stderr, "%s: %s\n(no message box: %s)\n", title.c_str(), text.c_str(), SDL_GetError());
}
