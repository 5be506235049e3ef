#include "frontend/MacroTable.h"

void MacroTable::define(std::string_view name, const MacroDef& definition) {
  if (map_.set(name, definition)) {
    names_.add(name);
  }
}

void MacroTable::defineContinuable(std::string_view name, const MacroDef& definition) {
  define(name, definition);
  lastDefined_.assign(name);
}

bool MacroTable::continueLast(std::string_view text) {
  MacroDef* definition = lastDefined_.empty() ? nullptr : map_.find(lastDefined_);
  if (definition == nullptr) {
    return false;
  }
  definition->body += text;
  return true;
}

void MacroTable::remove(std::string_view name) {
  if (map_.contains(name)) {
    map_.erase(name);
    names_.remove(name);
  }
}

const MacroDef* MacroTable::find(std::string_view name) const { return map_.find(name); }

bool MacroTable::contains(std::string_view name) const { return map_.contains(name); }
