#define FUSE_USE_VERSION 35
#include "bench/optical_drive.h"

#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

namespace bench {

struct OpticalDrive::State {
  std::filesystem::path disc;
  std::string error;
  fuse* session = nullptr;
  std::thread loop;
  mutable std::mutex mutex;
  std::vector<DriveRead> reads;
};

namespace {

using State = OpticalDrive::State;

State& Drive() { return *static_cast<State*>(fuse_get_context()->private_data); }
std::string OnDisc(const char* path) { return (Drive().disc / (path + 1)).string(); }

void* Init(fuse_conn_info*, fuse_config* config) {
  // The disc never changes: what the kernel has read stays read, as on a
  // real drive, however often the program's file is opened again.
  config->kernel_cache = 1;
  config->entry_timeout = config->attr_timeout = config->negative_timeout = 3600;
  return fuse_get_context()->private_data;
}

int GetAttributes(const char* path, struct stat* status, fuse_file_info*) {
  if (lstat(OnDisc(path).c_str(), status) != 0) return -errno;
  status->st_mode &= ~0222;
  return 0;
}

int ReadFolder(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
               fuse_readdir_flags) {
  DIR* folder = opendir(OnDisc(path).c_str());
  if (!folder) return -errno;
  while (const dirent* entry = readdir(folder)) fill(buffer, entry->d_name, nullptr, 0, {});
  closedir(folder);
  return 0;
}

int Open(const char* path, fuse_file_info* file) {
  if ((file->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
  const int descriptor = open(OnDisc(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return -errno;
  file->fh = static_cast<uint64_t>(descriptor);
  file->keep_cache = 1;
  return 0;
}

int Read(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info* file) {
  const ssize_t got = pread(static_cast<int>(file->fh), buffer, size, offset);
  if (got < 0) return -errno;
  State& drive = Drive();
  const std::lock_guard lock(drive.mutex);
  drive.reads.push_back({path, static_cast<uint64_t>(offset), static_cast<uint64_t>(got)});
  return static_cast<int>(got);
}

int Release(const char*, fuse_file_info* file) { return close(static_cast<int>(file->fh)); }

const fuse_operations kOperations = [] {
  fuse_operations operations{};
  operations.init = Init;
  operations.getattr = GetAttributes;
  operations.readdir = ReadFolder;
  operations.open = Open;
  operations.read = Read;
  operations.release = Release;
  return operations;
}();

}  // namespace

bool IsSeek(const DriveRead& read, const DriveRead* before) {
  return !before || read.file != before->file || read.offset != before->offset + before->size;
}

double DriveSeconds(const DriveModel& drive, const std::vector<DriveRead>& reads) {
  double seconds = 0;
  for (size_t i = 0; i < reads.size(); ++i) {
    if (IsSeek(reads[i], i ? &reads[i - 1] : nullptr)) seconds += drive.seekSeconds;
    seconds += static_cast<double>(reads[i].size) / drive.bytesPerSecond;
  }
  return seconds;
}

double FloorSeconds(const DriveModel& drive, uint64_t fileBytes) {
  return drive.seekSeconds + static_cast<double>(fileBytes) / drive.bytesPerSecond;
}

OpticalDrive::OpticalDrive(const std::filesystem::path& disc,
                           const std::filesystem::path& mountPoint)
    : state_(std::make_unique<State>()) {
  state_->disc = disc;
  // One thread serves the reads, in the order the kernel asks for them.
  const char* arguments[] = {"optical_drive", "-o", "ro,fsname=optical_drive"};
  fuse_args args = FUSE_ARGS_INIT(3, const_cast<char**>(arguments));
  state_->session = fuse_new(&args, &kOperations, sizeof kOperations, state_.get());
  if (!state_->session) {
    state_->error = "the FUSE file system cannot be made";
    return;
  }
  if (fuse_mount(state_->session, mountPoint.c_str()) != 0) {
    state_->error =
        "cannot mount the drive on " + mountPoint.string() + " (needs root and /dev/fuse)";
    fuse_destroy(state_->session);
    state_->session = nullptr;
    return;
  }
  state_->loop = std::thread([session = state_->session] { fuse_loop(session); });
}

OpticalDrive::~OpticalDrive() {
  if (!state_->session) return;
  // Unmounting ends the connection, and with it the loop.
  fuse_exit(state_->session);
  fuse_unmount(state_->session);
  state_->loop.join();
  fuse_destroy(state_->session);
}

const std::string& OpticalDrive::error() const { return state_->error; }

std::vector<DriveRead> OpticalDrive::Reads() const {
  const std::lock_guard lock(state_->mutex);
  return state_->reads;
}

}  // namespace bench
