#include <gtest/gtest.h>

#include "tests/frontend/SourceTree.h"

namespace {

TEST(ConditionalBlocks, ChooseTheirActivePart) {
  const SourceCase cases[] = {
      {"#define X\n#ifdef X\nyes\n#else\nno\n#endif\n", "yes\n", "3"},
      {"#ifdef X\nyes\n#else\nno\n#endif\n", "no\n", "4"},
      {"#ifndef X\nyes\n#else\nno\n#endif\n", "yes\n", "2"},
      {"#if 0\nyes\n#else\nno\n#endif\nafter\n", "no\nafter\n", "4 6"},
      {"#if 2-1\nyes\n#endif\n", "yes\n", "2"},
      // Directive words are compared without regard to case; macro names are not.
      {"#Define x\n#IFDEF X\nyes\n#eNdIf\n#ifdef x\nlower\n#endif\n", "lower\n", "6"},
      // A second #ELSE switches again.
      {"#if 1\na\n#else\nb\n#else\nc\n#endif\n", "a\nc\n", "2 6"},
  };
  expectOutcomes(cases);
}

TEST(ConditionalBlocks, BlocksInsideASkippedBlockStaySkipped) {
  const SourceCase cases[] = {
      {"#if 0\n#if 1\na\n#else\nb\n#endif\nc\n#else\nd\n#endif\n", "d\n", "9"},
      {"#if 1\n#if 0\na\n#else\nb\n#endif\nc\n#else\nd\n#endif\n", "b\nc\n", "5 7"},
      {"#ifdef NONE\n#ifndef NONE\na\n#endif\n#endif\nz\n", "z\n", "6"},
      // Definitions in a skipped block do not take effect.
      {"#if 0\n#define X 1\n#undef __FILE__\n#endif\n#ifdef X\nx\n#endif\n#ifdef __FILE__\nf\n#endif\n", "f\n", "9"},
  };
  expectOutcomes(cases);
}

TEST(ConditionalBlocks, MisplacedAndIncompleteDirectives) {
  const SourceCase cases[] = {
      {"#else\n#endif\nnop\n", "nop\n", "3",
       "Error #123 in main.asm, line 1: #else directive without #if\n"
       "Error #124 in main.asm, line 2: #endif directive without #if\n"},
      {"nop\n#if 1\n#ifdef X\nhalt\n", "nop\n", "1",
       "Error #120 in main.asm, line 4: End of file before #endif directive\n"},
      // A missing name or expression is reported and the block counts as true.
      {"#ifdef\na\n#endif\n#ifndef  \nb\n#endif\n#if\nc\n#endif\n", "a\nb\nc\n", "2 5 8",
       "Error #112 in main.asm, line 1: Macro name expected\n"
       "Error #112 in main.asm, line 4: Macro name expected\n"
       "Error #200 in main.asm, line 7: Value or expression expected\n"},
      // ... but only where it is tested.
      {"#if 0\n#ifdef\n#if\n#endif\n#endif\n#endif\n", "\n", "0"},
      {"#if UNDEFINED\nyes\n#endif\n", "\n", "0",
       "Error #201 in main.asm, line 1: Label not defined: \"UNDEFINED\"\n"},
  };
  expectOutcomes(cases);
}

TEST(ConditionalBlocks, DirectivesMayBeIndented) {
  const SourceCase cases[] = {
      {" #ifdef X\nnop\n\t#endif\nhalt\n", "halt\n", "4"},
      {"  #define X 5\n\t#include\n .db X\n", " .db 5\n", "3",
       "Error #111 in main.asm, line 2: Filename expected\n"},
      {"#foo bar\n#if 0\n#bar\n#endif\n", "\n", "0",
       "Error #110 in main.asm, line 1: Unrecognized preprocessor directive: \"#foo\"\n"},
      // A "#" that does not open the line's first word starts no directive.
      {"x #if 0\n", "x #if 0\n", "1"},
  };
  expectOutcomes(cases);
}

// .END ends the file in any column, but a block that a condition skips skips it too.
TEST(ConditionalBlocks, EndStopsTheFileUnlessSkipped) {
  const SourceCase cases[] = {
      {"nop\n  .END\nhalt\n", "nop\n", "1"},
      {"nop\n#if 0\n.end\n#endif\nhalt\n", "nop\nhalt\n", "1 5"},
      {"#ifndef X\n#define X\n#else\n .END\n#endif\nnop\n", "nop\n", "6"},
      {".endx\n", ".endx\n", "1"},
  };
  expectOutcomes(cases);
}

}  // namespace
