// Times windows on the X server without spending a core on it: it sleeps in the server's event queue.
//   window_probe start <program> [args...]  starts the program and prints "first_paint_ms <t> cpu_ms <c> pid
//                                           <pid>" at its first complete paint (X DAMAGE reports every pixel of
//                                           its window drawn); when stdin closes, prints "peak_rss_kb <kb>"
//                                           and ends it
//   window_probe click <x> <y> <w> <h>      presses and releases the left button at x, y and prints
//                                           "repaint_ms <t>" at the first drawing inside the rectangle
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

// The DAMAGE and XTest calls, loaded at run time: only their shared libraries are installed, not headers.
using Damage = XID;
struct DamageNotifyEvent {  // XDamageNotifyEvent
  int type;
  unsigned long serial;
  Bool send_event;
  Display* display;
  Drawable drawable;
  Damage damage;
  int level;
  Bool more;
  Time timestamp;
  XRectangle area;
  XRectangle geometry;
};
Bool (*damageQuery)(Display*, int*, int*);
Damage (*damageCreate)(Display*, Drawable, int);
constexpr int kRawRectangles = 0;

bool LoadDamage(Display* display, int& eventBase) {
  void* library = dlopen("libXdamage.so.1", RTLD_NOW);
  if (library == nullptr) return false;
  damageQuery = reinterpret_cast<decltype(damageQuery)>(dlsym(library, "XDamageQueryExtension"));
  damageCreate = reinterpret_cast<decltype(damageCreate)>(dlsym(library, "XDamageCreate"));
  int errorBase = 0;
  return damageQuery && damageCreate && damageQuery(display, &eventBase, &errorBase);
}

double Now() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Processor time of every thread of the process so far, from the scheduler's own account.
double CpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  double ns = 0;
  if (DIR* dir = opendir(tasks.c_str())) {
    while (const dirent* entry = readdir(dir))
      if (entry->d_name[0] != '.') {
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double run = 0;
        if (stat >> run) ns += run;
      }
    closedir(dir);
  }
  return ns / 1e6;
}

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// Waits for the next X event up to a deadline; false when the time ran out.
bool NextEvent(Display* display, XEvent& event, double deadline) {
  while (XPending(display) == 0) {
    const double left = deadline - Now();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left) + 1);
  }
  XNextEvent(display, &event);
  return true;
}

// A window that went away between its creation and our request for it is no error of ours.
int IgnoreGoneWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
  char text[256];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error %s, request %d.%d\n", text, error->request_code, error->minor_code);
  std::exit(3);
}

int Start(Display* display, char** argv) {
  XSetErrorHandler(IgnoreGoneWindows);
  int damageEvent = 0;
  if (!LoadDamage(display, damageEvent)) return std::fprintf(stderr, "no X DAMAGE\n"), 2;
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  const double t0 = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    _exit(127);
  }
  // Every new top-level window is watched from its creation, before it can be mapped or drawn; the first
  // whose drawn area reaches all of it has had its first complete paint.
  struct Seen {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = 0, y1 = 0;
  };
  std::map<Drawable, Seen> seen;
  double t1 = -1, cpu = -1;
  XEvent event;
  while (t1 < 0 && NextEvent(display, event, t0 + 10000)) {
    if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
      // Only a window that can be drawn has damage: an input-only one (toolkits make some) refuses it with
      // BadMatch, and a window may be gone again by now.
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, event.xcreatewindow.window, &attributes) && attributes.c_class == InputOutput)
        damageCreate(display, event.xcreatewindow.window, kRawRectangles);
      XSync(display, False);
    } else if (event.type == damageEvent) {
      const auto& d = reinterpret_cast<const DamageNotifyEvent&>(event);
      Seen& s = seen[d.drawable];
      s.x0 = std::min<int>(s.x0, d.area.x), s.y0 = std::min<int>(s.y0, d.area.y);
      s.x1 = std::max(s.x1, d.area.x + d.area.width), s.y1 = std::max(s.y1, d.area.y + d.area.height);
      if (d.geometry.width > 100 && s.x0 <= 0 && s.y0 <= 0 && s.x1 >= d.geometry.width &&
          s.y1 >= d.geometry.height)
        t1 = Now(), cpu = CpuMs(pid);
    }
  }
  std::printf("first_paint_ms %.1f cpu_ms %.1f pid %d\n", t1 < 0 ? -1.0 : t1 - t0, cpu, static_cast<int>(pid));
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
  int damageEvent = 0;
  void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
  if (xtst == nullptr || !LoadDamage(display, damageEvent)) return std::fprintf(stderr, "no XTest or DAMAGE\n"), 1;
  using Motion = int (*)(Display*, int, int, int, unsigned long);
  using Button = int (*)(Display*, unsigned, Bool, unsigned long);
  auto motion = reinterpret_cast<Motion>(dlsym(xtst, "XTestFakeMotionEvent"));
  auto button = reinterpret_cast<Button>(dlsym(xtst, "XTestFakeButtonEvent"));
  if (motion == nullptr || button == nullptr) return 1;
  // The window under the point, whose drawing the server reports.
  Window child = DefaultRootWindow(display), target = None;
  int wx = 0, wy = 0;
  while (child != None) {
    target = child;
    XTranslateCoordinates(display, DefaultRootWindow(display), target, x, y, &wx, &wy, &child);
  }
  damageCreate(display, target, kRawRectangles);
  motion(display, -1, x, y, 0);
  button(display, 1, True, 0);
  XSync(display, False);
  usleep(50000);
  XEvent event;
  while (XPending(display) > 0) XNextEvent(display, &event);  // anything the press itself drew
  const double t0 = Now();
  button(display, 1, False, 0);
  XFlush(display);
  while (NextEvent(display, event, t0 + 3000)) {
    if (event.type != damageEvent) continue;
    const auto& d = reinterpret_cast<const DamageNotifyEvent&>(event);
    if (d.area.x < wx + w && d.area.x + d.area.width > wx && d.area.y < wy + h && d.area.y + d.area.height > wy) {
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
