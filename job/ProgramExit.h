#pragma once

// Thrown where quarn cannot go on at all (missing instruction table, unreadable
// source, missing plug-in) after the message has been printed. main turns it into
// the exit status; the stack unwinds on the way, so nothing leaks.
struct ProgramExit {
  int exitStatus = 1;
};
