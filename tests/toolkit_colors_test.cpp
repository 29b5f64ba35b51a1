#include <gtest/gtest.h>

#include "toolkit/colors.h"

namespace {

using toolkit::BlendColor;

constexpr host::Color kBase = 0x2020D0, kDark = 0x1A1AA6, kLight = 0x9090E8;

TEST(BlendColor, DerivesTheFrameColoursOfTheBaseColour) {
  struct Case {
    host::Color from, to;
    double t;
    host::Color expected;
  };
  const Case cases[] = {
      {kBase, 0, 0.2, kDark},           {kBase, 0xFFFFFF, 0.5, kLight},
      {kBase, 0xFFFFFF, 0.3, 0x6363DE}, {kDark, kLight, 0.2, 0x3232B3},
      {kDark, kLight, 0.4, 0x4949C0},   {kDark, kLight, 0.6, 0x6161CE},
      {kDark, kLight, 0.8, 0x7878DB},   {kDark, kLight, 1, kLight},
  };
  for (const Case& c : cases) EXPECT_EQ(BlendColor(c.from, c.to, c.t), c.expected) << c.t;
}

TEST(BlendColor, ClampsTheFactorAndRoundsHalvesToEven) {
  EXPECT_EQ(BlendColor(kBase, 0xFFFFFF, -0.5), kBase);
  EXPECT_EQ(BlendColor(kBase, 0xFFFFFF, 7), 0xFFFFFF);
  EXPECT_EQ(BlendColor(0, 5, 0.5), 2);
  EXPECT_EQ(BlendColor(0, 7 << 8, 0.5), 4 << 8);
  EXPECT_EQ(BlendColor(0xC0FFEE, 0xC0FFEE, 0.37), 0xC0FFEE);
}

TEST(Channels, DivideTowardZeroRatherThanShift) {
  EXPECT_EQ(toolkit::RedOf(0x123456), 0x56);
  EXPECT_EQ(toolkit::GreenOf(0x123456), 0x34);
  EXPECT_EQ(toolkit::BlueOf(0x123456), 0x12);
  EXPECT_EQ(toolkit::RedOf(-1), 255);
  EXPECT_EQ(toolkit::GreenOf(-1), 0);
  EXPECT_EQ(toolkit::BlueOf(-1), 0);
}

TEST(UShortBits, KeepsFifteenBitsAndFoldsTheRestIntoTheSign) {
  const std::pair<int32_t, int16_t> cases[] = {
      {0, 0},        {8192, 8192}, {32768, -32768}, {53248, -12288},
      {65280, -256}, {65535, -1},  {65536, -32768}, {0x10005, -32763},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(toolkit::UShortBits(value), expected) << value;
}

}  // namespace
