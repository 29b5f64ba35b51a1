#include "host/fltk/opener.h"

#include <FL/Fl.H>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "host/documents.h"
#include "host/host.h"
#include "host/messages.h"
#include "host/paths.h"

extern char** environ;

namespace host::fltk {

namespace {

constexpr std::string_view kOpen = "open";
constexpr const char* kOpener = "xdg-open";
constexpr intptr_t kShellDone = 42;  // above 32: the shell took it
constexpr intptr_t kShellFileNotFound = 2;
constexpr intptr_t kShellNoAssociation = 31;  // also the answer to an unknown verb
constexpr double kPollSeconds = 0.25;
// The opener's own failures come at once; later exits are the player's.
constexpr auto kOpenerVerdictWithin = std::chrono::seconds(10);

// xdg-open's exit statuses: 2 the file is missing, 3 no program for it,
// 4 the program failed; 127 nothing could be run.
std::string VerdictOf(int status, std::string_view document) {
  if (!WIFEXITED(status)) return {};
  switch (WEXITSTATUS(status)) {
    case 2:
      return std::string(kFileNotFoundMessage);
    case 3:
    case 4:
    case 127:
      return NoProgramText(document);
    default:
      return {};
  }
}

struct Opening {
  pid_t pid;
  std::chrono::steady_clock::time_point started;
  std::string document;  // as the user knows it: its file name or web address
};

std::string DocumentName(bool web, const std::string& target) {
  return web ? target : target.substr(target.rfind('/') + 1);
}

std::vector<Opening> openings;

EntryKind EntryKindOf(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return EntryKind::kNothing;
  if (S_ISREG(info.st_mode)) return EntryKind::kFile;
  return S_ISDIR(info.st_mode) ? EntryKind::kFolder : EntryKind::kOther;
}

// Whether the child has ended, reaping it if so; a signal arriving meanwhile
// is no answer.
bool Reaped(pid_t pid, int& status) {
  pid_t result;
  do {
    result = waitpid(pid, &status, WNOHANG);
  } while (result < 0 && errno == EINTR);
  return result != 0;
}

void Watch(void*) {
  std::vector<std::string> verdicts;
  for (auto it = openings.begin(); it != openings.end();) {
    int status = 0;
    if (!Reaped(it->pid, status)) {
      ++it;
      continue;
    }
    if (std::chrono::steady_clock::now() - it->started < kOpenerVerdictWithin) {
      std::string verdict = VerdictOf(status, it->document);
      if (!verdict.empty()) verdicts.push_back(std::move(verdict));
    }
    it = openings.erase(it);
  }
  if (!openings.empty()) Fl::repeat_timeout(kPollSeconds, Watch);
  for (const std::string& verdict : verdicts) runtime().MsgBox(verdict);
}

}  // namespace

intptr_t OpenDocument(std::string_view operation, std::string_view file) {
  if (operation != kOpen) return kShellNoAssociation;
  const bool web = IsWebAddress(file);
  // Copies of discs often change the case of names; Windows would not mind.
  const std::string target = web ? std::string(file) : FindOnDisc(file);
  if (!web && !CheckDocument(EntryKindOf(target))) return kShellFileNotFound;
  // An argument vector, never a shell line: any name passes as it is.
  char* const argv[] = {const_cast<char*>(kOpener), const_cast<char*>(target.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, kOpener, nullptr, nullptr, argv, environ) != 0) {
    runtime().MsgBox(NoProgramText(DocumentName(web, target)));
    return kShellNoAssociation;
  }
  if (openings.empty()) Fl::add_timeout(kPollSeconds, Watch);
  openings.push_back({pid, std::chrono::steady_clock::now(), DocumentName(web, target)});
  return kShellDone;
}

void StopWatchingOpeners() {
  Fl::remove_timeout(Watch);
  openings.clear();
}

}  // namespace host::fltk
