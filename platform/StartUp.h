#pragma once

namespace platform {

// Prepares the process for console work. Returns false when it cannot run, for
// example when standard output is closed.
bool startUp();

}  // namespace platform
