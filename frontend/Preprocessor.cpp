#include <ctime>

#include "frontend/BuiltinMacros.h"
#include "frontend/FilePreprocessor.h"
#include "frontend/MacroTable.h"
#include "job/AssemblyJob.h"
#include "platform/FileSystem.h"

namespace {

// The passes always find at least one line, even in a source without statements.
void addFillerLineIfEmpty(SourceBuffer& source) {
  // Without a listed main file (it could not be read) there is no file to name.
  if (source.length() == 0 && !source.files().empty()) {
    source.writeLine("\n");
    source.addLine(0, 0);
  }
}

}  // namespace

void AssemblyJob::preprocess(const std::string& path, MacroTable* macros) {
  moduleName.clear();
  localLabelChar = '@';
  if (macros != nullptr) {
    preprocessFile(*this, *macros, path);
    return;
  }
  if (source) {
    return;
  }
  source = std::make_unique<SourceBuffer>();
  guardStage([&] {
    MacroTable topLevelMacros;
    defineBuiltinMacros(topLevelMacros, std::string_view(path).substr(platform::nameStart(path)),
                        std::time(nullptr));
    definePredefinedNames(topLevelMacros, predefinedNames);
    defineCommandLineNames(topLevelMacros, settings().predefines);
    preprocessFile(*this, topLevelMacros, path);
  });
  addFillerLineIfEmpty(*source);
}
