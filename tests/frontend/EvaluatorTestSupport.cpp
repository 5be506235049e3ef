#include "tests/frontend/EvaluatorTestSupport.h"

#include <gtest/gtest.h>

namespace evaluator_test {

void expectCases(const std::vector<Case>& cases, bool byteContext) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? "\"" + std::string(*c.text) + "\"" : std::string("(no text)"));
    auto job = makeJob();
    define(*job, "start", 0x1234);
    EXPECT_EQ(evaluateIn(*job, c.text, byteContext), c.value);
    EXPECT_EQ(job->consoleText(), c.diagnostics);
  }
}

}  // namespace evaluator_test
