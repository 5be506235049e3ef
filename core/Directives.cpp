#include <algorithm>
#include <array>

#include "base/TextScan.h"
#include "core/DirectiveHandlers.h"

namespace {

using PassOneHandler = void (*)(const DirectiveLine&);
using PassTwoHandler = void (*)(const DirectiveLine&, OutputImage&);

struct Directive {
  std::string_view word;
  PassOneHandler passOne;
  PassTwoHandler passTwo;  // null for the directives pass 1 never marks
};

constexpr std::array<Directive, 21> DIRECTIVES{{
    {".DB", passOneByteData, passTwoByteData},
    {".BYTE", passOneByteData, passTwoByteData},
    {".DW", passOneWordData, passTwoWordData},
    {".WORD", passOneWordData, passTwoWordData},
    {".TEXT", passOneText, passTwoText},
    {".ORG", passOneOrigin, passTwoOrigin},
    {".PAD", passOnePad, passTwoPad},
    {".FILL", passOneFill, passTwoFill},
    {".BLOCK", passOneBlock, passTwoBlock},
    {".CHK", passOneChecksum, passTwoChecksum},
    {".INCBIN", passOneIncbin, passTwoIncbin},
    {".MODULE", passOneModule, passTwoModule},
    {".LOCALLABELCHAR", passOneLocalLabelChar, passTwoLocalLabelChar},
    {".PLUGIN", passOnePlugin, nullptr},
    {".ADDINSTR", passOneAddInstr, nullptr},
    {".ERROR", passOneError, nullptr},
    {".WARNING", passOneWarning, nullptr},
    {".MESSAGE", passOneMessage, nullptr},
    {".ECHO", passOneEcho, nullptr},
    {".NOLIST", passOneNoList, nullptr},
    {".LIST", passOneList, nullptr},
}};

const Directive* findDirective(std::string_view word) {
  const auto found = std::find_if(DIRECTIVES.begin(), DIRECTIVES.end(),
                                  [&](const Directive& directive) { return equalsIgnoringCase(directive.word, word); });
  return found == DIRECTIVES.end() ? nullptr : &*found;
}

}  // namespace

void AssemblyJob::directivePassOne(std::string_view word, std::optional<std::string_view> rest, int lineIndex) {
  const Directive* directive = findDirective(word);
  if (!directive) {
    report(ERR_UNKNOWN_DIRECTIVE, lineIndex, word);
    return;
  }
  directive->passOne(DirectiveLine{*this, rest, lineIndex});
}

void AssemblyJob::directivePassTwo(std::string_view word, std::optional<std::string_view> rest, int lineIndex,
                                   OutputImage& image) {
  const Directive* directive = findDirective(word);
  if (directive && directive->passTwo) {
    directive->passTwo(DirectiveLine{*this, rest, lineIndex}, image);
  }
}
