// Checks the demo disc's documents for the structure that players rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/disc_writer.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

// A field of `width` bytes; reading past the end throws, which fails the test.
std::uint32_t Field(const Bytes& bytes, size_t at, int width, bool bigEndian = false) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i)
    value = value << 8 | bytes.at(at + (bigEndian ? i : width - 1 - i));
  return value;
}
std::string Text(const Bytes& bytes, size_t at) {
  return std::string(reinterpret_cast<const char*>(&bytes.at(at + 3)) - 3, 4);
}

struct Chunk {
  std::string id;
  size_t data;  // offset of the payload
  std::uint32_t size;
};

// The chunks that exactly fill [begin, end): RIFF ones, little-endian and
// padded to an even length, or MIDI ones, big-endian and unpadded.
std::vector<Chunk> Chunks(const Bytes& bytes, size_t begin, size_t end, bool midi = false) {
  std::vector<Chunk> chunks;
  for (size_t at = begin; at < end;) {
    chunks.push_back({Text(bytes, at), at + 8, Field(bytes, at + 4, 4, midi)});
    at += 8 + chunks.back().size + (midi ? 0 : chunks.back().size % 2);
    EXPECT_LE(at, end) << chunks.back().id << " overruns its parent";
  }
  return chunks;
}

// The chunks of a RIFF list, after its four-letter type.
std::vector<Chunk> Children(const Bytes& bytes, const Chunk& list) {
  return Chunks(bytes, list.data + 4, list.data + list.size);
}

// The first chunk of this id, or the first LIST of this type.
const Chunk& Find(const Bytes& bytes, const std::vector<Chunk>& chunks, const std::string& name) {
  for (const Chunk& chunk : chunks)
    if (chunk.id == name || (chunk.id == "LIST" && Text(bytes, chunk.data) == name)) return chunk;
  throw std::runtime_error("no " + name + " chunk");
}

// The chunks of a file that is one RIFF chunk of the given type.
std::vector<Chunk> RiffFile(const Bytes& bytes, const std::string& type) {
  EXPECT_EQ(Text(bytes, 0) + Text(bytes, 8), "RIFF" + type);
  EXPECT_EQ(Field(bytes, 4, 4) + 8, bytes.size());
  return Chunks(bytes, 12, bytes.size());
}

// Each test writes its own disc, so that tests can run side by side.
class DiscTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    disc::WriteDisc(folder_ / "disc");
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<fs::path> FilesEnding(const std::string& extension) const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_ / "disc"))
      if (entry.path().extension() == extension) files.push_back(entry.path());
    EXPECT_FALSE(files.empty());
    return files;
  }

  const fs::path folder_ =
      fs::temp_directory_path() /
      ("disc_test_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(DiscTest, HoldsExactlyTheDocumentsTheMenuOpensAndListsTheSameEveryTime) {
  const std::set<std::string> expected(
      {"Zorvanta - серия 1.avi", "Zorvanta - серия 2.avi", "Zorvanta - серия 3.avi",
       "Zorvanta - серия 4.avi", "Zorvanta - серия 5.avi", "Zorvanta - анонс фильма 2005.avi",
       "Audio Music/Весенний вальс.wav", "Audio Music/Morning Tune.wav",
       "Audio Midi/Колыбельная.mid", "Audio Midi/Little March.mid", "Audio Midi/Гамма до мажор.mid",
       "Audio Humor/Boing.wav", "Audio Humor/Звонок.wav", "Audio Humor/Ку-ку.wav",
       "Video/клип 2.avi", "Video/клип 10.avi"});
  std::set<std::string> found;
  std::uintmax_t total = 0;
  disc::WriteDisc(folder_ / "again");
  for (const auto& entry : fs::recursive_directory_iterator(folder_ / "disc")) {
    if (!entry.is_regular_file()) continue;
    const fs::path name = entry.path().lexically_relative(folder_ / "disc");
    found.insert(name.string());
    total += entry.file_size();
    EXPECT_EQ(ReadFile(entry.path()), ReadFile(folder_ / "again" / name)) << name;
  }
  EXPECT_EQ(found, expected);
  EXPECT_LT(total, 15u * 1024 * 1024);
}

