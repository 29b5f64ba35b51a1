// Start-up of the menu beside a bare window: the time from exec until the
// top-level window is mapped, and the peak memory of the process. Then the
// time until its picture shows at each display scale from 1 to 3, the desktop
// asking for it as desktops do: Linux by Xft.dpi among the X resources,
// Windows (Wine) by the LogPixels of the prefix.
// The menu runs from a copy of the demo disc, as a user would run it. Given a
// runner (Wine), it is start.exe beside the bare Win32 window that is measured.
//
//   startup_bench DISC_FOLDER BARE_WINDOW_PROGRAM [RUNS [RUNNER]]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/form1_design.h"
#include "bench/bare_window.h"
#include "bench/stats.h"
#include "bench/window_watch.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 15;
// After mapping, the first paint: part of what start-up costs in memory.
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr double kTimeGoal = 1.10;    // start within 10 % of the bare window
constexpr double kMemoryGoal = 1.15;  // and within 15 % in memory
// Each is read whole from the disc at a cold start (bench/cold_start_bench).
constexpr std::uintmax_t kFileGoal = 1'200'000;
constexpr std::uintmax_t kWindowsFileGoal = 680'000;
constexpr double kScaleGoal = 1.5;  // the picture at any scale within 1.5 times scale 1
// The desktop's dots per inch at scales 1, 1.25, 1.5, 1.75, 2, 2.5 and 3.
constexpr int kScaleDpis[] = {96, 120, 144, 168, 192, 240, 288};

struct Program {
  std::string label;
  fs::path file;
  std::string title;
  std::string runner;  // empty: the system runs the file itself
};

struct Sample {
  double milliseconds = 0;
  long peakKib = 0;  // ru_maxrss is in kibibytes
  double pictureMilliseconds = 0;
};

std::optional<Sample> RunOnce(Display* display, const Program& program,
                              const bench::PictureSpots* picture = nullptr) {
  bench::Drain(display);
  const auto started = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    unsetenv("GDK_SCALE");  // the desktop's DPI alone says the scale
    if (program.runner.empty())
      execl(program.file.c_str(), program.file.c_str(), static_cast<char*>(nullptr));
    else
      execl(program.runner.c_str(), program.runner.c_str(), program.file.c_str(),
            static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child < 0) return std::nullopt;
  const Window window = bench::AwaitMap(display, program.title, child);
  const bool mapped = window != 0;
  const auto shown = Clock::now();
  const bool painted = mapped && picture && bench::AwaitPicture(display, window, *picture);
  const auto pictured = Clock::now();
  if (mapped) std::this_thread::sleep_for(kSettle);
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!mapped || (picture && !painted)) return std::nullopt;
  return Sample{std::chrono::duration<double, std::milli>(shown - started).count(), usage.ru_maxrss,
                std::chrono::duration<double, std::milli>(pictured - started).count()};
}

struct Figures {
  std::vector<double> milliseconds;
  std::vector<long> peakKib;
  std::vector<double> pictureMilliseconds;
  int failures = 0;

  void Add(const std::optional<Sample>& sample) {
    if (!sample) {
      ++failures;
      return;
    }
    milliseconds.push_back(sample->milliseconds);
    peakKib.push_back(sample->peakKib);
    pictureMilliseconds.push_back(sample->pictureMilliseconds);
  }
};

const char* Verdict(bool met) { return met ? "met" : "NOT met"; }

void PrintRow(const Program& program, const Figures& figures) {
  const auto& time = figures.milliseconds;
  const auto& memory = figures.peakKib;
  std::printf("  %-12s %6.1f ms [%.1f-%.1f] %8ld KiB [%ld-%ld]", program.label.c_str(),
              bench::Median(time), bench::Quantile(time, 0.25), bench::Quantile(time, 0.75),
              bench::Median(memory), bench::Quantile(memory, 0.25), bench::Quantile(memory, 0.75));
  if (figures.failures) std::printf("   (%d runs showed no window)", figures.failures);
  std::printf("\n");
}

void PrintComparison(const Figures& start, const Figures& bare, const Program& program) {
  const double time = bench::Median(start.milliseconds) / bench::Median(bare.milliseconds);
  const double memory = static_cast<double>(bench::Median(start.peakKib)) /
                        static_cast<double>(bench::Median(bare.peakKib));
  std::printf("  start / bare  time %.3f (goal <= %.2f: %s)   memory %.3f (goal <= %.2f: %s)\n",
              time, kTimeGoal, Verdict(time <= kTimeGoal), memory, kMemoryGoal,
              Verdict(memory <= kMemoryGoal));
  const std::uintmax_t size = fs::file_size(program.file);
  const std::uintmax_t goal = program.runner.empty() ? kFileGoal : kWindowsFileGoal;
  std::printf("  start file    %ju bytes (goal <= %ju: %s)\n", size, goal, Verdict(size <= goal));
}

