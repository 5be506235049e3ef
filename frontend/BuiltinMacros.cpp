#include "frontend/BuiltinMacros.h"

#include <array>
#include <string>

#include "base/TextScan.h"
#include "frontend/MacroTable.h"

namespace {

void defineConstant(MacroTable& macros, std::string_view name, std::string body) {
  MacroDef definition;
  definition.body = std::move(body);
  macros.define(name, definition);
}

std::string quoted(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 2);
  result += '"';
  result += text;
  result += '"';
  return result;
}

std::string formatTime(const std::tm& time, const char* format) {
  std::array<char, 128> text{};
  const std::size_t length = std::strftime(text.data(), text.size(), format, &time);
  return quoted(std::string_view(text.data(), length));
}

}  // namespace

void defineBuiltinMacros(MacroTable& macros, std::string_view mainFileName, std::time_t now) {
  // A time the C library cannot convert leaves the fields zero rather than failing the run.
  const std::tm* converted = std::localtime(&now);
  const std::tm local = converted ? *converted : std::tm{};
  defineConstant(macros, "__TELLIC_VER", "400h");
  defineConstant(macros, "__FILE__", quoted(mainFileName));
  defineConstant(macros, "__DATE__", formatTime(local, "%x"));
  defineConstant(macros, "__DATELONG__", formatTime(local, "%A, %B %d, %Y"));
  defineConstant(macros, "__TIME__", formatTime(local, "%X"));
}

void definePredefinedNames(MacroTable& macros, const char* names) {
  if (names == nullptr) {
    return;
  }
  const std::string_view text(names);
  std::size_t position = 0;
  while (position < text.size()) {
    if (!isLetter(text[position]) && text[position] != '_') {
      ++position;
      continue;
    }
    const std::size_t start = position;
    position = wordEnd(text, start);
    defineConstant(macros, text.substr(start, position - start), {});
  }
}

void defineCommandLineNames(MacroTable& macros, std::span<const Predefine> predefines) {
  for (const Predefine& predefine : predefines) {
    defineConstant(macros, predefine.name, predefine.value);
  }
}
