// The functions quarn looks up in a writer plug-in, defined the same way for
// every writer.
#pragma once

#include <cstdint>

#include "job/PluginInterface.h"

// Defines SavePrgmFile, GetPluginDescription and About, each under its name with
// `prefix` in front (empty for the plain names). SavePrgmFile hands the host's
// arguments to save(format, image, length, basePath, extension); About returns
// the value of `aboutCall`.
#define QUARN_WRITER_EXPORTS(prefix, save, format, description, aboutCall)                          \
  QUARN_PLUGIN_EXPORT int prefix##SavePrgmFile(const unsigned char* image, std::uint32_t length,     \
                                               const char* basePath, char* extension) {             \
    return save(format, image, length, basePath, extension);                                         \
  }                                                                                                  \
  QUARN_PLUGIN_EXPORT const char* prefix##GetPluginDescription() { return description; }            \
  QUARN_PLUGIN_EXPORT int prefix##About() { return aboutCall; }
