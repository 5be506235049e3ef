// The plug-ins' message boxes on a console: the about box goes to standard output,
// an error box to standard error.
#pragma once

#include <string_view>

namespace calcfile {

// The result an about box returns once it has been dismissed with OK.
inline constexpr int MESSAGE_OK = 1;

// Writes the caption, a line end, the text and a line end to standard output; returns MESSAGE_OK.
int showAbout(std::string_view caption, std::string_view text);

// Writes "caption: message" and a line end to standard error.
void showError(std::string_view caption, std::string_view message);

// Writes "Warning: subject: message" and a line end to standard error: for what the
// writer did but the user may not expect.
void showWarning(std::string_view subject, std::string_view message);

}  // namespace calcfile
