#include "frontend/ConditionalBlocks.h"

void ConditionalBlocks::open(bool conditionHolds) {
  ++depth_;
  if (active_ && !conditionHolds) {
    active_ = false;
    skipDepth_ = depth_;
  }
}

bool ConditionalBlocks::switchToElse() {
  if (depth_ == 0) {
    return false;
  }
  if (active_) {
    active_ = false;
    skipDepth_ = depth_;
  } else if (depth_ == skipDepth_) {
    active_ = true;
  }
  return true;
}

bool ConditionalBlocks::close() {
  if (depth_ == 0) {
    return false;
  }
  if (!active_ && depth_ == skipDepth_) {
    active_ = true;
  }
  --depth_;
  return true;
}
