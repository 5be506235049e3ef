// The interface between quarn and its output plug-ins.
//
// A plug-in is a shared library that writes one calculator file format. quarn
// loads it after a successful assembly, calls SavePrgmFile once and unloads it.
// The header is shared by the host and every plug-in, so it holds only plain C
// declarations.
#pragma once

#include <cstdint>

#if defined(QUARN_PLUGIN_BUILD)
#define QUARN_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define QUARN_PLUGIN_EXPORT extern "C"
#endif

// Room for the extension the plug-in reports: four characters and a NUL.
inline constexpr int PLUGIN_EXTENSION_SIZE = 5;

// Writes basePath + the plug-in's extension from the image bytes. Copies the
// extension (with its NUL) into `extension`. Returns 1 when the file was written,
// 0 when it could not be. Must neither free nor keep `image`.
using SavePrgmFileFn = int (*)(const unsigned char* image, std::uint32_t length,
                               const char* basePath, char* extension);
// A constant one-line description of the format; the plug-in keeps ownership.
using GetPluginDescriptionFn = const char* (*)();
// Shows the plug-in's about text; returns the (OK) result of the message.
using AboutFn = int (*)();

inline constexpr const char* SAVE_PRGM_FILE_SYMBOL = "SavePrgmFile";
