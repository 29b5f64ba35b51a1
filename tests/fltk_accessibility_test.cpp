// The Linux accessibility bridge under Xvfb, read by a pyatspi client as a
// screen reader reads it, on a session bus with the accessibility bus started
// (tests/accessibility/with_bus.sh); and, without that bus, loading nothing.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "host/fltk/accessibility_bridge.h"
#include "tests/accessibility_stand_in.h"

extern char** environ;

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr auto kClientTimeout = std::chrono::seconds(40);

// Runs the pyatspi client with these arguments while the window's loop goes
// on; its standard output, line by line.
std::vector<std::string> RunClient(std::vector<std::string> arguments) {
  const char* client = std::getenv("AT_SPI_CLIENT");
  if (!client) return {"AT_SPI_CLIENT is not set"};
  arguments.insert(arguments.begin(), {"/usr/bin/python3", client});
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int output[2];
  if (pipe(output) != 0) return {"no pipe"};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  if (spawned != 0) return {"the client did not start"};
  fcntl(output[0], F_SETFL, O_NONBLOCK);
  std::string said;
  int status = -1;
  const auto deadline = std::chrono::steady_clock::now() + kClientTimeout;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      said += "the client timed out\n";
      break;
    }
    Fl::wait(0.02);
    char buffer[4096];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
  }
  char buffer[4096];
  for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
  close(output[0]);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) said += "the client failed\n";
  std::vector<std::string> lines;
  std::istringstream in(said);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class Shown : public ::testing::Test {
 protected:
  void SetUp() override {
    window.border(0);
    window.show();
    for (int i = 0; i < 20; ++i) Fl::wait(0.01);
  }
  Fl_Window window{100, 50, 640, 480, "Zorvanta"};
  stand_in::Window entries;
};

using OnTheBus = Shown;
using WithoutTheBus = Shown;

TEST_F(OnTheBus, AReaderFindsTheFrameAndItsEntriesMovesTheFocusAndClicks) {
  const auto bridge = host::fltk::AccessibilityBridge::Start(window, entries);
  ASSERT_NE(bridge, nullptr);
  entries.listener = bridge.get();
  const std::vector<std::string> lines =
      RunClient({"Zorvanta", "--focus", "2", "--act", "первая серия"});
  ASSERT_GE(lines.size(), 14u) << ::testing::PrintToString(lines);
  EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 3),
              ElementsAre("application Zorvanta", "frame Zorvanta",
                          "entry первая серия|push button|enabled focusable sensitive showing "
                          "visible|554,82,164,30||click"));
  EXPECT_EQ(lines[12],
            "entry Quorrel|link|enabled focusable sensitive showing visible|"
            "159,470,102,35|https://quorrel.example/|click");
  EXPECT_THAT(lines[13], HasSubstr("entry Закрыть|push button|"));
  EXPECT_EQ(entries.focused, 2u);
  EXPECT_THAT(lines, Contains("focused третья серия"));
  EXPECT_THAT(entries.actions, ElementsAre("первая серия"));
}

TEST_F(WithoutTheBus, NothingIsLoadedAndNothingSaid) {
  EXPECT_EQ(host::fltk::AccessibilityBridge::Start(window, entries), nullptr);
  EXPECT_EQ(dlopen("libatk-bridge-2.0.so.0", RTLD_NOW | RTLD_NOLOAD), nullptr);
  EXPECT_EQ(dlopen("libglib-2.0.so.0", RTLD_NOW | RTLD_NOLOAD), nullptr);
}

}  // namespace
