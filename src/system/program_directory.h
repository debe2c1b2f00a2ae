// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the program keeps its files and looks for its help documents.
//
// A portable copy (the build tree, or a folder holding the marker file, as on a USB stick) keeps
// its files beside the executable. An installed program never writes next to its executable:
// its files live in the user's data folder (QStandardPaths::AppDataLocation).
namespace tarvel::system {

// The file whose presence in the executable's folder makes that folder a portable copy.
inline constexpr const char* kPortableMarker = "tarvel-portable";

// True when the program in `executableDirectory` runs as a portable copy: the folder holds
// kPortableMarker, or it is a build tree's bin/ (CMakeCache.txt in its parent) or bin/Release/
// and the like of a multi-configuration build (CMakeCache.txt two levels up).
bool isPortableCopy(const std::string& executableDirectory);

// The user's data folder of the program (Qt's AppDataLocation for the program's names: on
// Windows the roaming %APPDATA%\Tarvel\Tarvel), whatever names the process set; not created.
std::string userDataDirectory();

// The folder of the program's files for an executable in `executableDirectory`: that folder for
// a portable copy in which a new file can be made, else the user's data folder (created when
// missing).
std::string chooseProgramDirectory(const std::string& executableDirectory);

// chooseProgramDirectory() of the running executable.
std::string programDirectory();

// The full path of help document `name` ("Upute.chm"; a leading "\" or "/" is ignored): the
// first that exists of the executable's folder, the user's data folder and the installed data
// folder (`../share/tarvel` from the executable). "" when none has it, or when the name is not
// a plain file name.
std::string findHelpFile(const std::string& executableDirectory, const std::string& name);

// findHelpFile() for the running executable.
std::string findHelpFile(const std::string& name);

} // namespace tarvel::system
