#pragma once

// The diagnostic codes the front end reports; the texts live with the code table.
inline constexpr int ERR_CANNOT_FIND_FILE = 101;
inline constexpr int WARN_INCLUDED_TWICE = 102;
inline constexpr int ERR_LINE_TOO_LONG = 103;
inline constexpr int ERR_SEVERAL_FILES_MATCH = 104;
inline constexpr int ERR_UNKNOWN_DIRECTIVE = 110;
inline constexpr int ERR_FILENAME_EXPECTED = 111;
inline constexpr int ERR_MACRO_NAME_EXPECTED = 112;
inline constexpr int ERR_TOO_MANY_PARAMS = 113;
inline constexpr int ERR_BAD_ARGUMENT_FORMAT = 114;
inline constexpr int ERR_WRONG_ARGUMENT_COUNT = 115;
inline constexpr int ERR_DEFCONT_WITHOUT_DEFINE = 116;
inline constexpr int ERR_NESTED_TOO_DEEPLY = 117;
inline constexpr int ERR_UNCLOSED_BLOCK = 120;
inline constexpr int ERR_ELSE_WITHOUT_IF = 123;
inline constexpr int ERR_ENDIF_WITHOUT_IF = 124;
inline constexpr int ERR_EXPRESSION_EXPECTED = 200;
