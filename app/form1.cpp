#include "app/form1.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/disc_documents.h"
#include "app/form1_design.h"
#include "host/numbers.h"
#include "toolkit/decoration.h"
#include "toolkit/drag.h"
#include "toolkit/shell.h"

namespace app {

namespace {

constexpr std::string_view kSeparator = "\\";
constexpr std::string_view kNoParameters = "";
constexpr std::string_view kFolderMissing = "Файл не найден";

// The window's frame, painted once at load.
constexpr int16_t kBorderWidth = 5;
constexpr host::Color kBaseColor = 0x2020D0;
constexpr bool kRoundCorners = true;
constexpr bool kPaintBackground = false;
constexpr bool kPlainBackground = true;
constexpr int16_t kRimWidth = 100;

struct MediaList {
  std::string_view folder;
  std::string_view title;
};

constexpr std::array<MediaList, 4> kMediaLists = {{
    {"Audio Music", "Музыка MP3"},
    {"Audio Midi", "Музыка Midi"},
    {"Audio Humor", "Аудио приколы"},
    {"Video", "Видео клипы"},
}};

std::string EpisodeFile(int16_t episode) {
  std::string name{documents::kEpisodePrefix};
  name += std::to_string(episode);
  name += documents::kEpisodeSuffix;
  return name;
}

std::string BesideProgram(std::string_view name) {
  std::string path = host::runtime().AppPath();
  path += kSeparator;
  path += name;
  return path;
}

}  // namespace

// ---- Routing ----

void Form1::Load() { Form_Load(); }

void Form1::KeyDown(int16_t keyCode, int16_t shift) { Form_KeyDown(keyCode, shift); }

void Form1::MouseDown(int16_t button, int16_t shift, float x, float y) {
  Form_MouseDown(button, shift, x, y);
}

void Form1::MouseMove(int16_t button, int16_t shift, float x, float y) {
  Form_MouseMove(button, shift, x, y);
}

void Form1::MouseUp(int16_t button, int16_t shift, float x, float y) {
  Form_MouseUp(button, shift, x, y);
}

void Form1::Click(std::string_view control, std::optional<int16_t> index) {
  using namespace names;
  if (index) {
    if (control == kPartsButtons) return PartsButtons_Click(*index);
    if (control == kAnonsButtons) return AnonsButtons_Click(*index);
    if (control == kListsButtons) return ListsButtons_Click(*index);
    return;
  }
  if (control == kCloseButton) return CloseButton_Click();
  if (control == kQuorrelButtons) return QuorrelButtons_Click();
  if (control == kLabel2) return Label2_Click();
}

void Form1::DblClick(std::string_view control) {
  if (control == names::kList1) List1_DblClick();
}

// ---- The window ----

void Form1::Form_Load() {
  toolkit::DecorateWindow(window_, kBorderWidth, kBaseColor, kRoundCorners, kPaintBackground,
                          kPlainBackground, kRimWidth);
}

void Form1::Form_KeyDown(int16_t keyCode, int16_t /*shift*/) {
  if (keyCode == host::key::kEscape) List1CloseWindow();
}

void Form1::Form_MouseDown(int16_t button, int16_t shift, float x, float y) {
  List1CloseWindow();
  toolkit::DragBegin(button, shift, x, y, window_);
}

void Form1::Form_MouseMove(int16_t button, int16_t shift, float x, float y) {
  toolkit::DragMove(button, shift, x, y, window_, std::nullopt, true);
}

void Form1::Form_MouseUp(int16_t button, int16_t shift, float x, float y) {
  toolkit::DragEnd(button, shift, x, y, window_);
}

// ---- The hot areas ----

void Form1::PartsButtons_Click(int16_t index) {
  List1CloseWindow();
  const int16_t episode = host::CInt(static_cast<double>(index) + 1);
  toolkit::ShellOpen(BesideProgram(EpisodeFile(episode)), kNoParameters);
}

void Form1::AnonsButtons_Click(int16_t /*index*/) {
  List1CloseWindow();
  toolkit::ShellOpen(BesideProgram(documents::kTrailer), kNoParameters);
}

void Form1::QuorrelButtons_Click() { toolkit::ShellOpen(kMakerWebAddress, kNoParameters); }

void Form1::CloseButton_Click() {
  List1CloseWindow();
  host::runtime().End();
}

// ---- The media list panel ----

void Form1::ListsButtons_Click(int16_t index) {
  List1CloseWindow();
  if (index < 0 || index >= static_cast<int16_t>(kMediaLists.size())) return;
  const MediaList& list = kMediaLists[static_cast<size_t>(index)];
  startList(list.folder, list.title);
}

void Form1::startList(std::string_view path, std::string_view captionName) {
  window_.label(names::kLabel1).setCaption(captionName);
  try {
    window_.fileListBox(names::kList1).setPath(BesideProgram(path));
    window_.pictureBox(names::kFrameList).setVisible(true);
  } catch (const host::RuntimeError&) {
    toolkit::ShowMessage(kFolderMissing);
  }
}

void Form1::List1CloseWindow() { window_.pictureBox(names::kFrameList).setVisible(false); }

void Form1::Label2_Click() { List1CloseWindow(); }

void Form1::List1_DblClick() {
  host::FileListBox& list = window_.fileListBox(names::kList1);
  const std::string file = list.FileName();
  // With nothing selected the text would name the folder itself.
  if (file.empty()) return;
  std::string path = list.Path();
  path += kSeparator;
  path += file;
  toolkit::ShellOpen(path, kNoParameters);
}

// ---- What the disc must hold ----

std::vector<DiscEntry> DiscEntries() {
  std::vector<int16_t> episodes;
  for (const host::ControlDesign& control : Form1Controls()) {
    if (control.name == names::kPartsButtons && control.index)
      episodes.push_back(static_cast<int16_t>(*control.index + 1));
  }
  std::sort(episodes.begin(), episodes.end());
  std::vector<DiscEntry> entries;
  for (int16_t episode : episodes) entries.push_back({EpisodeFile(episode), false});
  entries.push_back({std::string(documents::kTrailer), false});
  for (const MediaList& list : kMediaLists) entries.push_back({std::string(list.folder), true});
  return entries;
}

}  // namespace app
