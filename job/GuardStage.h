#pragma once

#include <new>

#include "job/FileError.h"

template <class Body>
void AssemblyJob::guardStage(Body&& body) {
  try {
    body();
  } catch (const FileError& error) {
    stageFailed(STATUS_FILE_ERROR, error.what());
  } catch (const std::bad_alloc&) {
    stageFailed(STATUS_NO_MEMORY, "Not enough memory to complete this operation.");
  }
}
