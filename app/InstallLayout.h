#pragma once

#include <string>
#include <vector>

// Where quarn finds what it ships with. In the build tree everything sits next to
// the program; in an installed tree the program is in bin/, the plug-ins in
// lib/quarn/ and the table and include files in share/quarn/.
std::vector<std::string> dataDirectories();
std::vector<std::string> pluginDirectories();

// A relative name from the settings (the table file, or the include directory
// joined with a file name), resolved against the data directories: the first
// candidate that exists, or the one next to the program when none does. An
// absolute name is returned unchanged.
std::string locateDataFile(const std::string& name);
