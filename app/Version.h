#pragma once

#include <string_view>

// The version of quarn, as the build's project declares it.
std::string_view programVersion();
