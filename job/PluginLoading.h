#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/SharedLibrary.h"

// Finding and loading the output plug-ins.

// The name a plug-in given on the command line is held under: a name without an
// extension gets ".so"; a three-letter extension counts as present (tern.x86
// stays), a longer one does not (tern.plugin.so).
std::string completePluginName(const std::string& name);

// The file to load for a name as the job holds it: old sources and command lines
// name the plug-ins "x.dll"; a name without any extension gets ".so".
std::string libraryFileName(const std::string& pluginFile);

// Loads the plug-in the job names, nullptr when there is no such library. A name
// set by the source itself (fromSource) is only looked up among the installed
// plug-ins.
std::unique_ptr<platform::SharedLibrary> loadPlugin(const std::string& pluginFile, bool fromSource,
                                                    const std::vector<std::string>& pluginDirectories);

// The names (without ".so") of the libraries in the plug-in folders, sorted, each once.
std::vector<std::string> installedPlugins(const std::vector<std::string>& pluginDirectories);
