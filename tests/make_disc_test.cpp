// Checks the demo disc's documents for the structure that players rely on.
#include <gtest/gtest.h>

#include <algorithm>
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
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t Le16(const Bytes& bytes, size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t Le32(const Bytes& bytes, size_t at) {
  return Le16(bytes, at) | Le16(bytes, at + 2) << 16;
}
std::uint32_t Be16(const Bytes& bytes, size_t at) { return bytes.at(at) << 8 | bytes.at(at + 1); }
std::uint32_t Be32(const Bytes& bytes, size_t at) {
  return Be16(bytes, at) << 16 | Be16(bytes, at + 2);
}
std::string Text(const Bytes& bytes, size_t at, size_t length) {
  return std::string(bytes.begin() + at, bytes.begin() + at + length);
}

struct Chunk {
  std::string id;
  size_t data;  // offset of the payload
  std::uint32_t size;
};

// The RIFF chunks that exactly fill [begin, end); fails the test on an overrun.
std::vector<Chunk> RiffChunks(const Bytes& bytes, size_t begin, size_t end) {
  std::vector<Chunk> chunks;
  for (size_t at = begin; at < end;) {
    Chunk chunk{Text(bytes, at, 4), at + 8, Le32(bytes, at + 4)};
    at = chunk.data + chunk.size + chunk.size % 2;
    EXPECT_LE(at, end) << "chunk " << chunk.id << " overruns its parent";
    chunks.push_back(chunk);
  }
  return chunks;
}

// The chunks of a RIFF file or LIST, after its four-letter type.
std::vector<Chunk> Children(const Bytes& bytes, const Chunk& list) {
  return RiffChunks(bytes, list.data + 4, list.data + list.size);
}

Chunk Find(const std::vector<Chunk>& chunks, const std::string& id) {
  const auto found =
      std::find_if(chunks.begin(), chunks.end(), [&](const Chunk& c) { return c.id == id; });
  EXPECT_NE(found, chunks.end()) << "no " << id << " chunk";
  return found == chunks.end() ? Chunk{} : *found;
}

// The whole file is one RIFF chunk of the given type.
Chunk RiffFile(const Bytes& bytes, const std::string& type) {
  EXPECT_EQ(Text(bytes, 0, 4), "RIFF");
  EXPECT_EQ(Le32(bytes, 4) + 8, bytes.size());
  EXPECT_EQ(Text(bytes, 8, 4), type);
  return {"RIFF", 8, Le32(bytes, 4)};
}

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

class DiscTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / (std::string("disc_test_") + test->name());
    fs::remove_all(folder_);
    disc::WriteDisc(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<fs::path> FilesEnding(const std::string& extension) const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      if (entry.is_regular_file() && entry.path().extension() == extension)
        files.push_back(entry.path());
    }
    EXPECT_FALSE(files.empty());
    return files;
  }

  fs::path folder_;
};

TEST_F(DiscTest, HoldsExactlyTheDocumentsTheMenuOpensAndLists) {
  const std::set<std::string> expected = {"Zorvanta - серия 1.avi",
                                          "Zorvanta - серия 2.avi",
                                          "Zorvanta - серия 3.avi",
                                          "Zorvanta - серия 4.avi",
                                          "Zorvanta - серия 5.avi",
                                          "Zorvanta - анонс фильма 2005.avi",
                                          "Audio Music/Весенний вальс.wav",
                                          "Audio Music/Morning Tune.wav",
                                          "Audio Midi/Колыбельная.mid",
                                          "Audio Midi/Little March.mid",
                                          "Audio Midi/Гамма до мажор.mid",
                                          "Audio Humor/Boing.wav",
                                          "Audio Humor/Звонок.wav",
                                          "Audio Humor/Ку-ку.wav",
                                          "Video/клип 2.avi",
                                          "Video/клип 10.avi"};
  std::set<std::string> found;
  std::uintmax_t total = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
    if (!entry.is_regular_file()) continue;
    found.insert(Utf8(entry.path().lexically_relative(folder_)));
    total += entry.file_size();
  }
  EXPECT_EQ(found, expected);
  EXPECT_LT(total, 15u * 1024 * 1024);
}

