#pragma once
// Starting the editor on a backend: the application object with its title,
// the main window, and the report of a main window that could not be made.
#include <memory>

#include "app/main_form.h"

// The editor as a person starts it: runs until the main window closes and
// returns the exit code (1 when the main window could not be made).
int RunEditor(TBackend& backend, TDialogs& dialogs);

// Start-up up to the first pass of the message loop: the application's title,
// the main window (already the application's main form) shown on screen.
struct TEditor {
  TEditor(TBackend& backend, TDialogs& dialogs);
  TApplication App;
  std::unique_ptr<TMain> Form;
};

// The last-chance report of an exception that escaped the making of the main
// window: "Exception <class> in module <program> at <address>.\r\n<message>[.]\r\n".
std::string LastChanceReport(const std::exception& e, const std::string& moduleName);
