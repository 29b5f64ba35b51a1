// The host's rules that need no display and hold on every system: number
// conversions, the file list's rule, what the shell may open, where the
// window shows, and the window image's drawing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/documents.h"
#include "host/file_listing.h"
#include "host/numbers.h"
#include "host/placement.h"
#include "host/surface.h"
#include "tests/fake_host.h"

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

TEST(FileListing, ShowsVisibleFilesOnlyInCaseBlindNaturalOrder) {
  const std::vector<host::FolderEntry> entries = {
      {"клип 10.avi"}, {"клип 2.avi"}, {"B.mp3"},     {"a.mp3"},      {".hidden"},
      {"Zeta"},        {"bin", true},  {"x10y2"},     {"x10y10"},     {"secret", false, true},
      {"track007"},    {"track7"},     {"Track 1.A"}, {"track 1.a"},  {"."},
      {"клип"},        {"12"},         {"9"},         {"Клип 1.avi"}, {"Баня"},
      {"арбуз"},       {"Ель"},        {"ёж"},        {"Ёлка"},       {"жук"}};
  EXPECT_THAT(
      host::ListedFiles(entries),
      ::testing::ElementsAre("9", "12", "a.mp3", "B.mp3", "Track 1.A", "track 1.a", "track007",
                             "track7", "x10y2", "x10y10", "Zeta", "арбуз", "Баня", "ёж", "Ёлка",
                             "Ель", "жук", "клип", "Клип 1.avi", "клип 2.avi", "клип 10.avi"));
}

TEST(Documents, OnlyAFileIsOpenedAndAnythingElseIsToldAsMissing) {
  fake::Log log;
  fake::Runtime runtime{log};
  EXPECT_TRUE(host::CheckDocument(host::EntryKind::kFile));
  EXPECT_THAT(log, ::testing::IsEmpty());
  for (auto entry : {host::EntryKind::kNothing, host::EntryKind::kFolder, host::EntryKind::kOther})
    EXPECT_FALSE(host::CheckDocument(entry));
  EXPECT_THAT(log, ::testing::Each("MsgBox(Файл не найден)"));
  EXPECT_EQ(log.size(), 3u);
}

TEST(Placement, CentredOnTheScreenOrWithTheTopRightCornerOnOneTooSmall) {
  using host::Place;
  EXPECT_EQ(host::CentredPlace({0, 0, 1280, 1024}, 640, 480), (Place{320, 272}));
  EXPECT_EQ(host::CentredPlace({1280, 100, 2560, 1124}, 640, 480), (Place{1600, 372}));
  EXPECT_EQ(host::CentredPlace({0, 0, 600, 400}, 640, 480), (Place{-40, 0}));
  EXPECT_EQ(host::CentredPlace({1280, 100, 1880, 500}, 640, 480), (Place{1240, 100}));
  EXPECT_EQ(host::CentredPlace({0, 0, 600, 1024}, 640, 480), (Place{-40, 272}));
  EXPECT_EQ(host::CentredPlace({0, 0, 1280, 400}, 640, 480), (Place{320, 0}));
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
