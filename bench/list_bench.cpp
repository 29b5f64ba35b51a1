// The media list on the real window: how long the window is busy from the
// moment a folder is asked for until the list is on screen, for folders of
// 10,000 and 100,000 small files.
#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/form1_design.h"
#include "bench/stats.h"
#include "host/fltk/application.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Case {
  int files;
  int runs;
  double goalMilliseconds;
  const char* goal;
};

constexpr Case kCases[] = {
    {10'000, 5, 100, "under 100 ms"},
    {100'000, 3, 1000, "never freezing the window more than 1 s"},
};
constexpr int kCyrillicEvery = 7;  // a share of the names is Cyrillic
constexpr char kContent[] = "ID3";

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string FileName(int number) {
  const char* stem = number % kCyrillicEvery == 0 ? "дорожка " : "track ";
  return stem + std::to_string(number) + ".mp3";
}

fs::path MakeFolder(const char* stem) {
  std::string pattern = (fs::temp_directory_path() / stem).string() + "-XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

void FillFolder(const fs::path& folder, int files) {
  for (int number = 1; number <= files; ++number) {
    const int fd = open((folder / FileName(number)).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) continue;
    [[maybe_unused]] const ssize_t written = write(fd, kContent, sizeof kContent - 1);
    close(fd);
  }
}

// Until everything asked of the window has reached the screen.
void Show() {
  Fl::flush();
  XSync(fl_display, False);
}

class ListBench {
 public:
  explicit ListBench(host::fltk::FormWindow& form)
      : list_(form.fileListBox(app::names::kList1)),
        frame_(form.pictureBox(app::names::kFrameList)) {}

  // The list closed and empty: how the menu is before a folder is opened.
  void Reset(const fs::path& empty) {
    frame_.setVisible(false);
    list_.setPath(empty.string());
    Show();
  }

  double OpenFolder(const fs::path& folder) {
    const auto start = Clock::now();
    list_.setPath(folder.string());
    frame_.setVisible(true);
    Show();
    return MillisecondsSince(start);
  }

 private:
  host::FileListBox& list_;
  host::PictureBox& frame_;
};

void RunCase(ListBench& bench, const Case& test, const fs::path& empty) {
  const fs::path folder = MakeFolder("zorvanta-list");
  FillFolder(folder, test.files);
  std::vector<double> times;
  for (int run = 0; run < test.runs; ++run) {
    bench.Reset(empty);
    times.push_back(bench.OpenFolder(folder));
  }
  // The goal holds for every run: a user sees the slowest one too.
  const double worst = bench::Worst(times);
  std::printf("  %7d files %8.1f ms (slowest %.1f ms)   goal %s: %s\n", test.files,
              bench::Median(times), worst, test.goal,
              worst < test.goalMilliseconds ? "met" : "NOT met");
  std::error_code error;
  fs::remove_all(folder, error);
}

}  // namespace

int main() {
  if (!host::fltk::OpenDisplay()) return 0;
  host::fltk::Application application;
  host::fltk::FormWindow& form = application.CreateForm(app::Form1Design());
  form.ShowCentred();
  // Nothing is drawn until the server has exposed the window.
  form.wait_for_expose();
  Show();

  const fs::path empty = MakeFolder("zorvanta-empty");
  ListBench bench(form);
  std::printf("Media list: setPath, show the list, until drawn on screen; median of a few runs\n");
  for (const Case& test : kCases) RunCase(bench, test, empty);
  std::error_code error;
  fs::remove_all(empty, error);
  return 0;
}
