#include "app/Version.h"

// QUARN_VERSION comes from the build (the project's one version number) and is
// given to this file only, so a new version recompiles nothing else.
std::string_view programVersion() { return QUARN_VERSION; }
