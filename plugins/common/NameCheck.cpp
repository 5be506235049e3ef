#include "plugins/common/NameCheck.h"

#include <array>
#include <cstdio>

#include "plugins/common/PluginMessages.h"

namespace calcfile {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isNameCharacter(char c, const NameRules& rules) {
  return (c >= 'A' && c <= 'Z') || (rules.lowerCase && c >= 'a' && c <= 'z') || isDigit(c);
}

// A character as the warning shows it: quoted, and as a hexadecimal escape when
// it is no printable ASCII character (a byte of a longer UTF-8 character, say).
std::string quotedCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) {
    return std::string("\"") + c + "\"";
  }
  std::array<char, 8> escaped{};
  std::snprintf(escaped.data(), escaped.size(), "\\x%02X", static_cast<unsigned>(byte));
  return std::string("\"") + escaped.data() + "\"";
}

// The characters of the name its calculator cannot hold, each once, in order.
std::string foreignCharacters(std::string_view name, const NameRules& rules) {
  std::string listed;
  std::string seen;
  for (const char c : name) {
    if (isNameCharacter(c, rules) || seen.find(c) != std::string::npos) {
      continue;
    }
    seen.push_back(c);
    listed += (listed.empty() ? "" : ", ") + quotedCharacter(c);
  }
  return listed;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string lastComponentName(std::string_view basePath) { return std::string(lastPathComponent(basePath)); }

std::vector<std::string> nameProblems(std::string_view intended, const NameRules& rules) {
  const std::string_view stored = intended.substr(0, rules.length);
  if (stored.empty()) {
    return {"the calculator name is empty"};
  }
  std::vector<std::string> problems;
  if (stored.size() < intended.size()) {
    problems.push_back("the calculator name is " + quoted(stored) + ", cut from " + quoted(intended) + " to " +
                       std::to_string(rules.length) + " characters");
  }
  if (isDigit(stored.front())) {
    problems.push_back("the calculator name " + quoted(stored) + " starts with a digit");
  }
  if (const std::string foreign = foreignCharacters(stored, rules); !foreign.empty()) {
    problems.push_back("the calculator name " + quoted(stored) + " holds " + foreign +
                       ", which calculator names cannot hold");
  }
  return problems;
}

void warnAboutName(const NameRules& rules, std::string_view basePath, std::string_view filePath) {
  for (const std::string& problem : nameProblems(rules.intendedName(basePath), rules)) {
    showWarning(filePath, problem);
  }
}

}  // namespace calcfile
