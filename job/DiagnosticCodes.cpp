#include "job/DiagnosticCodes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct CodeText {
  int code;
  std::string_view text;
};

constexpr std::array<CodeText, 44> CODE_TEXTS{{
    {4, "Output file is empty!"},
    {101, "Cannot find file %s"},
    {102, "File %s included more than once"},
    {103, "Line is too long (>255 chars)"},
    {104, "Several files match %s"},
    {110, "Unrecognized preprocessor directive: \"%s\""},
    {111, "Filename expected"},
    {112, "Macro name expected"},
    {113, "No more than 10 arguments allowed for macro %s"},
    {114, "Invalid argument format for macro %s"},
    {115, "Wrong number of arguments for macro %s"},
    {116, "#defcont directive without #define"},
    {117, "Macro %s nested too deeply"},
    {120, "End of file before #endif directive"},
    {123, "#else directive without #if"},
    {124, "#endif directive without #if"},
    {200, "Value or expression expected"},
    {201, "Label not defined: \"%s\""},
    {202, "Illegal expression: \"%s\""},
    {203, "End of line in quoted string"},
    {204, "Value expected"},
    {205, "Quoted string expected"},
    {206, "Divide by zero"},
    {208, "Missing closing ')'"},
    {210, "Expression is too long"},
    {300, "Unrecognized directive: \"%s\""},
    {302, "Duplicate label \"%s\""},
    {303, "Whitespace needed before instruction \"%s\""},
    {304, "Statement word \"%s\" ignored"},
    {310, "Illegal position value: %s"},
    {311, "Invalid .ADDINSTR directive"},
    {312, "Cannot pad backwards"},
    {313, "Plugin name expected"},
    {314, "Module name expected"},
    {315, "Local label char must be surrounded by \"\""},
    {316, "Illegal fill count: %s"},
    {400, "Unrecognized instruction: \"%s\""},
    {401, "Unrecognized argument format for %s instruction"},
    {403, "Relative jump too long"},
    {404, "Illegal bit value '%d'"},
    {405, "Value overflows word"},
    {406, "Unused data in MS byte of argument"},
    {407, "Apparent illegal indirection: \"%s\""},
    {408, "Index offset out of range"},
}};

constexpr std::array<int, 7> WARNING_CODES{3, 102, 302, 303, 304, 406, 407};

constexpr int USER_ERROR = 2;
constexpr int USER_WARNING = 3;
constexpr std::string_view UNKNOWN_CODE = "[Unknown error code]";

std::string_view templateFor(int code) {
  for (const CodeText& entry : CODE_TEXTS) {
    if (entry.code == code) {
      return entry.text;
    }
  }
  return UNKNOWN_CODE;
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

bool isWarningCode(int code) { return std::ranges::find(WARNING_CODES, code) != WARNING_CODES.end(); }

std::string diagnosticMessage(int code, const DiagnosticArg& arg) {
  if (code == USER_ERROR || code == USER_WARNING) {
    return std::string(arg.text());
  }
  return fillTemplate(templateFor(code), arg);
}
