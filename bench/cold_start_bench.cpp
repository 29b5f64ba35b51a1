// A cold start from the disc: each program started from a simulated optical
// drive (bench/optical_drive.h) with nothing of the disc in the kernel's
// cache, its reads counted until the window shows its picture, and the
// drive's time modelled from them for a CD and a DVD. start.exe's paging
// under Wine is nothing like Windows', so of it only its size and whether
// Windows copies it from the disc in one read before it runs are told.
//
//   cold_start_bench DISC_FOLDER RUNS [LABEL PROGRAM]...
// The disc's own start is measured first; each PROGRAM after it is started
// as the start of a disc that holds only itself.
#include <X11/Xlib.h>
#include <elf.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_design.h"
#include "bench/optical_drive.h"
#include "bench/stats.h"
#include "bench/window_watch.h"

namespace {

namespace fs = std::filesystem;
using bench::DriveRead;

constexpr double kTimeGoal = 0.5;          // seconds on either drive
constexpr uint16_t kRunFromSwap = 0x0C00;  // from removable media (0x400), from the network (0x800)
const bench::DriveModel kDrives[] = {bench::kCd, bench::kDvd};

struct Program {
  std::string label;
  fs::path disc;  // holds it as "start"
};

struct Run {
  std::vector<DriveRead> reads;  // until the picture showed
  uint64_t bytes = 0;
  int seeks = 0;
  double seconds[2] = {};  // on each drive
};

std::vector<uint8_t> FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The section of an ELF file that holds an offset, to tell what a seek was for.
class Sections {
 public:
  explicit Sections(const fs::path& file) : bytes_(FileBytes(file)) {
    if (bytes_.size() < sizeof(Elf64_Ehdr)) return;
    Elf64_Ehdr header;
    std::memcpy(&header, bytes_.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_shoff + uint64_t{header.e_shnum} * sizeof(Elf64_Shdr) > bytes_.size() ||
        header.e_shstrndx >= header.e_shnum)
      return;
    sections_.resize(header.e_shnum);
    std::memcpy(sections_.data(), bytes_.data() + header.e_shoff,
                sections_.size() * sizeof(Elf64_Shdr));
    names_ = sections_[header.e_shstrndx].sh_offset;
  }

  std::string At(uint64_t offset) const {
    if (offset < sizeof(Elf64_Ehdr)) return "the file header";
    for (const Elf64_Shdr& section : sections_)
      if (section.sh_type != SHT_NOBITS && section.sh_size && offset >= section.sh_offset &&
          offset < section.sh_offset + section.sh_size && names_ + section.sh_name < bytes_.size())
        return reinterpret_cast<const char*>(&bytes_[names_ + section.sh_name]);
    return "between sections";
  }

