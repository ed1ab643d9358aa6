#pragma once
// Whole map files as the editor's writer makes them, for seeds that reach the
// end of the grid: the corpus on disk stays small and holds only parts of them.
#include <string>
#include <vector>

// An all-water map and one with codes of every size from 0 to 255, written
// through a scratch file. Throws when the writer fails.
std::vector<std::string> WriterSeeds();
