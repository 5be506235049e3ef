#include "frontend/MacroTable.h"

void MacroTable::define(std::string_view name, const MacroDef& definition) { map_.set(name, definition); }

void MacroTable::remove(std::string_view name) { map_.erase(name); }

const MacroDef* MacroTable::find(std::string_view name) const { return map_.find(name); }

bool MacroTable::contains(std::string_view name) const { return map_.contains(name); }
