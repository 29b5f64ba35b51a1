#include "tools/disc_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/disc_documents.h"

namespace disc {

namespace {

using Bytes = std::vector<std::uint8_t>;

// ---- Byte order: RIFF files are little-endian, MIDI files big-endian ----

void PutLe16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutLe32(Bytes& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

void PutBe16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

void PutBe32(Bytes& out, std::uint32_t value) {
  PutBe16(out, value >> 16);
  PutBe16(out, value & 0xFFFF);
}

void PutText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// ---- RIFF chunks ----

Bytes RiffChunk(std::string_view id, const Bytes& payload) {
  Bytes out;
  PutText(out, id);
  PutLe32(out, static_cast<std::uint32_t>(payload.size()));
  Append(out, payload);
  if (payload.size() % 2 != 0) out.push_back(0);  // chunks start on even offsets
  return out;
}

// `kind` is "RIFF" for a whole file, "LIST" for a group inside one.
Bytes RiffList(std::string_view kind, std::string_view type, const std::vector<Bytes>& children) {
  Bytes payload;
  PutText(payload, type);
  for (const Bytes& child : children) Append(payload, child);
  return RiffChunk(kind, payload);
}

// ---- Pictures ----

struct Colour {
  std::uint8_t red, green, blue;
};

struct Rect {
  int left, top, width, height;
};

class Picture {
 public:
  Picture(int width, int height, Colour background)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), background) {}

  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(Rect rect, Colour colour) {
    const int right = std::min(width_, rect.left + rect.width);
    const int bottom = std::min(height_, rect.top + rect.height);
    for (int y = std::max(0, rect.top); y < bottom; ++y) {
      for (int x = std::max(0, rect.left); x < right; ++x) pixels_[y * width_ + x] = colour;
    }
  }

  // Device-independent bitmap order: bottom row first, blue-green-red.
  Bytes BottomUpBgr() const {
    Bytes out;
    out.reserve(pixels_.size() * 3);
    for (int y = height_ - 1; y >= 0; --y) {
      for (int x = 0; x < width_; ++x) {
        const Colour& pixel = pixels_[y * width_ + x];
        out.insert(out.end(), {pixel.blue, pixel.green, pixel.red});
      }
    }
    return out;
  }

