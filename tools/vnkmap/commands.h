#pragma once
// The commands of vnkmap. Each returns the process exit code.
#include <string>
#include <vector>

// Thrown for arguments a command cannot take; main prints the usage.
struct EUsage {};

int ShotCommand(const std::vector<std::string>& args);
// Map files, loaded as Open loads them and saved as Save saves them; a
// failure prints the editor's error box text on stderr and exits with 1.
int CheckCommand(const std::vector<std::string>& args);
int DumpCommand(const std::vector<std::string>& args);
int CopyCommand(const std::vector<std::string>& args);
// One frame of the map view of a file (or --new) at --scroll X,Y, as a picture.
int RenderCommand(const std::vector<std::string>& args);
// The landscape generator run N times on a file (or --new), saved to OUT.
int GenerateCommand(const std::vector<std::string>& args);

class Exception;
// Prints the text the editor's error box would show for `e`; returns 1.
int ReportMapFailure(const Exception& e);
