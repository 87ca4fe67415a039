// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on a real X server: the game against a bare Qt window that shows one picture.
// Starts a private Xvfb, then both programs alternately; each run is timed from the spawn
// to the moment the server shows the first board pixel, read back from the window, and the
// program's peak resident memory is taken at that moment.
//
//   startup_bench [--runs N] [--no-bus] GAME BARE
//
// No Qt here: the watcher must stay out of the way of what it measures. The server tells
// us when a window is drawn into (DAMAGE), so nothing polls while the program starts.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Both windows are 480 by 360; the probe is the middle of the board's top-left cell at
// the start (the board view at 236, 115, a one-pixel frame, 16-pixel cells).
constexpr int WindowWidth = 480;
constexpr int WindowHeight = 360;
constexpr int ProbeX = 236 + 1 + 8;
constexpr int ProbeY = 115 + 1 + 8;
// The fills of the three box colours of the start board.
constexpr std::array<std::uint32_t, 3> BoardFills = {0xFF7F7F, 0x7FFF7F, 0x7F7FFF};
constexpr auto RunTimeout = std::chrono::seconds(10);
constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 1024;

// Ended on every way out, so no server outlives a failed run.
pid_t ServerPid = -1;
pid_t BusPid = -1;

void StopServers() {
  for (pid_t* Pid : {&BusPid, &ServerPid}) {
    if (*Pid > 0) {
      kill(*Pid, SIGTERM);
      waitpid(*Pid, nullptr, 0);
      *Pid = -1;
    }
  }
}

[[noreturn]] void Fail(const std::string& Message) {
  std::fprintf(stderr, "startup_bench: %s\n", Message.c_str());
  StopServers();
  std::exit(1);
}

// Starts a server that tells where it listens in one line on a file descriptor, whose
// number goes at the end of the last argument, and returns that line.
std::string StartAndReadLine(pid_t& Pid, std::vector<std::string> Command) {
  int Pipe[2];
  if (pipe(Pipe) != 0)
    Fail("no pipe");
  Command.back() += std::to_string(Pipe[1]);
  Pid = fork();
  if (Pid == 0) {
    close(Pipe[0]);
    // Xvfb reports every display it finds taken on its way to a free one; and neither
    // may hold our output open.
    if (const int Null = open("/dev/null", O_WRONLY); Null >= 0) {
      dup2(Null, STDOUT_FILENO);
      dup2(Null, STDERR_FILENO);
    }
    std::vector<char*> Argv;
    for (std::string& Part : Command)
      Argv.push_back(Part.data());
    Argv.push_back(nullptr);
    execvp(Argv[0], Argv.data());
    _exit(127);
  }
  close(Pipe[1]);
  std::string Line;
  char Char = 0;
  while (read(Pipe[0], &Char, 1) == 1 && Char != '\n')
    Line += Char;
  close(Pipe[0]);
  if (Line.empty())
    Fail(Command.front() + " did not start (is it installed?)");
  return Line;
}

// Xvfb picks a free display, so runs can go side by side.
std::string StartServer() {
  return ":" + StartAndReadLine(ServerPid, {"Xvfb", "-noreset", "-nolisten", "tcp", "-screen", "0",
                                            std::to_string(ScreenWidth) + "x" +
                                                std::to_string(ScreenHeight) + "x24",
                                            "-displayfd", ""});
}

// A desktop session has a bus. Without one, each Qt program would start a bus launcher
// on its way up, and both programs would be timed with it.
std::string StartBus() {
  return StartAndReadLine(
      BusPid, {"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address="});
}

struct TRun {
  double Milliseconds = 0;
  long PeakKilobytes = 0;
};