 private:
  std::vector<uint8_t> bytes_;
  std::vector<Elf64_Shdr> sections_;
  uint64_t names_ = 0;
};

// Mounts made here vanish with the process, even one that is killed.
void PrivateMounts() {
  if (unshare(CLONE_NEWNS) == 0) mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}

std::optional<Run> RunOnce(Display* display, const Program& program, const fs::path& mountPoint,
                           const bench::PictureSpots& picture, std::string& error) {
  const bench::OpticalDrive drive(program.disc, mountPoint);
  if (!drive.error().empty()) {
    error = drive.error();
    return std::nullopt;
  }
  bench::Drain(display);
  const fs::path start = mountPoint / "start";
  const pid_t child = fork();
  if (child == 0) {
    unsetenv("GDK_SCALE");
    execl(start.c_str(), start.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child < 0) return std::nullopt;
  const Window window = bench::AwaitMap(display, std::string(app::Form1Design().caption), child);
  const bool shown = window && bench::AwaitPicture(display, window, picture);
  Run run;
  run.reads = drive.Reads();
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  if (!shown) return std::nullopt;
  for (size_t i = 0; i < run.reads.size(); ++i) {
    run.bytes += run.reads[i].size;
    run.seeks += bench::IsSeek(run.reads[i], i ? &run.reads[i - 1] : nullptr);
  }
  for (size_t d = 0; d < std::size(kDrives); ++d)
    run.seconds[d] = bench::DriveSeconds(kDrives[d], run.reads);
  return run;
}

const char* Verdict(bool met) { return met ? "met" : "NOT met"; }

// Each seek's offset, the part of the file it lies in, and how much was read
// from there on before the next seek.
void PrintSeeks(const Run& run, const Sections& sections) {
  for (size_t i = 0; i < run.reads.size(); ++i) {
    if (!bench::IsSeek(run.reads[i], i ? &run.reads[i - 1] : nullptr)) continue;
    uint64_t bytes = 0;
    for (size_t j = i;
         j < run.reads.size() && (j == i || !bench::IsSeek(run.reads[j], &run.reads[j - 1])); ++j)
      bytes += run.reads[j].size;
    std::printf("      at %9ju  %-18s then %7ju bytes\n",
                static_cast<uintmax_t>(run.reads[i].offset),
                sections.At(run.reads[i].offset).c_str(), static_cast<uintmax_t>(bytes));
  }
}

void Measure(Display* display, const Program& program, int runs, const fs::path& mountPoint) {
  const bench::PictureSpots picture;
  std::vector<Run> done;
  std::string error;
  for (int i = 0; i < runs; ++i)
    if (auto run = RunOnce(display, program, mountPoint, picture, error)) done.push_back(*run);
  const uintmax_t size = fs::file_size(program.disc / "start");
  std::printf("\n  %s: %ju bytes", program.label.c_str(), size);
  if (done.empty()) {
    std::printf(", no run showed the picture%s%s\n", error.empty() ? "" : ": ", error.c_str());
    return;
  }
  std::printf("; median of %zu runs", done.size());
  if (done.size() < static_cast<size_t>(runs))
    std::printf(" (%zu showed no picture)", runs - done.size());
  std::printf("\n");
  std::sort(done.begin(), done.end(),
            [](const Run& a, const Run& b) { return a.seconds[0] < b.seconds[0]; });
  const Run& median = done[done.size() / 2];
  std::printf("    read     %ju bytes in %zu reads, %d of them seeks [%d-%d]\n",
              static_cast<uintmax_t>(median.bytes), median.reads.size(), median.seeks,
              done.front().seeks, done.back().seeks);
  for (size_t d = 0; d < std::size(kDrives); ++d) {
    std::vector<double> seconds;
    for (const Run& run : done) seconds.push_back(run.seconds[d]);
    std::printf("    %-4s     %.2f s [%.2f-%.2f], floor %.2f s (goal <= %.2f s: %s)\n",
                kDrives[d].name, bench::Median(seconds), bench::Quantile(seconds, 0),
                bench::Quantile(seconds, 1), bench::FloorSeconds(kDrives[d], size), kTimeGoal,
                Verdict(bench::Median(seconds) <= kTimeGoal));
  }
  std::printf("    seeks of the median run:\n");
  PrintSeeks(median, Sections(program.disc / "start"));
}

// Whether the header asks Windows to run the program from the swap file
// when it lies on removable or network media; nullopt if no PE file.
std::optional<bool> RunsFromSwap(const fs::path& file) {
  const std::vector<uint8_t> bytes = FileBytes(file);
  if (bytes.size() < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z') return std::nullopt;
  uint32_t pe = 0;
  std::memcpy(&pe, &bytes[0x3C], 4);
  if (uint64_t{pe} + 24 > bytes.size() || std::memcmp(&bytes[pe], "PE\0\0", 4) != 0)
    return std::nullopt;
  const uint16_t characteristics = static_cast<uint16_t>(bytes[pe + 22] | bytes[pe + 23] << 8);
  return (characteristics & kRunFromSwap) == kRunFromSwap;
}

void TellWindowsProgram(const fs::path& file) {
  if (!fs::exists(file)) return;
  const uintmax_t size = fs::file_size(file);
  const std::optional<bool> marked = RunsFromSwap(file);
  std::printf(
      "\n  start.exe: %ju bytes; copied whole from removable and network media before it runs: "
      "%s\n",
      size,
      !marked   ? "not a Windows program"
      : *marked ? "yes"
                : "NO");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: %s DISC_FOLDER RUNS [LABEL PROGRAM]...\n", argv[0]);
    return 2;
  }
  const fs::path disc = argv[1];
  const int runs = std::max(1, std::atoi(argv[2]));
  std::printf(
      "Cold start from a simulated optical drive: exec until the window shows its picture\n"
      "  Each run mounts the drive afresh (FUSE), so the kernel's cache holds none of the disc's\n"
      "  files; the system's libraries stay cached, as on a running desktop. The drive's time is\n"
      "  modelled from the reads made before the picture showed: a read that does not continue\n"
      "  the one before pays a seek. CD: %.0f ms a seek, %.0f MB/s. DVD: %.0f ms, %.0f MB/s.\n"
      "  The floor is one seek and the whole file read once.\n",
      bench::kCd.seekSeconds * 1000, bench::kCd.bytesPerSecond / 1e6,
      bench::kDvd.seekSeconds * 1000, bench::kDvd.bytesPerSecond / 1e6);
  if (geteuid() != 0 || access("/dev/fuse", R_OK | W_OK) != 0) {
    std::printf("  skipped: mounting the drive needs root and /dev/fuse\n");
    return 0;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cold_start_bench: no X display\n");
    return 0;
  }
  XSetErrorHandler(bench::IgnoreXErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  PrivateMounts();

  std::string scratch = (fs::temp_directory_path() / "zorvanta-drive-XXXXXX").string();
  if (!mkdtemp(scratch.data())) return 0;
  const fs::path mountPoint = fs::path(scratch) / "mount";
  fs::create_directory(mountPoint);
  Measure(display, {"start (the disc's)", disc}, runs, mountPoint);
  for (int i = 3; i + 1 < argc; i += 2) {
    const fs::path own = fs::path(scratch) / ("disc" + std::to_string(i));
    fs::create_directory(own);
    fs::copy_file(argv[i + 1], own / "start");
    Measure(display, {argv[i], own}, runs, mountPoint);
  }
  TellWindowsProgram(disc / "start.exe");
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
  XCloseDisplay(display);
  return 0;
}
