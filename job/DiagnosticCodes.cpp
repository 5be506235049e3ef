#include "job/DiagnosticCodes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

enum class Kind { ERROR, WARNING };

struct CodeText {
  DiagnosticCode code;
  Kind kind;
  std::string_view text;
};

constexpr Kind ERROR = Kind::ERROR;
constexpr Kind WARNING = Kind::WARNING;

constexpr std::array<CodeText, 46> CODE_TEXTS{{
    {ERR_USER_DIRECTIVE, ERROR, "%s"},
    {WARN_USER_DIRECTIVE, WARNING, "%s"},
    {ERR_OUTPUT_EMPTY, ERROR, "Output file is empty!"},
    {ERR_CANNOT_FIND_FILE, ERROR, "Cannot find file %s"},
    {WARN_INCLUDED_TWICE, WARNING, "File %s included more than once"},
    {ERR_LINE_TOO_LONG, ERROR, "Line is too long (>255 chars)"},
    {ERR_SEVERAL_FILES_MATCH, ERROR, "Several files match %s"},
    {ERR_UNKNOWN_PREPROCESSOR_DIRECTIVE, ERROR, "Unrecognized preprocessor directive: \"%s\""},
    {ERR_FILENAME_EXPECTED, ERROR, "Filename expected"},
    {ERR_MACRO_NAME_EXPECTED, ERROR, "Macro name expected"},
    {ERR_TOO_MANY_MACRO_PARAMETERS, ERROR, "No more than 10 arguments allowed for macro %s"},
    {ERR_BAD_MACRO_ARGUMENTS, ERROR, "Invalid argument format for macro %s"},
    {ERR_WRONG_ARGUMENT_COUNT, ERROR, "Wrong number of arguments for macro %s"},
    {ERR_DEFCONT_WITHOUT_DEFINE, ERROR, "#defcont directive without #define"},
    {ERR_MACRO_NESTED_TOO_DEEPLY, ERROR, "Macro %s nested too deeply"},
    {ERR_UNCLOSED_CONDITIONAL, ERROR, "End of file before #endif directive"},
    {ERR_ELSE_WITHOUT_IF, ERROR, "#else directive without #if"},
    {ERR_ENDIF_WITHOUT_IF, ERROR, "#endif directive without #if"},
    {ERR_EXPRESSION_EXPECTED, ERROR, "Value or expression expected"},
    {ERR_LABEL_NOT_DEFINED, ERROR, "Label not defined: \"%s\""},
    {ERR_ILLEGAL_EXPRESSION, ERROR, "Illegal expression: \"%s\""},
    {ERR_STRING_NOT_CLOSED, ERROR, "End of line in quoted string"},
    {ERR_VALUE_EXPECTED, ERROR, "Value expected"},
    {ERR_STRING_EXPECTED, ERROR, "Quoted string expected"},
    {ERR_DIVIDE_BY_ZERO, ERROR, "Divide by zero"},
    {ERR_MISSING_CLOSING_PARENTHESIS, ERROR, "Missing closing ')'"},
    {ERR_EXPRESSION_TOO_LONG, ERROR, "Expression is too long"},
    {ERR_UNKNOWN_DIRECTIVE, ERROR, "Unrecognized directive: \"%s\""},
    {WARN_DUPLICATE_LABEL, WARNING, "Duplicate label \"%s\""},
    {WARN_NO_SPACE_BEFORE_INSTRUCTION, WARNING, "Whitespace needed before instruction \"%s\""},
    {WARN_STATEMENT_WORD_IGNORED, WARNING, "Statement word \"%s\" ignored"},
    {ERR_ILLEGAL_POSITION, ERROR, "Illegal position value: %s"},
    {ERR_INVALID_ADDINSTR, ERROR, "Invalid .ADDINSTR directive"},
    {ERR_CANNOT_PAD_BACKWARDS, ERROR, "Cannot pad backwards"},
    {ERR_PLUGIN_NAME_EXPECTED, ERROR, "Plugin name expected"},
    {ERR_MODULE_NAME_EXPECTED, ERROR, "Module name expected"},
    {ERR_LOCAL_LABEL_CHAR_FORM, ERROR, "Local label char must be surrounded by \"\""},
    {ERR_ILLEGAL_FILL_COUNT, ERROR, "Illegal fill count: %s"},
    {ERR_UNKNOWN_INSTRUCTION, ERROR, "Unrecognized instruction: \"%s\""},
    {ERR_UNKNOWN_ARGUMENT_FORMAT, ERROR, "Unrecognized argument format for %s instruction"},
    {ERR_RELATIVE_JUMP_TOO_LONG, ERROR, "Relative jump too long"},
    {ERR_ILLEGAL_BIT_VALUE, ERROR, "Illegal bit value '%d'"},
    {ERR_VALUE_OVERFLOWS_WORD, ERROR, "Value overflows word"},
    {WARN_UNUSED_HIGH_BYTE, WARNING, "Unused data in MS byte of argument"},
    {WARN_APPARENT_INDIRECTION, WARNING, "Apparent illegal indirection: \"%s\""},
    {ERR_INDEX_OFFSET_OUT_OF_RANGE, ERROR, "Index offset out of range"},
}};

constexpr CodeText UNKNOWN_CODE{DiagnosticCode{}, ERROR, "[Unknown error code]"};

const CodeText& entryFor(DiagnosticCode code) {
  const auto found = std::ranges::find(CODE_TEXTS, code, &CodeText::code);
  return found == CODE_TEXTS.end() ? UNKNOWN_CODE : *found;
}

// Replaces the one placeholder a template may hold.
std::string fillTemplate(std::string_view text, const DiagnosticArg& arg) {
  std::string message;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
      message += arg.text();
      ++i;
    } else if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'd') {
      message += std::to_string(static_cast<std::uint16_t>(arg.number()));
      ++i;
    } else {
      message += text[i];
    }
  }
  return message;
}

}  // namespace

bool isWarningCode(DiagnosticCode code) { return entryFor(code).kind == WARNING; }

// The user's own directives have the template "%s": their message is the
// argument text as it stands, empty when there is none.
std::string diagnosticMessage(DiagnosticCode code, const DiagnosticArg& arg) {
  return fillTemplate(entryFor(code).text, arg);
}
