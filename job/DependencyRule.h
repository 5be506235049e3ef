#pragma once

#include <string>

class AssemblyJob;

// A make rule whose target is the run's main output and whose prerequisites are
// every file the run read: the source, its included files and the files .INCBIN
// took in, as the user names them from the directory the run began in. Every
// prerequisite but the source also gets a rule of its own with no prerequisites,
// so that make does not stop when an include is later deleted or renamed.
std::string dependencyRule(const AssemblyJob& job);
