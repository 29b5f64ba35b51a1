// A simulated optical drive for the cold-start benchmark: a small FUSE file
// system that serves a disc folder read-only and records every read the
// kernel makes of its files. The drive's clock is a model applied to those
// reads afterwards, so that one trace gives the time on any drive.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace bench {

struct DriveRead {
  std::string file;  // as the mount names it: "/start"
  uint64_t offset = 0, size = 0;
};

// A read that does not continue the one before it pays a seek; every byte
// comes at the drive's rate.
struct DriveModel {
  const char* name;
  double seekSeconds;
  double bytesPerSecond;
};
constexpr DriveModel kCd{"CD", 0.080, 7e6};     // 48x
constexpr DriveModel kDvd{"DVD", 0.100, 20e6};  // 16x

bool IsSeek(const DriveRead& read, const DriveRead* before);
double DriveSeconds(const DriveModel& drive, const std::vector<DriveRead>& reads);
// The least any start can cost: one seek, then the whole file in one pass.
double FloorSeconds(const DriveModel& drive, uint64_t fileBytes);

// Mounted for its lifetime. Each drive is a fresh mount, so the kernel's
// cache holds nothing of the disc's files when it starts.
class OpticalDrive {
 public:
  OpticalDrive(const std::filesystem::path& disc, const std::filesystem::path& mountPoint);
  ~OpticalDrive();
  OpticalDrive(const OpticalDrive&) = delete;
  OpticalDrive& operator=(const OpticalDrive&) = delete;

  // Empty when it could not be mounted.
  const std::string& error() const;
  // Every read so far, in the order the drive served them.
  std::vector<DriveRead> Reads() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace bench
