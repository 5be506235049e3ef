#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What a plug-in library's file name ends in on this platform.
inline constexpr std::string_view PLUGIN_LIBRARY_EXTENSION = ".so";

// The file each shipped writer plug-in creates is its base path followed by the
// extension below. The plug-in interface has no way to ask a writer for its file
// before it writes, so quarn keeps the list to check those paths beforehand.
struct WriterExtension {
  std::string_view plugin;     // the library's file name without ".so"
  std::string_view extension;  // what the writer appends to the base path
};

inline constexpr std::array<WriterExtension, 10> SHIPPED_WRITERS{{
    {"avocet", ".86s"},
    {"curlew", ".86p"},
    {"dorun", ".86P"},
    {"dunlin", ".73p"},
    {"ferra", ".86P"},
    {"heron", ".86p"},
    {"knot", ".83p"},
    {"plover", ".8xp"},
    {"stint", ".85s"},
    {"tern", ".82p"},
}};

// The extensions the plug-in in the library file of that name may write: a shipped
// writer's own, and for any other plug-in every extension a shipped writer uses.
std::vector<std::string_view> extensionsWrittenBy(const std::string& libraryFileName);
