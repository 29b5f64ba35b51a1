// Checks the demo disc's documents for the structure that players rely on.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/disc_writer.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& path) {
  return Bytes(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}

// Fields and four-letter codes; reading past the end throws, which fails the test.
std::uint32_t Field(const Bytes& b, size_t at, int width = 4, bool bigEndian = false) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) value = value << 8 | b.at(at + (bigEndian ? i : width - 1 - i));
  return value;
}
std::string Text(const Bytes& b, size_t at) { return std::string(&b.at(at + 3) - 3, &b[at] + 4); }

struct Chunk {
  std::string id;  // a LIST's own type
  size_t data, size;
};

// The chunks that exactly fill [at, end): RIFF ones little-endian and padded
// to an even length, MIDI ones big-endian and unpadded.
std::vector<Chunk> Chunks(const Bytes& b, size_t at, size_t end, bool midi = false) {
  std::vector<Chunk> out;
  for (; at < end; at += 8 + out.back().size + (midi ? 0 : out.back().size % 2))
    out.push_back({Text(b, at + 8 * (Text(b, at) == "LIST")), at + 8, Field(b, at + 4, 4, midi)});
  EXPECT_EQ(at, end) << "the chunks overrun their parent";
  return out;
}

TEST(Disc, HoldsExactlyTheDocumentsTheMenuOpensTheSameEveryTimeAsTheirHeadersSay) {
  const std::set<std::string> expected(
      {"Zorvanta - серия 1.avi", "Zorvanta - серия 2.avi", "Zorvanta - серия 3.avi",
       "Zorvanta - серия 4.avi", "Zorvanta - серия 5.avi", "Zorvanta - анонс фильма 2005.avi",
       "Audio Music/Весенний вальс.wav", "Audio Music/Morning Tune.wav",
       "Audio Midi/Колыбельная.mid", "Audio Midi/Little March.mid", "Audio Midi/Гамма до мажор.mid",
       "Audio Humor/Boing.wav", "Audio Humor/Звонок.wav", "Audio Humor/Ку-ку.wav",
       "Video/клип 2.avi", "Video/клип 10.avi"});
  const fs::path root = fs::temp_directory_path() / "make_disc_test";
  fs::remove_all(root);
  disc::WriteDisc(root / "disc"), disc::WriteDisc(root / "again");
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root / "disc")) {
    if (!entry.is_regular_file()) continue;
    const fs::path name = entry.path().lexically_relative(root / "disc");
    SCOPED_TRACE(name);
    found.insert(name.string());
    const Bytes b = ReadFile(entry.path());
    EXPECT_EQ(b, ReadFile(root / "again" / name));
    const bool midi = name.extension() == ".mid";
    const auto top = Chunks(b, midi ? 0 : 12, b.size(), midi);
    std::string ids = midi ? "" : Text(b, 0) + Text(b, 8), tracks = "MThd";
    for (const Chunk& c : top) ids += c.id;
    EXPECT_EQ(midi ? b.size() : Field(b, 4) + 8, b.size()) << "RIFF size";
    if (midi) {  // its header, then the tracks that header counts
      for (std::uint32_t i = 0; i < Field(b, 10, 2, true); ++i) tracks += "MTrk";
      EXPECT_EQ(ids, tracks);
      EXPECT_EQ(top[0].size, 6u);
    } else if (name.extension() == ".wav") {
      EXPECT_EQ(ids, "RIFFWAVEfmt data");
    } else {  // the frame count, the frame chunks and the index entries agree
      ASSERT_EQ(ids, "RIFFAVI hdrlmoviidx1");
      const auto headers = Chunks(b, top[0].data + 4, top[0].data + top[0].size);
      const auto frames = Chunks(b, top[1].data + 4, top[1].data + top[1].size);
      EXPECT_EQ(headers.at(0).id + std::to_string(Field(b, headers[0].data + 16)),
                "avih" + std::to_string(frames.size()));
      EXPECT_GT(frames.size(), 1u);
      EXPECT_EQ(top[2].size, frames.size() * 16);
    }
  }
  EXPECT_EQ(found, expected);
  fs::remove_all(root);
}

}  // namespace
