#include <gtest/gtest.h>

#include "toolkit/colors.h"

namespace {

constexpr host::Color kBase = 0x2020D0, kDark = 0x1A1AA6, kLight = 0x9090E8;

TEST(BlendColor, MixesEachChannelClampingTheFactorAndRoundingHalvesToEven) {
  EXPECT_EQ(toolkit::BlendColor(kBase, 0, 0.2), kDark);
  EXPECT_EQ(toolkit::BlendColor(kBase, 0xFFFFFF, 0.5), kLight);
  EXPECT_EQ(toolkit::BlendColor(kDark, kLight, 0.2), 0x3232B3);
  EXPECT_EQ(toolkit::BlendColor(kDark, kLight, 0.8), 0x7878DB);
  EXPECT_EQ(toolkit::BlendColor(kBase, 0xFFFFFF, -0.5), kBase);
  EXPECT_EQ(toolkit::BlendColor(kBase, 0xFFFFFF, 7), 0xFFFFFF);
  EXPECT_EQ(toolkit::BlendColor(0, 5, 0.5), 2);
  EXPECT_EQ(toolkit::BlendColor(0, 7 << 8, 0.5), 4 << 8);
}

TEST(Channels, DivideTowardZeroRatherThanShift) {
  EXPECT_EQ(toolkit::BlueOf(0x123456), 0x12);
  EXPECT_EQ(toolkit::RedOf(-1), 255);
  EXPECT_EQ(toolkit::GreenOf(-1), 0);
  EXPECT_EQ(toolkit::BlueOf(-1), 0);
}

TEST(UShortBits, KeepsFifteenBitsAndFoldsTheRestIntoTheSign) {
  const std::pair<int32_t, int16_t> cases[] = {
      {8192, 8192}, {53248, -12288}, {65535, -1}, {65536, -32768}, {0x10005, -32763}};
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(toolkit::UShortBits(value), expected) << value;
}

}  // namespace
