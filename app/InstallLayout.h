#pragma once

#include "app/AssemblerSettings.h"
#include "job/RunSettings.h"

// Where quarn finds what it ships with. In the build tree everything sits next to
// the program; in an installed tree the program is in bin/, the plug-ins in
// lib/quarn/ and the table and include files in share/quarn/ (the data
// directories, searched after the program's own).
//
// The settings with their file names resolved for a run: the table file is the
// first of the data directories' candidates that exists (the one next to the
// program when none does); a relative include directory stands for its place in
// every data directory, searched in that order. Absolute names stay as they are.
RunSettings resolveRunSettings(const AssemblerSettings& settings);