TEST_F(DiscTest, WritesTheSameBytesEveryTime) {
  const fs::path again = folder_ / "again";
  const auto second = disc::WriteDisc(again);
  for (const auto& file : second) {
    EXPECT_EQ(ReadFile(file.path), ReadFile(folder_ / file.path.lexically_relative(again)))
        << Utf8(file.path);
  }
}

// The header's frame count, the '00db' frame chunks and the index agree, and
// every index entry points at a frame of the size the bitmap header gives.
TEST_F(DiscTest, AviHeadersAndIndexAgreeWithTheFrames) {
  for (const fs::path& path : FilesEnding(".avi")) {
    SCOPED_TRACE(Utf8(path));
    const Bytes avi = ReadFile(path);
    const auto top = Children(avi, RiffFile(avi, "AVI "));
    const Chunk headers = Find(top, "LIST"), movi = top.at(1), index = Find(top, "idx1");
    ASSERT_EQ(Text(avi, movi.data, 4), "movi");
    const auto headerChunks = Children(avi, headers);
    const Chunk avih = Find(headerChunks, "avih");
    const auto stream =
        Children(avi, Find(std::vector(headerChunks.begin() + 1, headerChunks.end()), "LIST"));
    const Chunk strh = Find(stream, "strh"), strf = Find(stream, "strf");
    EXPECT_EQ(Text(avi, strh.data, 4), "vids");

    const std::uint32_t frames = Le32(avi, avih.data + 16);
    const std::uint32_t width = Le32(avi, strf.data + 4), height = Le32(avi, strf.data + 8);
    const std::uint32_t frameBytes = Le32(avi, strf.data + 20);
    EXPECT_EQ(Le32(avi, avih.data + 24), 1u);  // one stream
    EXPECT_EQ(Le32(avi, avih.data + 32), width);
    EXPECT_EQ(Le32(avi, avih.data + 36), height);
    EXPECT_EQ(Le32(avi, strh.data + 32), frames);
    EXPECT_EQ(Le16(avi, strf.data + 14), 24u);
    EXPECT_EQ(frameBytes, (width * 3 + 3) / 4 * 4 * height);
    EXPECT_GT(frames, 0u);

    const auto frameChunks = Children(avi, movi);
    EXPECT_EQ(frameChunks.size(), frames);
    EXPECT_EQ(index.size, frames * 16);
    for (std::uint32_t entry = 0; entry < index.size / 16; ++entry) {
      const size_t at = index.data + entry * 16;
      EXPECT_EQ(Text(avi, at, 4), "00db");
      const size_t chunk = movi.data + Le32(avi, at + 8);
      EXPECT_EQ(Text(avi, chunk, 4), "00db");
      EXPECT_EQ(Le32(avi, chunk + 4), frameBytes);
      EXPECT_EQ(Le32(avi, at + 12), frameBytes);
    }
  }
}

std::vector<Bytes> Frames(const Bytes& avi) {
  const auto top = Children(avi, RiffFile(avi, "AVI "));
  std::vector<Bytes> frames;
  for (const Chunk& chunk : Children(avi, top.at(1))) {
    frames.emplace_back(avi.begin() + chunk.data, avi.begin() + chunk.data + chunk.size);
  }
  return frames;
}

// Each episode shows its own picture, and something moves in every video.
TEST_F(DiscTest, VideosMoveAndEpisodesLookDifferent) {
  std::vector<Bytes> firstFrames;
  for (int episode = 1; episode <= 5; ++episode) {
    const std::string name = "Zorvanta - серия " + std::to_string(episode) + ".avi";
    const Bytes avi = ReadFile(folder_ / fs::path(std::u8string(name.begin(), name.end())));
    for (const Bytes& earlier : firstFrames) EXPECT_NE(Frames(avi).front(), earlier) << name;
    firstFrames.push_back(Frames(avi).front());
  }
  for (const fs::path& path : FilesEnding(".avi")) {
    const auto frames = Frames(ReadFile(path));
    EXPECT_NE(frames.front(), frames.back()) << Utf8(path);
  }
}

