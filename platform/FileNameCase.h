#pragma once

#include <string>
#include <vector>

namespace platform {

// The files that `name` ('/'-separated) names below `directory` when letter case is
// ignored, one path component at a time, for names written where file names ignore
// case ("TI-85.H" for ti-85.h). Only ASCII letters fold; "." and ".." stand as
// written. An absolute name is looked for from the root. The paths found are
// `directory` joined with the entries as they are on disk, in sorted order.
std::vector<std::string> filesMatchingIgnoringCase(const std::string& directory, const std::string& name);

}  // namespace platform
