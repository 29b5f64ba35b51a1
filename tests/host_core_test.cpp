// The host's rules that need no display: number conversions, paths as the
// program writes them, and the window image's drawing calls.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/numbers.h"
#include "host/paths.h"
#include "host/surface.h"

namespace {

using host::Rgb;

TEST(Numbers, RoundHalvesToEvenRaiseOverflowAndDivideRoundedOperands) {
  EXPECT_EQ(host::CInt(2.5), 2);
  EXPECT_EQ(host::CInt(-3.5), -4);
  EXPECT_EQ(host::CInt(-32768.5), -32768);
  EXPECT_EQ(host::CInt(32767.4), 32767);
  EXPECT_EQ(host::CLng(182.5), 182);
  EXPECT_THROW(host::CInt(32767.5), host::RuntimeError);
  EXPECT_THROW(host::CLng(2147483648.0), host::RuntimeError);
  EXPECT_EQ(host::IntDiv(7.5, 2.5), 4);  // 8 \ 2
  EXPECT_EQ(host::IntDiv(-7, 2), -3);
  EXPECT_THROW(host::IntDiv(1, 0.4), host::RuntimeError);
}

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
  EXPECT_EQ(host::FoldCase("\xD0"), "\xD0");  // bytes that are not UTF-8 pass
  EXPECT_NE(host::FoldCase("Ä"), host::FoldCase("A"));
}

TEST(Paths, AMissingNameIsFoundWithoutRegardToCaseOnlyWhenOneEntryMatches) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("zorvanta-paths-" + std::to_string(getpid()));
  fs::create_directories(root / "audio music");
  fs::create_directories(root / "Video");
  fs::create_directories(root / "VIDEO");
  for (const char* name : {"audio music/клип.wav", "Video/a.avi", "VIDEO/a.avi", "Exact", "exact"})
    std::ofstream(root / name) << "x";
  const std::string base = root.string() + "/";
  EXPECT_EQ(host::FindIgnoringCase(base + "Audio Music/КЛИП.wav"), base + "audio music/клип.wav");
  EXPECT_EQ(host::FindIgnoringCase(base + "Exact"), base + "Exact");  // an exact name wins
  EXPECT_EQ(host::FindIgnoringCase(base + "video/a.avi"), base + "video/a.avi");  // two match
  EXPECT_EQ(host::FindIgnoringCase(base + "Audio Music/none"), base + "Audio Music/none");
  fs::remove_all(root);
}

TEST(Colors, SystemColoursResolveToRealOnes) {
  EXPECT_EQ(host::ResolveColor(0x2020D0), (Rgb{208, 32, 32}));
  EXPECT_EQ(host::ResolveColor(static_cast<host::Color>(0x80000005)), (Rgb{255, 255, 255}));
}

TEST(Surface, DrawsOutlinesOnTheEdgeClipsAndShadesAlongTheDirection) {
  constexpr Rgb kPen{200, 10, 10};
  host::Surface surface{40, 30, Rgb{1, 2, 3}};
  auto painted = [&](int y) {
    int count = 0;
    for (int x = 0; x < 40; ++x) count += surface.at(x, y) == kPen;
    return count;
  };
  surface.RoundRect(2, 3, 38, 27, 10, 10, 1, kPen);
  EXPECT_EQ(surface.at(20, 26), kPen);  // the bounds are exclusive
  EXPECT_EQ(surface.at(37, 15), kPen);
  EXPECT_NE(surface.at(2, 3), kPen);  // the corner is cut
  EXPECT_EQ(painted(15), 2);          // and nothing is filled
  surface.RoundRect(5, 5, 35, 25, 0, 0, 3, kPen);
  EXPECT_EQ(painted(15), 2 + 6);  // a pen of three covers three pixels each side
  surface.RoundRect(-50, -50, 100, 100, 20, 20, 3, kPen);  // clipped, not a crash
  // Nor do coordinates at the ends of the 32-bit range overflow.
  constexpr int32_t kLow = INT32_MIN, kHigh = INT32_MAX;
  surface.RoundRect(kLow, kLow, kHigh, kHigh, kHigh, kHigh, 3, kPen);
  surface.GradientFill({kLow, kLow, 0, 0, 0, 0}, {kHigh, kHigh, 0, 0, 0, 0}, false);
  EXPECT_TRUE(host::InsideRoundRect(0, 0, kLow, kLow, kHigh, kHigh, kHigh, kHigh));
  surface.GradientFill({0, 0, 0, 0, 0, 0}, {40, 30, -256, 0x2000, 0, 0}, true);
  EXPECT_EQ(surface.at(39, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(surface.at(0, 15), (Rgb{127, 16, 0}));
}

}  // namespace