// The DPI the desktop asks programs started from now on to take.
void SetDesktopDpi(Display* display, const Program& program, int dpi) {
  if (program.runner.empty()) {
    // What xrdb -merge does: the resources on the root window.
    const std::string resources = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XSync(display, False);
    return;
  }
  const std::string command =
      program.runner + " reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d " +
      std::to_string(dpi) + " /f >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0)
    std::fprintf(stderr, "startup_bench: %s failed\n", command.c_str());
}

// The menu at each display scale, all scales in turn for each round.
void CompareScales(Display* display, const Program& start, int runs) {
  const bench::PictureSpots picture;
  std::vector<Figures> figures(std::size(kScaleDpis));
  for (int i = 0; i < runs; ++i)
    for (size_t scale = 0; scale < figures.size(); ++scale) {
      SetDesktopDpi(display, start, kScaleDpis[scale]);
      figures[scale].Add(RunOnce(display, start, &picture));
    }
  SetDesktopDpi(display, start, kScaleDpis[0]);
  std::printf(
      "\nFirst picture: exec until the picture shows in the middle and near the bottom, by the "
      "desktop's DPI; median of %d runs\n",
      runs);
  const auto& plain = figures[0].pictureMilliseconds;
  for (size_t scale = 0; scale < figures.size(); ++scale) {
    const auto& time = figures[scale].pictureMilliseconds;
    std::printf("  %3d dpi (%.2f) %6.1f ms [%.1f-%.1f]", kScaleDpis[scale],
                kScaleDpis[scale] / 96.0, bench::Median(time), bench::Quantile(time, 0.25),
                bench::Quantile(time, 0.75));
    if (scale > 0 && !time.empty() && !plain.empty()) {
      const double ratio = bench::Median(time) / bench::Median(plain);
      std::printf("   / scale 1: %.3f (goal <= %.2f: %s)", ratio, kScaleGoal,
                  Verdict(ratio <= kScaleGoal));
    }
    if (figures[scale].failures)
      std::printf("   (%d runs showed no picture)", figures[scale].failures);
    std::printf("\n");
  }
}

// The disc as shipped, in a folder of its own, so that it is the real thing.
fs::path CopyOfDisc(const fs::path& disc) {
  std::string pattern = (fs::temp_directory_path() / "zorvanta-disc-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  const fs::path copy = pattern;
  std::error_code error;
  fs::copy(disc, copy, fs::copy_options::recursive, error);
  if (error || !fs::exists(copy / "start")) {
    fs::remove_all(copy, error);
    return {};
  }
  return copy;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s DISC_FOLDER BARE_WINDOW_PROGRAM [RUNS [RUNNER]]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup_bench: no X display\n");
    return 0;
  }
  XSetErrorHandler(bench::IgnoreXErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  const fs::path disc = CopyOfDisc(argv[1]);
  if (disc.empty()) {
    std::fprintf(stderr, "startup_bench: cannot copy the disc %s\n", argv[1]);
    return 0;
  }
  const std::string runner = argc > 4 ? argv[4] : "";
  const Program start{runner.empty() ? "start" : "start.exe",
                      disc / (runner.empty() ? "start" : "start.exe"),
                      std::string(app::Form1Design().caption), runner};
  const Program bare{"bare window", argv[2],
                     runner.empty() ? bench::kBareWindowTitle : bench::kBareWin32WindowTitle,
                     runner};

  RunOnce(display, start);  // warm-up: files into the cache
  RunOnce(display, bare);
  Figures startFigures, bareFigures;
  for (int i = 0; i < runs; ++i) {
    // Taking turns, so that a disturbance of the machine falls on both.
    startFigures.Add(RunOnce(display, start));
    bareFigures.Add(RunOnce(display, bare));
  }

  std::printf(
      "Start-up: exec until the window is mapped, and peak RSS; median of %d runs [middle "
      "half]\n",
      runs);
  PrintRow(start, startFigures);
  PrintRow(bare, bareFigures);
  if (!startFigures.milliseconds.empty() && !bareFigures.milliseconds.empty())
    PrintComparison(startFigures, bareFigures, start);
  CompareScales(display, start, runs);
  std::error_code error;
  fs::remove_all(disc, error);
  XCloseDisplay(display);
  return 0;
}
