// Paths as the program writes them, read on a POSIX system: the Linux
// host's rules. The Windows ones are tested with the Windows host.
#include "host/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, BackslashesSeparateFoldersAndOnlySchemesWithTwoSlashesAreWebAddresses) {
  EXPECT_EQ(host::NativePath("/\\Audio Music"), "/Audio Music");  // a disc at the root
  EXPECT_EQ(host::NativePath("/media/cd\\\\Video\\/"), "/media/cd/Video");
  EXPECT_EQ(host::NativePath("/"), "/");
  EXPECT_TRUE(host::IsWebAddress("svn+ssh://x"));
  EXPECT_FALSE(host::IsWebAddress("/disc\\https://x"));
  EXPECT_FALSE(host::IsWebAddress("://x"));
}

}  // namespace
