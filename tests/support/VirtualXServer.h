#pragma once

// A virtual X server of the test suite's own, for what needs a real display.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <SDL.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/platform/ScopedEnvironment.h"

namespace testsupport {

// Starts the server and waits until it takes clients: it writes its display
// number and a newline then. The server picks a free display itself
// (-displayfd), so suites running side by side need no lock, and goes with
// the test suite's process. No window manager runs on it. Empty when it
// started, the reason why not otherwise.
inline std::string StartVirtualXServer(std::string& display) {
  std::string program;
  std::istringstream folders(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
  for (std::string folder; program.empty() && std::getline(folders, folder, ':');) {
    program = access((folder + "/Xvfb").c_str(), X_OK) == 0 ? folder + "/Xvfb" : "";
  }
  int fds[2];
  if (program.empty() || pipe(fds) != 0) return "Xvfb is not installed";
  if (fork() == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), "-displayfd", std::to_string(fds[1]).c_str(), "-screen",
          "0", "1280x1024x24", "-nolisten", "tcp", "-noreset", nullptr);
    _exit(127);
  }
  close(fds[1]);
  pollfd reply{fds[0], POLLIN, 0};
  char c = 0;
  while (poll(&reply, 1, 15000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') display += c;
  close(fds[0]);
  display = ":" + display;
  return c == '\n' && display.size() > 1 ? "" : program + " did not report a display";
}

// Starts the server, then checks that SDL's X11 driver takes it as a client.
// Empty when both did, the reason why not otherwise.
inline std::string StartVirtualXServerForSdl(std::string& display) {
  const std::string unavailable = StartVirtualXServer(display);
  if (!unavailable.empty()) return unavailable;
  platform_test::ScopedEnvironment forSdl("DISPLAY", display.c_str());
  const bool isTaken = SDL_VideoInit("x11") == 0;
  const std::string reason = isTaken ? "" : "the X server takes no clients: " + std::string(SDL_GetError());
  SDL_VideoQuit();
  return reason;
}

}  // namespace testsupport
