#pragma once
// The commands of vnkmap. Each returns the process exit code.
#include <string>
#include <vector>

// Thrown for arguments a command cannot take; main prints the usage.
struct EUsage {};

int ShotCommand(const std::vector<std::string>& args);
