// Watches the X screen for window timings: start to first paint, and mouse release to repaint.
//   window_probe start <program> [args...]   starts the program, prints "first_paint_ms <t> pid <pid>"
//                                            and keeps it running until stdin closes, then prints its peak
//                                            RSS
//   window_probe click <x> <y> <w> <h>       presses the left button at the top left of the rectangle,
//   releases it
//                                            and prints "repaint_ms <t>" once any pixel of the rectangle
//                                            changed
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

double Now() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

std::vector<unsigned long> Grab(Display* display, int x, int y, int w, int h) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  std::vector<unsigned long> pixels;
  if (image == nullptr) return pixels;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) pixels.push_back(XGetPixel(image, i, j));
  XDestroyImage(image);
  return pixels;
}

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

int Start(Display* display, char** argv) {
  const int cx = DisplayWidth(display, DefaultScreen(display)) / 2;
  const int cy = DisplayHeight(display, DefaultScreen(display)) / 2;
  const auto before = Grab(display, cx, cy, 1, 1);
  const double t0 = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    _exit(127);
  }
  // The screen's middle lies inside the centred window: its first change is the first paint.
  double t1 = -1;
  while (Now() - t0 < 10000) {
    if (Grab(display, cx, cy, 1, 1) != before) {
      t1 = Now();
      break;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) break;
  }
  std::printf("first_paint_ms %.1f pid %d\n", t1 < 0 ? -1.0 : t1 - t0, static_cast<int>(pid));
  std::fflush(stdout);
  // The caller may drive the program meanwhile; the peak is read when it is done.
  std::string ignored;
  while (std::getline(std::cin, ignored)) {
  }
  std::printf("peak_rss_kb %ld\n", PeakRssKb(pid));
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return t1 < 0 ? 1 : 0;
}

int Click(Display* display, int x, int y, int w, int h) {
  // XTest is loaded at run time: only its shared library is installed, not its headers.
  void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
  if (xtst == nullptr) return std::fprintf(stderr, "no libXtst\n"), 1;
  using Motion = int (*)(Display*, int, int, int, unsigned long);
  using Button = int (*)(Display*, unsigned, Bool, unsigned long);
  auto motion = reinterpret_cast<Motion>(dlsym(xtst, "XTestFakeMotionEvent"));
  auto button = reinterpret_cast<Button>(dlsym(xtst, "XTestFakeButtonEvent"));
  if (motion == nullptr || button == nullptr) return 1;
  motion(display, -1, x, y, 0);
  button(display, 1, True, 0);
  XSync(display, False);
  usleep(50000);
  const auto before = Grab(display, x, y, w, h);
  const double t0 = Now();
  button(display, 1, False, 0);
  XSync(display, False);
  while (Now() - t0 < 3000) {
    if (Grab(display, x, y, w, h) != before) {
      std::printf("repaint_ms %.2f\n", Now() - t0);
      return 0;
    }
  }
  std::printf("repaint_ms -1\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::fprintf(stderr, "no display\n"), 2;
  if (argc >= 3 && std::strcmp(argv[1], "start") == 0) return Start(display, argv + 2);
  if (argc == 6 && std::strcmp(argv[1], "click") == 0)
    return Click(display, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
  std::fprintf(stderr, "usage: window_probe start <program...> | click <x> <y> <w> <h>\n");
  return 2;
}
