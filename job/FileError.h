#pragma once

#include <stdexcept>
#include <string>

// A file that could be opened but not read or written as expected. The stage that
// meets it ends with STATUS_FILE_ERROR; the message is shown once on standard error.
class FileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
