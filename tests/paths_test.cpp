// Paths as the program writes them, read on a POSIX system: the Linux
// host's rules. The Windows ones are tested with the Windows host.
#include "host/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/posix/paths.h"

namespace {

TEST(Paths, BackslashesSeparateFoldersAndOnlySchemesWithTwoSlashesAreWebAddresses) {
  EXPECT_EQ(host::NativePath("/\\Audio Music"), "/Audio Music");  // a disc at the root
  EXPECT_EQ(host::NativePath("/media/cd\\\\Video\\/"), "/media/cd/Video");
  EXPECT_EQ(host::NativePath("/"), "/");
  EXPECT_TRUE(host::IsWebAddress("svn+ssh://x"));
  EXPECT_FALSE(host::IsWebAddress("/disc\\https://x"));
  EXPECT_FALSE(host::IsWebAddress("://x"));
}

// The program's own file when /proc is missing: found from its command name.
TEST(Paths, ACommandIsItsPathOrTheFirstRunnableFileAlongTheSearchPath) {
  const std::filesystem::path folder = testing::TempDir() + "/command_file";
  std::filesystem::create_directories(folder / "plain");
  std::filesystem::create_directories(folder / "runnable");
  std::ofstream(folder / "plain" / "start").put('\n');
  std::ofstream(folder / "runnable" / "start").put('\n');
  std::filesystem::permissions(folder / "runnable" / "start", std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  const std::string plain = (folder / "plain").string(), runnable = (folder / "runnable").string();

  EXPECT_EQ(host::CommandFile("start", "/nowhere:" + plain + ":" + runnable), runnable + "/start");
  EXPECT_EQ(host::CommandFile("./disc/start", runnable), "./disc/start");
  EXPECT_EQ(host::CommandFile("start", "/nowhere:"), "");  // the working folder holds none
  std::filesystem::remove_all(folder);
}

TEST(Paths, ABackslashInsideANameShowsAsPrivateUseAndComesBackWhole) {
  const std::string native = "/media/dis\\c/sub\\x.wav";  // both backslashes are in names
  const std::string shown = host::ShownPath(native);
  EXPECT_EQ(shown,
            "/media/dis\xEF\x81\x9C"
            "c/sub\xEF\x81\x9C"
            "x.wav");
  EXPECT_EQ(host::NativePath(shown + "\\" + host::ShownPath("\\")), native + "/\\");
  EXPECT_EQ(host::NativePath("\xEF\x81"), "\xEF\x81");  // a cut sequence stays as it is
}

TEST(Paths, CaseIsFoldedForLatinAndCyrillicOnly) {
  EXPECT_EQ(host::FoldCase("Zorvanta - СЕРИЯ Ёж ÀÞ×"), "zorvanta - серия ёж àþ×");
  // Each end of each folded range, and the letters just beyond them.
  EXPECT_EQ(host::FoldCase("@AZ[ ÀÞß ЀЏАПРЯа"), "@az[ àþß ѐџапряа");
  EXPECT_EQ(host::FoldCase("\xD0"), "\xD0");  // bytes that are not UTF-8 pass
  EXPECT_NE(host::FoldCase("Ä"), host::FoldCase("A"));
}

TEST(Paths, AMissingNameIsFoundWithoutRegardToCaseOnlyWhenOneEntryMatches) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("zorvanta-paths-" + std::to_string(getpid()));
  fs::create_directories(root / "audio music");
  fs::create_directories(root / "Movies/disc/audio music");  // beside a case twin
  fs::create_directories(root / "movies");
  fs::create_directories(root / "Video");
  fs::create_directories(root / "VIDEO");
  for (const char* name : {"audio music/клип.wav", "Video/a.avi", "VIDEO/a.avi", "Exact", "exact"})
    std::ofstream(root / name) << "x";
  const std::string base = root.string() + "/";
  EXPECT_EQ(host::FindOnDisc(base + "Audio Music/КЛИП.wav"), base + "audio music/клип.wav");
  EXPECT_EQ(host::FindOnDisc(base + "Exact"), base + "Exact");   // an exact name wins
  EXPECT_EQ(host::FindOnDisc(base + "Movies/disc/Audio Music"),  // at every step
            base + "Movies/disc/audio music");
  EXPECT_EQ(host::FindOnDisc(base + "video/a.avi"), base + "video/a.avi");  // two match
  EXPECT_EQ(host::FindOnDisc(base + "Audio Music/none"), base + "Audio Music/none");
  fs::remove_all(root);
}

// A name that really holds U+F05C is found as it is, though a "\" inside a
// name shows the same to the program: the literal one wins where both are.
TEST(Paths, ANameWithPrivateUseIsFoundAsItIsBeforeTheBackslashItMayStandFor) {
  namespace fs = std::filesystem;
  const std::string shown = "\xEF\x81\x9C";  // U+F05C
  const fs::path root = fs::temp_directory_path() / ("zorvanta-shown-" + std::to_string(getpid()));
  const fs::path literal = root / ("dis" + shown + "c"), backslash = root / "sub\\folder";
  fs::create_directories(literal);
  fs::create_directories(backslash);
  for (const fs::path& file : {literal / "a.wav", backslash / "x\\y.wav",
                               backslash / ("x" + shown + "y.wav"), backslash / "only\\one.wav"})
    std::ofstream(file) << "x";
  const std::string program = root.string() + "\\";  // as the program joins names
  EXPECT_EQ(host::FindOnDisc(program + "dis" + shown + "c\\A.WAV"), (literal / "a.wav").string());
  EXPECT_EQ(host::FindOnDisc(program + "sub" + shown + "folder\\x" + shown + "y.wav"),
            (backslash / ("x" + shown + "y.wav")).string());
  EXPECT_EQ(host::FindOnDisc(program + "sub" + shown + "folder\\ONLY" + shown + "one.wav"),
            (backslash / "only\\one.wav").string());
  fs::remove_all(root);
}

}  // namespace
