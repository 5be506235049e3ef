#pragma once

// The open #IF/#IFDEF/#IFNDEF blocks of one file. Once a block is false,
// everything up to its own #ELSE or #ENDIF is inactive, nested blocks included.
class ConditionalBlocks {
public:
  bool active() const { return active_; }
  int depth() const { return depth_; }

  // The condition only counts while the enclosing text is active.
  void open(bool conditionHolds);
  // Both return false when no block is open, and then change nothing.
  bool switchToElse();
  bool close();

private:
  bool active_ = true;
  int depth_ = 0;
  int skipDepth_ = 0;  // depth of the block whose false part is being skipped
};
