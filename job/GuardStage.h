#pragma once

#include <new>
#include <string>

#include "job/FileError.h"

template <class Body>
void AssemblyJob::guardStage(Body&& body) {
  try {
    body();
  } catch (const FileError& error) {
    stageFailed(STATUS_FILE_ERROR, error.what());
  } catch (const ImageTooLarge&) {
    console->print("Program too large: more than " + std::to_string(OutputImage::MAX_LENGTH) + " bytes\n");
    raiseStatus(STATUS_ERRORS);
  } catch (const std::bad_alloc&) {
    stageFailed(STATUS_NO_MEMORY, "Not enough memory to complete this operation.");
  }
}
