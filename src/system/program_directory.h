#pragma once

#include <string>

// Where the program keeps its files and looks for its help files.
namespace tarvel::system {

// The directory of the executable when it is writable, else the per-user data directory.
std::string programDirectory();

// The choice programDirectory() makes, for a given executable directory: that directory when
// it is writable, else the per-user data directory (created when missing).
std::string chooseProgramDirectory(const std::string& executableDirectory);

} // namespace tarvel::system
