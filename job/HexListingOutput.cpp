#include "job/AssemblyJob.h"

// Placeholder until the hex listing lands.
void HexListingJob::writeOutput(const std::string&, OutputImage&) {}