// The headers' frame counts, the '00db' frame chunks and the index agree, each
// index entry points at its frame, and every video moves and looks its own.
TEST_F(DiscTest, AviHeadersAndIndexAgreeWithTheFrames) {
  std::set<std::string> firstPictures;
  for (const fs::path& path : FilesEnding(".avi")) {
    SCOPED_TRACE(path);
    const Bytes avi = ReadFile(path);
    const auto top = RiffFile(avi, "AVI ");
    const auto headers = Children(avi, Find(avi, top, "hdrl"));
    const auto stream = Children(avi, Find(avi, headers, "strl"));
    const size_t avih = Find(avi, headers, "avih").data, strh = Find(avi, stream, "strh").data,
                 strf = Find(avi, stream, "strf").data;
    EXPECT_EQ(Text(avi, strh), "vids");
    const std::uint32_t frames = Field(avi, avih + 16, 4), width = Field(avi, strf + 4, 4),
                        height = Field(avi, strf + 8, 4), frameBytes = Field(avi, strf + 20, 4);
    EXPECT_EQ(Field(avi, avih + 32, 4), width);
    EXPECT_EQ(Field(avi, avih + 36, 4), height);
    EXPECT_EQ(Field(avi, strh + 32, 4), frames);
    EXPECT_EQ(frameBytes, (width * Field(avi, strf + 14, 2) / 8 + 3) / 4 * 4 * height);

    const Chunk &movi = Find(avi, top, "movi"), &index = Find(avi, top, "idx1");
    const auto chunks = Children(avi, movi);
    ASSERT_GT(frames, 1u);
    ASSERT_EQ(chunks.size(), frames);
    ASSERT_EQ(index.size, frames * 16);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
      const size_t entry = index.data + frame * 16;
      EXPECT_EQ(Text(avi, entry) + chunks[frame].id, "00db00db");
      EXPECT_EQ(movi.data + Field(avi, entry + 8, 4) + 8, chunks[frame].data) << frame;
      EXPECT_EQ(Field(avi, entry + 12, 4), frameBytes);
      EXPECT_EQ(chunks[frame].size, frameBytes);
    }
    const auto picture = [&](const Chunk& c) {
      return std::string(avi.begin() + c.data, avi.begin() + c.data + c.size);
    };
    EXPECT_TRUE(firstPictures.insert(picture(chunks[0])).second) << "looks like another video";
    EXPECT_NE(picture(chunks[0]), picture(chunks.back())) << "nothing moves";
  }
}

TEST_F(DiscTest, WavHeadersAgreeWithTheirSoundData) {
  for (const fs::path& path : FilesEnding(".wav")) {
    SCOPED_TRACE(path);
    const Bytes wav = ReadFile(path);
    const auto chunks = RiffFile(wav, "WAVE");
    const Chunk &format = Find(wav, chunks, "fmt "), &data = Find(wav, chunks, "data");
    const size_t f = format.data;
    const std::uint32_t align = Field(wav, f + 12, 2);
    ASSERT_EQ(format.size, 16u);
    EXPECT_EQ(Field(wav, f, 2), 1u);                                // PCM
    EXPECT_EQ(Field(wav, f + 8, 4), Field(wav, f + 4, 4) * align);  // bytes a second
    ASSERT_EQ(Field(wav, f + 14, 2), 16u);                          // as read below
    ASSERT_TRUE(align > 0 && align == Field(wav, f + 2, 2) * 2) << "block " << align;
    EXPECT_EQ(data.size % align, 0u);
    int loudest = 0;
    for (size_t at = data.data; at < data.data + data.size; at += 2)
      loudest = std::max(loudest, std::abs(int{static_cast<std::int16_t>(Field(wav, at, 2))}));
    EXPECT_GT(loudest, 3000) << "nearly silent";
  }
}

std::uint32_t VariableLength(const Bytes& bytes, size_t& at) {
  std::uint32_t value = 0;
  do value = value << 7 | (bytes.at(at) & 0x7F);
  while (bytes.at(at++) & 0x80);
  return value;
}

// Steps over a track's events, written without running status, and counts the
// notes that start; the end-of-track event must close the chunk exactly.
int NotesInTrack(const Bytes& midi, const Chunk& track) {
  int notes = 0;
  bool ended = false;
  size_t at = track.data;
  while (at < track.data + track.size && !ended) {
    VariableLength(midi, at);  // the time since the event before
    const std::uint8_t status = midi.at(at++);
    if (status == 0xFF) {
      ended = midi.at(at++) == 0x2F;
      at += VariableLength(midi, at);
    } else {
      notes += (status & 0xF0) == 0x90 && midi.at(at + 1) > 0;
      at += (status & 0xF0) == 0xC0 ? 1 : 2;
    }
  }
  EXPECT_TRUE(ended);
  EXPECT_EQ(at, track.data + track.size);
  return notes;
}

TEST_F(DiscTest, MidiHeaderAndTrackLengthsAgreeWithTheFile) {
  for (const fs::path& path : FilesEnding(".mid")) {
    SCOPED_TRACE(path);
    const Bytes midi = ReadFile(path);
    const auto chunks = Chunks(midi, 0, midi.size(), true);
    ASSERT_EQ(chunks.at(0).id, "MThd");
    ASSERT_EQ(chunks[0].size, 6u);
    const std::uint32_t format = Field(midi, 8, 2, true), tracks = Field(midi, 10, 2, true);
    EXPECT_TRUE(format == 0 ? tracks == 1 : format == 1) << "format " << format;
    EXPECT_GT(Field(midi, 12, 2, true), 0u);  // ticks per quarter note
    EXPECT_EQ(chunks.size(), tracks + 1);
    int notes = 0;
    for (size_t i = 1; i < chunks.size(); ++i) {
      EXPECT_EQ(chunks[i].id, "MTrk");
      notes += NotesInTrack(midi, chunks[i]);
    }
    EXPECT_GT(notes, 4);
  }
}

}  // namespace
