#pragma once

#include <span>

// Turns every backslash outside quoted text into a line end, so that statements
// written on one line become lines of their own. Double and single quotes both
// open quoted text, which a backslash directly before the closing quote does not
// end; an unclosed quote protects the rest of the line.
void splitStatements(std::span<char> line);
