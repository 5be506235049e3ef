#include "job/AssemblyJob.h"

// Placeholder until pass 2 lands.
void AssemblyJob::passTwo(OutputImage&) {}