 private:
  int width_, height_;
  std::vector<Colour> pixels_;
};

// ---- Seven-segment digits ----

// Bit 0 is the top segment, then clockwise (top right, bottom right, bottom,
// bottom left, top left), bit 6 the middle one.
constexpr std::array<std::uint8_t, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                         0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr int kDigitAspect = 2;  // a digit is half as wide as it is high
constexpr int kStrokeDivisor = 5;

std::array<Rect, 7> SegmentRects(Rect box) {
  const int stroke = std::max(2, box.width / kStrokeDivisor);
  const int half = box.height / 2;
  const int right = box.left + box.width - stroke;
  const int lowerTop = box.top + half;
  const int lowerHeight = box.height - half;
  return {{{box.left, box.top, box.width, stroke},
           {right, box.top, stroke, half},
           {right, lowerTop, stroke, lowerHeight},
           {box.left, box.top + box.height - stroke, box.width, stroke},
           {box.left, lowerTop, stroke, lowerHeight},
           {box.left, box.top, stroke, half},
           {box.left, lowerTop - stroke / 2, box.width, stroke}}};
}

void DrawDigit(Picture& picture, int digit, Rect box, Colour colour) {
  const std::array<Rect, 7> segments = SegmentRects(box);
  for (int segment = 0; segment < 7; ++segment) {
    if (kDigitSegments[digit] & (1 << segment)) picture.Fill(segments[segment], colour);
  }
}

// Draws the decimal `digits` centred on (centreX, centreY).
void DrawNumber(Picture& picture, std::string_view digits, int centreX, int centreY, int height,
                Colour colour) {
  const int width = height / kDigitAspect;
  const int gap = width / 3;
  const int count = static_cast<int>(digits.size());
  int left = centreX - (count * width + (count - 1) * gap) / 2;
  for (char digit : digits) {
    DrawDigit(picture, digit - '0', {left, centreY - height / 2, width, height}, colour);
    left += width + gap;
  }
}

// ---- Uncompressed AVI ----

constexpr int kVideoWidth = 160;
constexpr int kVideoHeight = 120;
constexpr int kFramesPerSecond = 10;
constexpr int kVideoSeconds = 2;
constexpr int kFrameCount = kFramesPerSecond * kVideoSeconds;
constexpr std::uint32_t kFrameBytes =
    kVideoWidth * kVideoHeight * 3;  // rows of 480 need no padding
constexpr std::uint32_t kMicrosecondsPerSecond = 1000000;
constexpr std::uint32_t kAviHasIndex = 0x10;
constexpr std::uint32_t kIndexKeyFrame = 0x10;
constexpr std::string_view kFrameChunkId = "00db";  // stream 0, uncompressed bitmap

using FramePainter = std::function<Picture(int frame)>;

Bytes MainHeader() {
  Bytes out;
  PutLe32(out, kMicrosecondsPerSecond / kFramesPerSecond);
  PutLe32(out, kFrameBytes * kFramesPerSecond);  // largest data rate
  PutLe32(out, 0);                               // padding granularity
  PutLe32(out, kAviHasIndex);
  PutLe32(out, kFrameCount);
  PutLe32(out, 0);  // initial frames
  PutLe32(out, 1);  // streams
  PutLe32(out, kFrameBytes);
  PutLe32(out, kVideoWidth);
  PutLe32(out, kVideoHeight);
  for (int reserved = 0; reserved < 4; ++reserved) PutLe32(out, 0);
  return RiffChunk("avih", out);
}

Bytes StreamHeader() {
  Bytes out;
  PutText(out, "vids");
  PutText(out, "DIB ");
  PutLe32(out, 0);  // flags
  PutLe32(out, 0);  // priority and language
  PutLe32(out, 0);  // initial frames
  PutLe32(out, 1);  // time scale: the rate counts frames per second
  PutLe32(out, kFramesPerSecond);
  PutLe32(out, 0);  // start
  PutLe32(out, kFrameCount);
  PutLe32(out, kFrameBytes);
  PutLe32(out, 0xFFFFFFFF);  // default quality
  PutLe32(out, 0);           // sample size varies: one frame per chunk
  for (int corner : {0, 0, kVideoWidth, kVideoHeight}) PutLe16(out, corner);
  return RiffChunk("strh", out);
}

Bytes StreamFormat() {
  Bytes out;
  PutLe32(out, 40);  // size of this bitmap header
  PutLe32(out, kVideoWidth);
  PutLe32(out, kVideoHeight);  // positive: rows stored bottom-up
  PutLe16(out, 1);             // planes
  PutLe16(out, 24);            // bits per pixel
  PutLe32(out, 0);             // uncompressed RGB
  PutLe32(out, kFrameBytes);
  for (int unused = 0; unused < 4; ++unused) PutLe32(out, 0);  // resolution and palette
  return RiffChunk("strf", out);
}

Bytes FrameIndex() {
  Bytes out;
  std::uint32_t offset = 4;  // from the "movi" type, past it
  for (int frame = 0; frame < kFrameCount; ++frame) {
    PutText(out, kFrameChunkId);
    PutLe32(out, kIndexKeyFrame);
    PutLe32(out, offset);
    PutLe32(out, kFrameBytes);
    offset += 8 + kFrameBytes;
  }
  return RiffChunk("idx1", out);
}

Bytes AviFile(const FramePainter& paint) {
  std::vector<Bytes> frames;
  for (int frame = 0; frame < kFrameCount; ++frame) {
    frames.push_back(RiffChunk(kFrameChunkId, paint(frame).BottomUpBgr()));
  }
  const Bytes streamList = RiffList("LIST", "strl", {StreamHeader(), StreamFormat()});
  const Bytes headerList = RiffList("LIST", "hdrl", {MainHeader(), streamList});
  return RiffList("RIFF", "AVI ", {headerList, RiffList("LIST", "movi", frames), FrameIndex()});
}

// Position 0 at the first frame, `span` at the last.
int Travel(int frame, int span) { return frame * span / (kFrameCount - 1); }

constexpr Colour kWhite = {255, 255, 255};

Picture EpisodeFrame(int episode, int frame) {
  static constexpr std::array<Colour, 5> kBackgrounds = {
      {{43, 76, 154}, {30, 122, 74}, {154, 43, 60}, {106, 43, 154}, {176, 106, 16}}};
  constexpr int kBarHeight = 8;
  Picture picture(kVideoWidth, kVideoHeight, kBackgrounds[episode - 1]);
  DrawNumber(picture, std::to_string(episode), kVideoWidth / 2, (kVideoHeight - kBarHeight) / 2, 80,
             kWhite);
  // A growing bar shows the video is playing.
  const int barWidth = (frame + 1) * kVideoWidth / kFrameCount;
  picture.Fill({0, kVideoHeight - kBarHeight, barWidth, kBarHeight}, {230, 230, 160});
  return picture;
}

Picture TrailerFrame(int frame) {
  constexpr int kSweepWidth = 16;
  Picture picture(kVideoWidth, kVideoHeight, {16, 20, 48});
  picture.Fill({Travel(frame, kVideoWidth - kSweepWidth), 0, kSweepWidth, kVideoHeight},
               {200, 90, 20});
  DrawNumber(picture, "2005", kVideoWidth / 2, kVideoHeight / 2, 40, {250, 210, 60});
  return picture;
}

Picture ClipFrame(std::string_view number, Colour background, int frame) {
  constexpr int kBallSize = 24;
  const int bounceSpan = kVideoHeight - kBallSize;
  const int height = Travel(frame, 2 * bounceSpan);
  const int top = height <= bounceSpan ? height : 2 * bounceSpan - height;
  Picture picture(kVideoWidth, kVideoHeight, background);
  picture.Fill({Travel(frame, kVideoWidth - kBallSize), top, kBallSize, kBallSize}, kWhite);
  DrawNumber(picture, number, 30, 24, 30, {255, 230, 0});
  return picture;
}

// ---- Notes, shared by the synthesised and the MIDI tunes ----

struct Note {
  int key;      // MIDI key number, middle C is 60; kRest for silence
  int eighths;  // length in eighth notes
};

constexpr int kRest = 0;

using Voice = std::vector<Note>;

// Tunes of our own: a waltz, a pentatonic morning tune, a lullaby, a march.
const Voice kWaltzMelody = {{72, 2}, {76, 2}, {79, 2}, {77, 4}, {76, 2}, {74, 2}, {77, 2}, {81, 2},
                            {79, 6}, {76, 2}, {74, 2}, {72, 2}, {71, 2}, {74, 2}, {67, 2}, {72, 6}};
const Voice kWaltzBass = {{48, 6}, {53, 6}, {50, 6}, {43, 6}, {48, 6}, {43, 6}, {48, 6}};
const Voice kMorningTune = {{67, 1}, {69, 1}, {72, 2}, {74, 1}, {72, 1}, {69, 2}, {67, 1},
                            {64, 1}, {67, 2}, {69, 4}, {72, 1}, {74, 1}, {76, 2}, {74, 1},
                            {72, 1}, {69, 2}, {67, 1}, {69, 1}, {72, 2}, {72, 4}};
const Voice kLullaby = {{76, 2}, {79, 1}, {76, 1}, {74, 2}, {72, 2}, {74, 2}, {76, 2}, {74, 4},
                        {76, 2}, {79, 1}, {76, 1}, {74, 2}, {72, 2}, {71, 2}, {74, 2}, {72, 4}};
const Voice kMarchMelody = {{72, 1}, {72, 1}, {67, 2}, {72, 2}, {76, 2}, {79, 4}, {76, 2}, {72, 2},
                            {74, 1}, {74, 1}, {71, 2}, {74, 2}, {77, 2}, {76, 4}, {72, 4}};
const Voice kMarchBass = {{48, 2}, {43, 2}, {48, 2}, {43, 2}, {48, 2}, {43, 2}, {48, 2}, {52, 2},
                          {43, 2}, {50, 2}, {43, 2}, {50, 2}, {48, 2}, {43, 2}, {48, 4}};
const Voice kScale = {{60, 1}, {62, 1}, {64, 1}, {65, 1}, {67, 1}, {69, 1}, {71, 1}, {72, 2},
                      {71, 1}, {69, 1}, {67, 1}, {65, 1}, {64, 1}, {62, 1}, {60, 4}};

double KeyFrequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

// ---- Synthesised sound and WAV files ----

constexpr int kSampleRate = 22050;
constexpr int kBytesPerSample = 2;  // 16-bit mono
constexpr double kFullScale = 32767.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

int Samples(double seconds) { return static_cast<int>(seconds * kSampleRate); }

double SecondsAt(int sample) { return static_cast<double>(sample) / kSampleRate; }

// A plucked tone: a quick attack, an exponential decay and a short fade at the end.
double ToneEnvelope(double time, double length) {
  constexpr double kAttack = 0.01, kDecayRate = 3.0, kRelease = 0.03;
  const double attack = std::min(1.0, time / kAttack);
  const double release = std::clamp((length - time) / kRelease, 0.0, 1.0);
  return attack * std::exp(-kDecayRate * time) * release;
}

// A sine with a little of its second and third harmonics, for a softer, rounder timbre.
double Timbre(double phase) {
  return std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
}

void AddTone(Signal& mix, int start, double length, double frequency, double loudness) {
  const int count = Samples(length);
  if (mix.size() < static_cast<size_t>(start + count)) mix.resize(start + count);
  for (int sample = 0; sample < count; ++sample) {
    const double time = SecondsAt(sample);
    mix[start + sample] +=
        loudness * ToneEnvelope(time, length) * Timbre(kTwoPi * frequency * time);
  }
}

void AddVoice(Signal& mix, const Voice& voice, double eighthSeconds, double loudness) {
  int start = 0;
  for (const Note& note : voice) {
    const double length = note.eighths * eighthSeconds;
    if (note.key != kRest) AddTone(mix, start, length, KeyFrequency(note.key), loudness);
    start += Samples(length);
  }
}

Signal RenderTune(const std::vector<Voice>& voices, double eighthSeconds) {
  Signal mix;
  for (const Voice& voice : voices) AddVoice(mix, voice, eighthSeconds, 0.35);
  return mix;
}

// A spring: the pitch falls from high to low while it wobbles, and the wobble dies away.
Signal Boing() {
  Signal out(Samples(1.2));
  double phase = 0;
  for (size_t sample = 0; sample < out.size(); ++sample) {
    const double time = SecondsAt(static_cast<int>(sample));
    const double wobble = 1 + 0.25 * std::exp(-3 * time) * std::sin(kTwoPi * 7 * time);
    phase += kTwoPi * (90 + 400 * std::exp(-5 * time)) * wobble / kSampleRate;
    out[sample] = 0.7 * std::exp(-2.5 * time) * std::min(1.0, time / 0.005) * std::sin(phase);
  }
  return out;
}

// A bell struck twice: inharmonic partials that ring out at different speeds.
Signal Bell() {
  constexpr std::array<double, 3> kPartials = {1.0, 2.76, 5.4};
  Signal out(Samples(2.0));
  for (int strike : {0, Samples(0.6)}) {
    for (size_t sample = strike; sample < out.size(); ++sample) {
      const double time = SecondsAt(static_cast<int>(sample) - strike);
      for (size_t partial = 0; partial < kPartials.size(); ++partial) {
        const double decay = std::exp(-(2.0 + 2.0 * partial) * time);
        out[sample] +=
            0.2 / (partial + 1) * decay * std::sin(kTwoPi * 880 * kPartials[partial] * time);
      }
    }
  }
  return out;
}

// A cuckoo clock: a falling major third, twice.
Signal Cuckoo() { return RenderTune({{{76, 2}, {72, 3}, {kRest, 1}, {76, 2}, {72, 3}}}, 0.15); }

Bytes WavFile(const Signal& signal) {
  Bytes format;
  PutLe16(format, 1);  // PCM
  PutLe16(format, 1);  // mono
  PutLe32(format, kSampleRate);
  PutLe32(format, kSampleRate * kBytesPerSample);
  PutLe16(format, kBytesPerSample);
  PutLe16(format, kBytesPerSample * 8);
  Bytes data;
  for (double value : signal) {
    const double clipped = std::clamp(value, -1.0, 1.0);
    PutLe16(data, static_cast<std::uint16_t>(
                      static_cast<std::int16_t>(std::lround(clipped * kFullScale))));
  }
  return RiffList("RIFF", "WAVE", {RiffChunk("fmt ", format), RiffChunk("data", data)});
}

// ---- Standard MIDI files ----

constexpr int kTicksPerEighth = 48;
constexpr int kTicksPerQuarter = 2 * kTicksPerEighth;
constexpr int kNoteGapTicks = 4;  // a breath between notes so repeated keys sound twice
constexpr std::uint8_t kVelocity = 90;

struct MidiEvent {
  std::uint32_t tick;
  Bytes message;
};

void PutVariableLength(Bytes& out, std::uint32_t value) {
  Bytes groups = {static_cast<std::uint8_t>(value & 0x7F)};
  for (value >>= 7; value != 0; value >>= 7) {
    groups.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
  }
  out.insert(out.end(), groups.rbegin(), groups.rend());
}

MidiEvent TempoEvent(int beatsPerMinute) {
  Bytes message = {0xFF, 0x51, 0x03};
  const std::uint32_t microsecondsPerBeat = 60 * kMicrosecondsPerSecond / beatsPerMinute;
  for (int shift : {16, 8, 0}) message.push_back((microsecondsPerBeat >> shift) & 0xFF);
  return {0, message};
}

MidiEvent NameEvent(std::string_view name) {
  Bytes message = {0xFF, 0x03};
  PutVariableLength(message, static_cast<std::uint32_t>(name.size()));
  PutText(message, name);
  return {0, message};
}

std::vector<MidiEvent> VoiceEvents(const Voice& voice, int channel, int instrument) {
  const auto status = [channel](int kind) { return static_cast<std::uint8_t>(kind | channel); };
  std::vector<MidiEvent> events = {{0, {status(0xC0), static_cast<std::uint8_t>(instrument)}}};
  std::uint32_t tick = 0;
  for (const Note& note : voice) {
    const std::uint32_t length = note.eighths * kTicksPerEighth;
    if (note.key != kRest) {
      const auto key = static_cast<std::uint8_t>(note.key);
      events.push_back({tick, {status(0x90), key, kVelocity}});
      events.push_back({tick + length - kNoteGapTicks, {status(0x80), key, 0}});
    }
    tick += length;
  }
  return events;
}

Bytes MidiTrack(std::vector<MidiEvent> events) {
  std::stable_sort(events.begin(), events.end(),
                   [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
  Bytes out;
  std::uint32_t tick = 0;
  for (const MidiEvent& event : events) {
    PutVariableLength(out, event.tick - tick);
    Append(out, event.message);
    tick = event.tick;
  }
  out.insert(out.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
  return out;
}

// Format 0 for a single track, format 1 (tracks played together) for more.
Bytes MidiFile(const std::vector<Bytes>& tracks) {
  Bytes out = {'M', 'T', 'h', 'd'};
  PutBe32(out, 6);
  PutBe16(out, tracks.size() == 1 ? 0 : 1);
  PutBe16(out, static_cast<std::uint32_t>(tracks.size()));
  PutBe16(out, kTicksPerQuarter);
  for (const Bytes& track : tracks) {
    PutText(out, "MTrk");
    PutBe32(out, static_cast<std::uint32_t>(track.size()));
    Append(out, track);
  }
  return out;
}

Bytes SingleVoiceMidi(std::string_view name, const Voice& voice, int instrument, int tempo) {
  std::vector<MidiEvent> events = {NameEvent(name), TempoEvent(tempo)};
  for (MidiEvent& event : VoiceEvents(voice, 0, instrument)) events.push_back(std::move(event));
  return MidiFile({MidiTrack(events)});
}

Bytes MarchMidi() {
  constexpr int kTrumpet = 56, kTuba = 58;
  const Bytes conductor = MidiTrack({NameEvent("Little March"), TempoEvent(112)});
  return MidiFile({conductor, MidiTrack(VoiceEvents(kMarchMelody, 0, kTrumpet)),
                   MidiTrack(VoiceEvents(kMarchBass, 1, kTuba))});
}

// ---- The disc ----

struct Document {
  std::string name;  // UTF-8, relative to the disc folder
  std::function<Bytes()> make;
};

Bytes EpisodeVideo(int episode) {
  return AviFile([episode](int frame) { return EpisodeFrame(episode, frame); });
}

Bytes ClipVideo(std::string_view number, Colour background) {
  return AviFile([=](int frame) { return ClipFrame(number, background, frame); });
}

std::vector<Document> Episodes() {
  std::vector<Document> documents;
  using namespace app::documents;
  for (int episode = 1; episode <= kEpisodeCount; ++episode) {
    std::string name{kEpisodePrefix};
    name += std::to_string(episode);
    name += kEpisodeSuffix;
    documents.push_back({name, [episode] { return EpisodeVideo(episode); }});
  }
  documents.push_back({std::string(kTrailer), [] { return AviFile(TrailerFrame); }});
  return documents;
}

std::vector<Document> MediaSamples() {
  constexpr int kMusicBox = 10, kPiano = 0;
  return {
      {"Audio Music/Весенний вальс.wav",
       [] {
         return WavFile(RenderTune({kWaltzMelody, kWaltzBass}, 0.2));
       }},
      {"Audio Music/Morning Tune.wav", [] { return WavFile(RenderTune({kMorningTune}, 0.18)); }},
      {"Audio Midi/Колыбельная.mid",
       [] { return SingleVoiceMidi("Lullaby", kLullaby, kMusicBox, 80); }},
      {"Audio Midi/Little March.mid", MarchMidi},
      {"Audio Midi/Гамма до мажор.mid",
       [] { return SingleVoiceMidi("Scale", kScale, kPiano, 120); }},
      {"Audio Humor/Boing.wav", [] { return WavFile(Boing()); }},
      {"Audio Humor/Звонок.wav", [] { return WavFile(Bell()); }},
      {"Audio Humor/Ку-ку.wav", [] { return WavFile(Cuckoo()); }},
      {"Video/клип 2.avi",
       [] {
         return ClipVideo("2", {20, 110, 120});
       }},
      {"Video/клип 10.avi",
       [] {
         return ClipVideo("10", {120, 40, 110});
       }},
  };
}

std::filesystem::path FromUtf8(const std::string& name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::vector<WrittenFile> WriteDisc(const std::filesystem::path& folder) {
  std::vector<Document> documents = Episodes();
  for (Document& sample : MediaSamples()) documents.push_back(std::move(sample));
  std::vector<WrittenFile> written;
  for (const Document& document : documents) {
    const Bytes bytes = document.make();
    const std::filesystem::path path = folder / FromUtf8(document.name);
    WriteFile(path, bytes);
    written.push_back({path, bytes.size()});
  }
  return written;
}

}  // namespace disc
