#pragma once

#include <string>

#include "job/DiagnosticArg.h"

// The numbered diagnostics, grouped by hundreds: 2 to 4 general, 101 to 124 files
// and preprocessor, 200 to 210 values and expressions, 300 to 316 directives, 400
// to 408 instructions. Every report names its code here; the code table beside
// these names (DiagnosticCodes.cpp) gives each its kind and message.
enum DiagnosticCode : int {
  ERR_USER_DIRECTIVE = 2,  // the message is the argument text
  WARN_USER_DIRECTIVE = 3,
  ERR_OUTPUT_EMPTY = 4,
  ERR_CANNOT_FIND_FILE = 101,
  WARN_INCLUDED_TWICE = 102,
  ERR_LINE_TOO_LONG = 103,
  ERR_SEVERAL_FILES_MATCH = 104,
  ERR_UNKNOWN_PREPROCESSOR_DIRECTIVE = 110,
  ERR_FILENAME_EXPECTED = 111,
  ERR_MACRO_NAME_EXPECTED = 112,
  ERR_TOO_MANY_MACRO_PARAMETERS = 113,
  ERR_BAD_MACRO_ARGUMENTS = 114,
  ERR_WRONG_ARGUMENT_COUNT = 115,
  ERR_DEFCONT_WITHOUT_DEFINE = 116,
  ERR_MACRO_NESTED_TOO_DEEPLY = 117,
  ERR_UNCLOSED_CONDITIONAL = 120,
  ERR_ELSE_WITHOUT_IF = 123,
  ERR_ENDIF_WITHOUT_IF = 124,
  ERR_EXPRESSION_EXPECTED = 200,
  ERR_LABEL_NOT_DEFINED = 201,
  ERR_ILLEGAL_EXPRESSION = 202,
  ERR_STRING_NOT_CLOSED = 203,
  ERR_VALUE_EXPECTED = 204,
  ERR_STRING_EXPECTED = 205,
  ERR_DIVIDE_BY_ZERO = 206,
  ERR_MISSING_CLOSING_PARENTHESIS = 208,
  ERR_EXPRESSION_TOO_LONG = 210,
  ERR_UNKNOWN_DIRECTIVE = 300,
  WARN_DUPLICATE_LABEL = 302,
  WARN_NO_SPACE_BEFORE_INSTRUCTION = 303,
  WARN_STATEMENT_WORD_IGNORED = 304,
  ERR_ILLEGAL_POSITION = 310,
  ERR_INVALID_ADDINSTR = 311,
  ERR_CANNOT_PAD_BACKWARDS = 312,
  ERR_PLUGIN_NAME_EXPECTED = 313,
  ERR_MODULE_NAME_EXPECTED = 314,
  ERR_LOCAL_LABEL_CHAR_FORM = 315,
  ERR_ILLEGAL_FILL_COUNT = 316,
  ERR_UNKNOWN_INSTRUCTION = 400,
  ERR_UNKNOWN_ARGUMENT_FORMAT = 401,
  ERR_RELATIVE_JUMP_TOO_LONG = 403,
  ERR_ILLEGAL_BIT_VALUE = 404,
  ERR_VALUE_OVERFLOWS_WORD = 405,
  WARN_UNUSED_HIGH_BYTE = 406,
  WARN_APPARENT_INDIRECTION = 407,
  ERR_INDEX_OFFSET_OUT_OF_RANGE = 408,
};

bool isWarningCode(DiagnosticCode code);
// The message of a code with its argument filled in ("%s" text, "%d" low 16 bits).
// A code outside the table is an error with the message "[Unknown error code]".
std::string diagnosticMessage(DiagnosticCode code, const DiagnosticArg& arg);
