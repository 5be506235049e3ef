#include "core/DirectiveHandlers.h"

// The switches take effect at their own line: a .NOLIST line is not listed, a
// .LIST line is.
void passOneNoList(const DirectiveLine& line) { line.job.source->switchListing(line.lineIndex, false); }

void passOneList(const DirectiveLine& line) { line.job.source->switchListing(line.lineIndex, true); }
