#include "job/AssemblyJob.h"

// Placeholder until pass 1 lands.
void AssemblyJob::passOne() {}