TEST_F(DiscTest, WavHeadersAgreeWithTheirSoundData) {
  for (const fs::path& path : FilesEnding(".wav")) {
    SCOPED_TRACE(Utf8(path));
    const Bytes wav = ReadFile(path);
    const auto chunks = Children(wav, RiffFile(wav, "WAVE"));
    const Chunk format = Find(chunks, "fmt "), data = Find(chunks, "data");
    ASSERT_EQ(format.size, 16u);
    const std::uint32_t channels = Le16(wav, format.data + 2), rate = Le32(wav, format.data + 4);
    const std::uint32_t blockAlign = Le16(wav, format.data + 12),
                        bits = Le16(wav, format.data + 14);
    EXPECT_EQ(Le16(wav, format.data), 1u);  // PCM
    EXPECT_EQ(blockAlign, channels * bits / 8);
    EXPECT_EQ(Le32(wav, format.data + 8), rate * blockAlign);
    EXPECT_EQ(data.size % blockAlign, 0u);
    const double seconds = static_cast<double>(data.size) / (rate * blockAlign);
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 10.0);
    std::int32_t loudest = 0;
    for (size_t at = data.data; at < data.data + data.size; at += 2) {
      loudest = std::max<std::int32_t>(loudest, std::abs(static_cast<std::int16_t>(Le16(wav, at))));
    }
    EXPECT_GT(loudest, 3000) << "nearly silent";
  }
}

std::uint32_t ReadVariableLength(const Bytes& bytes, size_t& at) {
  std::uint32_t value = 0;
  for (std::uint8_t byte = 0x80; byte & 0x80; ++at) {
    byte = bytes.at(at);
    value = value << 7 | (byte & 0x7F);
  }
  return value;
}

// Walks one track's events; returns how many notes start, fails unless the
// end-of-track event comes last and exactly at the chunk's end.
int NotesInTrack(const Bytes& midi, size_t at, size_t end) {
  int notes = 0;
  bool ended = false;
  while (at < end && !ended) {
    ReadVariableLength(midi, at);
    const std::uint8_t status = midi.at(at++);
    if (status == 0xFF) {
      ended = midi.at(at++) == 0x2F;
      at += ReadVariableLength(midi, at);
    } else if ((status & 0xF0) == 0xC0) {
      at += 1;
    } else {
      EXPECT_GE(status, 0x80) << "running status is not written";
      notes += (status & 0xF0) == 0x90 && midi.at(at + 1) > 0;
      at += 2;
    }
  }
  EXPECT_TRUE(ended);
  EXPECT_EQ(at, end);
  return notes;
}

TEST_F(DiscTest, MidiChunkLengthsAndTracksAreConsistent) {
  for (const fs::path& path : FilesEnding(".mid")) {
    SCOPED_TRACE(Utf8(path));
    const Bytes midi = ReadFile(path);
    ASSERT_EQ(Text(midi, 0, 4), "MThd");
    ASSERT_EQ(Be32(midi, 4), 6u);
    const std::uint32_t format = Be16(midi, 8), tracks = Be16(midi, 10);
    EXPECT_TRUE(format == 0 ? tracks == 1 : format == 1) << "format " << format;
    EXPECT_GT(Be16(midi, 12), 0u);  // ticks per quarter note
    int notes = 0;
    std::uint32_t trackCount = 0;
    size_t at = 14;
    for (; at + 8 <= midi.size(); ++trackCount) {
      EXPECT_EQ(Text(midi, at, 4), "MTrk");
      const size_t end = at + 8 + Be32(midi, at + 4);
      ASSERT_LE(end, midi.size());
      notes += NotesInTrack(midi, at + 8, end);
      at = end;
    }
    EXPECT_EQ(at, midi.size());
    EXPECT_EQ(trackCount, tracks);
    EXPECT_GT(notes, 4);
  }
}

}  // namespace