class TWatcher {
public:
  explicit TWatcher(const std::string& Display) {
    FConnection = xcb_connect(Display.c_str(), nullptr);
    if (xcb_connection_has_error(FConnection))
      Fail("cannot connect to " + Display);
    FRoot = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
    const xcb_query_extension_reply_t* Damage = xcb_get_extension_data(FConnection, &xcb_damage_id);
    if (!Damage || !Damage->present)
      Fail("the server has no DAMAGE extension");
    FDamageEvent = Damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(FConnection, xcb_damage_query_version(FConnection, 1, 1),
                                        nullptr));
    const std::uint32_t Mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(FConnection, FRoot, XCB_CW_EVENT_MASK, &Mask);
    // The pointer starts in the middle of the screen, over the centred game but not over
    // the bare window at the corner; parked in the far corner it enters neither.
    xcb_warp_pointer(FConnection, XCB_NONE, FRoot, 0, 0, 0, 0, ScreenWidth - 1, ScreenHeight - 1);
    xcb_flush(FConnection);
  }
  ~TWatcher() { xcb_disconnect(FConnection); }

  // Spawns Program and waits for the first board pixel of its window. Accepts decides
  // whether a pixel (0xRRGGBB) is the one expected there.
  template <typename TAccepts>
  TRun Measure(const std::string& Program, const std::string& Display, TAccepts Accepts) {
    const Clock::time_point Start = Clock::now();
    const pid_t Child = Spawn(Program, Display);
    std::optional<TRun> Result;
    xcb_window_t Window = XCB_NONE;
    while (!Result) {
      xcb_generic_event_t* Event = NextEvent(Start);
      if (!Event)
        break;
      const std::uint8_t Type = Event->response_type & 0x7F;
      if (Type == XCB_MAP_NOTIFY && Window == XCB_NONE && IsGameSized(Event)) {
        Window = reinterpret_cast<xcb_map_notify_event_t*>(Event)->window;
        xcb_damage_create(FConnection, xcb_generate_id(FConnection), Window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      }
      // Drawing done before the damage object existed shows in the first read.
      if ((Type == FDamageEvent || Type == XCB_MAP_NOTIFY) && Window != XCB_NONE) {
        const std::optional<std::uint32_t> Pixel = ReadPixel(Window);
        if (Pixel && Accepts(*Pixel))
          Result = TRun{Elapsed(Start), PeakKilobytes(Child)};
      }
      free(Event);
    }
    Stop(Child, Window);
    if (!Result)
      Fail(Program + ": no board pixel within " + std::to_string(RunTimeout.count()) + " s");
    return *Result;
  }

  // The settled colour at the probe of a program whose picture does not change; the run
  // also warms the caches.
  std::uint32_t SettledPixel(const std::string& Program, const std::string& Display) {
    const Clock::time_point Start = Clock::now();
    const pid_t Child = Spawn(Program, Display);
    xcb_window_t Window = XCB_NONE;
    while (Window == XCB_NONE) {
      xcb_generic_event_t* Event = NextEvent(Start);
      if (!Event)
        Fail(Program + ": no window");
      if ((Event->response_type & 0x7F) == XCB_MAP_NOTIFY && IsGameSized(Event))
        Window = reinterpret_cast<xcb_map_notify_event_t*>(Event)->window;
      free(Event);
    }
    usleep(1000 * 1000);
    std::optional<std::uint32_t> Pixel;
    for (int Try = 0; Try < 50 && !Pixel; ++Try, usleep(100 * 1000))
      Pixel = ReadPixel(Window);
    Stop(Child, Window);
    if (!Pixel)
      Fail(Program + ": its window cannot be read");
    return *Pixel;
  }

private:
  static double Elapsed(Clock::time_point Start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
  }

  // A top-level window of the size both programs show, just mapped. Qt may create it at
  // another size and resize it before mapping, so the size is asked for here.
  bool IsGameSized(xcb_generic_event_t* Event) {
    const auto* Mapped = reinterpret_cast<xcb_map_notify_event_t*>(Event);
    if (Mapped->event != FRoot)
      return false;
    xcb_get_geometry_reply_t* Geometry =
        xcb_get_geometry_reply(FConnection, xcb_get_geometry(FConnection, Mapped->window), nullptr);
    const bool Sized =
        Geometry && Geometry->width == WindowWidth && Geometry->height == WindowHeight;
    free(Geometry);
    return Sized;
  }

  static pid_t Spawn(const std::string& Program, const std::string& Display) {
    setenv("DISPLAY", Display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    pid_t Child = -1;
    char* Argv[] = {const_cast<char*>(Program.c_str()), nullptr};
    if (posix_spawn(&Child, Program.c_str(), nullptr, nullptr, Argv, environ) != 0)
      Fail("cannot start " + Program);
    return Child;
  }

  // VmHWM: the most the process has had resident so far.
  static long PeakKilobytes(pid_t Child) {
    std::ifstream Status("/proc/" + std::to_string(Child) + "/status");
    std::string Line;
    while (std::getline(Status, Line))
      if (Line.rfind("VmHWM:", 0) == 0)
        return std::strtol(Line.c_str() + 6, nullptr, 10);
    return 0;
  }

  xcb_generic_event_t* NextEvent(Clock::time_point Start) {
    while (true) {
      if (xcb_generic_event_t* Event = xcb_poll_for_event(FConnection))
        return Event;
      if (xcb_connection_has_error(FConnection))
        Fail("lost the server");
      const auto Left =
          std::chrono::duration_cast<std::chrono::milliseconds>(Start + RunTimeout - Clock::now());
      if (Left.count() <= 0)
        return nullptr;
      pollfd Wait{xcb_get_file_descriptor(FConnection), POLLIN, 0};
      poll(&Wait, 1, static_cast<int>(Left.count()));
    }
  }

  std::optional<std::uint32_t> ReadPixel(xcb_window_t Window) {
    xcb_get_image_reply_t* Image = xcb_get_image_reply(
        FConnection,
        xcb_get_image(FConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, Window, ProbeX, ProbeY, 1, 1, ~0u),
        nullptr);
    if (!Image)
      return std::nullopt; // not viewable yet
    std::optional<std::uint32_t> Pixel;
    if (xcb_get_image_data_length(Image) >= 4) {
      std::uint32_t Value = 0;
      std::memcpy(&Value, xcb_get_image_data(Image), 4);
      Pixel = Value & 0xFFFFFF;
    }
    free(Image);
    return Pixel;
  }

  // Ends the program and waits until its window is gone, so the next run starts clean.
  void Stop(pid_t Child, xcb_window_t Window) {
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
    const Clock::time_point Start = Clock::now();
    while (Window != XCB_NONE) {
      xcb_generic_event_t* Event = NextEvent(Start);
      if (!Event)
        break;
      if ((Event->response_type & 0x7F) == XCB_DESTROY_NOTIFY &&
          reinterpret_cast<xcb_destroy_notify_event_t*>(Event)->window == Window)
        Window = XCB_NONE;
      free(Event);
    }
    // Drop whatever else the ended program left in the queue.
    while (xcb_generic_event_t* Event = xcb_poll_for_event(FConnection))
      free(Event);
  }

  xcb_connection_t* FConnection = nullptr;
  xcb_window_t FRoot = XCB_NONE;
  std::uint8_t FDamageEvent = 0;
};

template <typename T> T Median(std::vector<T> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

struct TSummary {
  double Milliseconds;
  double Megabytes;
};

TSummary Summarise(const char* Name, const std::vector<TRun>& Runs) {
  std::vector<double> Times;
  std::vector<long> Peaks;
  for (const TRun& Run : Runs) {
    Times.push_back(Run.Milliseconds);
    Peaks.push_back(Run.PeakKilobytes);
  }
  const TSummary Summary{Median(Times), static_cast<double>(Median(Peaks)) / 1024.0};
  std::printf("%-5s first board pixel: median %6.1f ms (%.1f..%.1f); peak memory median %5.1f "
              "MiB; %zu runs\n",
              Name, Summary.Milliseconds, *std::min_element(Times.begin(), Times.end()),
              *std::max_element(Times.begin(), Times.end()), Summary.Megabytes, Runs.size());
  return Summary;
}

} // namespace

int main(int argc, char** argv) {
  int Runs = 21;
  bool Bus = true;
  int Arg = 1;
  for (; Arg < argc && argv[Arg][0] == '-'; ++Arg) {
    if (std::strcmp(argv[Arg], "--runs") == 0 && Arg + 1 < argc)
      Runs = std::max(1, std::atoi(argv[++Arg]));
    else if (std::strcmp(argv[Arg], "--no-bus") == 0)
      Bus = false;
    else
      break;
  }
  if (argc - Arg != 2) {
    std::fprintf(stderr, "usage: startup_bench [--runs N] [--no-bus] GAME BARE\n");
    return 2;
  }
  const std::string Game = argv[Arg];
  const std::string Bare = argv[Arg + 1];

  // Qt wants a private runtime folder; without one it warns on every start.
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    char Folder[] = "/tmp/startup-bench-XXXXXX";
    if (mkdtemp(Folder))
      setenv("XDG_RUNTIME_DIR", Folder, 1);
  }
  const std::string Display = StartServer();
  // Without a bus that answers, the accessibility bridge gives up at once: this shows
  // what the bridge's start costs each program.
  setenv("DBUS_SESSION_BUS_ADDRESS",
         Bus ? StartBus().c_str() : "unix:path=/nonexistent/startup-bench-bus", 1);
  std::vector<TRun> GameRuns;
  std::vector<TRun> BareRuns;
  {
    TWatcher Watcher(Display);
    const auto IsBoard = [](std::uint32_t Pixel) {
      return std::find(BoardFills.begin(), BoardFills.end(), Pixel) != BoardFills.end();
    };
    // Also warms the caches: these runs are not counted.
    const std::uint32_t Picture = Watcher.SettledPixel(Bare, Display);
    const auto IsPicture = [Picture](std::uint32_t Pixel) { return Pixel == Picture; };
    Watcher.Measure(Game, Display, IsBoard);
    for (int Run = 0; Run < Runs; ++Run) {
      GameRuns.push_back(Watcher.Measure(Game, Display, IsBoard));
      BareRuns.push_back(Watcher.Measure(Bare, Display, IsPicture));
    }
  }
  StopServers();

  const TSummary GameSummary = Summarise("game", GameRuns);
  const TSummary BareSummary = Summarise("bare", BareRuns);
  std::printf("ratio game/bare: time %.2f, memory %.2f\n",
              GameSummary.Milliseconds / BareSummary.Milliseconds,
              GameSummary.Megabytes / BareSummary.Megabytes);
  return 0;
}
