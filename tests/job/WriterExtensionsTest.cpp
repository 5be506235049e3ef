#include <gtest/gtest.h>

#include "job/WriterExtensions.h"

namespace {

using Extensions = std::vector<std::string_view>;

TEST(WriterExtensions, AShippedWriterIsCheckedForItsOwnFileOnly) {
  EXPECT_EQ(extensionsWrittenBy("curlew.so"), Extensions{".86p"});
  EXPECT_EQ(extensionsWrittenBy("/opt/quarn/lib/plover.so"), Extensions{".8xp"});
  EXPECT_EQ(extensionsWrittenBy("C:\\tools\\ferra.so"), Extensions{".86P"});
}

// A plug-in quarn does not know may write any of the calculator files.
TEST(WriterExtensions, AnyOtherPluginIsCheckedForEveryKnownExtension) {
  const Extensions every{".86s", ".86p", ".86P", ".73p", ".83p", ".8xp", ".85s", ".82p"};
  EXPECT_EQ(extensionsWrittenBy("mine.so"), every);
  EXPECT_EQ(extensionsWrittenBy("curlew2.so"), every);
  EXPECT_EQ(extensionsWrittenBy("tern.x86"), every);
  EXPECT_EQ(extensionsWrittenBy("curlew/other.so"), every);
}

}  // namespace
