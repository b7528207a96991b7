// Watches a top-level window from outside, as a window manager and a user's eyes would: sends
// it _NET_WM_PING every few milliseconds and notes each answer, and samples rectangles of it
// for text (dark pixels on the light editor background). Prints, one line each, with times in
// milliseconds since the epoch (as `date +%s%3N` gives them):
//   ping SENT ANSWERED        an answered ping
//   unanswered SENT           at the end, a ping never answered
//   text NAME TIME            rectangle NAME began to show text
//   blank NAME TIME           it no longer shows text
//   cursor SERIAL TIME        the pointer's shape changed (a busy pointer runs through several)
//   end TIME                  the watch ended (SIGTERM or SIGINT)
//
//   bench_window_watch WINDOW INTERVAL_MS [NAME X Y WIDTH HEIGHT]...
//
// A window answers a ping by sending it back to the root window (the window manager's
// protocol) with the redirect mask and a notify mask (Qt uses structure, Wine substructure
// notification); this client listens there for both, which any number of clients may do,
// and knows its own pings by their marker.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <signal.h>
#include <sys/select.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr long kMarker = 0x61626c;  // "abl": our pings among the window manager's
constexpr int kSampleMilliseconds = 40;
constexpr int kDarkLevel = 110;  // a channel sum below 3 x this is ink
// More dark pixels than a caret has (a line high, one or two wide), and fewer than one line of
// light letters shows under Wine (a line of "k" there gives about 120).
constexpr int kTextPixels = 60;

volatile sig_atomic_t stop_requested = 0;
void request_stop(int) { stop_requested = 1; }

long long now_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// The window may go away or be unmapped at any time; its requests then fail quietly.
int ignore_error(Display*, XErrorEvent*) { return 0; }

struct Area {
  std::string name;
  int x, y, width, height;
  bool shows_text = false;
};

int dark_pixels(Display* display, Window window, const Area& area) {
  XImage* image = XGetImage(display, window, area.x, area.y, static_cast<unsigned>(area.width),
                            static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (!image) return -1;
  int dark = 0;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      unsigned long pixel = XGetPixel(image, x, y);
      unsigned long sum = (pixel & 0xff) + ((pixel >> 8) & 0xff) + ((pixel >> 16) & 0xff);
      if (sum < 3 * kDarkLevel) ++dark;
    }
  }
  XDestroyImage(image);
  return dark;
}

void sample(Display* display, Window window, std::vector<Area>& areas) {
  for (Area& area : areas) {
    int dark = dark_pixels(display, window, area);
    if (dark < 0) continue;
    bool text = dark >= kTextPixels;
    if (text == area.shows_text) continue;
    area.shows_text = text;
    std::printf("%s %s %lld\n", text ? "text" : "blank", area.name.c_str(), now_ms());
  }
}

// The pointer's shape, as the user sees it wherever it is.
class CursorWatch {
 public:
  explicit CursorWatch(Display* display) : display_(display) {
    int event_base = 0;
    int error_base = 0;
    present_ = XFixesQueryExtension(display, &event_base, &error_base);
  }

  void sample() {
    if (!present_) return;
    XFixesCursorImage* image = XFixesGetCursorImage(display_);
    if (!image) return;
    if (image->cursor_serial != serial_) {
      serial_ = image->cursor_serial;
      std::printf("cursor %lu %lld\n", serial_, now_ms());
    }
    XFree(image);
  }

 private:
  Display* display_;
  bool present_ = false;
  unsigned long serial_ = ~0ul;
};

class Pinger {
 public:
  Pinger(Display* display, Window window)
      : display_(display),
        window_(window),
        protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
        ping_(XInternAtom(display, "_NET_WM_PING", False)) {}

  void send() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = protocols_;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping_);
    event.xclient.data.l[1] = ++sequence_;
    event.xclient.data.l[2] = static_cast<long>(window_);
    event.xclient.data.l[3] = kMarker;
    XSendEvent(display_, window_, False, NoEventMask, &event);
    XFlush(display_);
    sent_[sequence_] = now_ms();
  }

  void take(const XEvent& event) {
    if (event.type != ClientMessage || event.xclient.message_type != protocols_) return;
    const long* data = event.xclient.data.l;
    if (data[0] != static_cast<long>(ping_) || data[3] != kMarker) return;
    auto ping = sent_.find(data[1]);
    if (ping == sent_.end()) return;
    std::printf("ping %lld %lld\n", ping->second, now_ms());
    sent_.erase(ping);
  }

  void report_unanswered() const {
    for (const auto& [sequence, sent] : sent_) std::printf("unanswered %lld\n", sent);
  }

 private:
  Display* display_;
  Window window_;
  Atom protocols_;
  Atom ping_;
  long sequence_ = 0;
  std::map<long, long long> sent_;
};

bool parse_areas(int argc, char** argv, std::vector<Area>& areas) {
  if ((argc - 3) % 5 != 0) return false;
  for (int i = 3; i < argc; i += 5) {
    areas.push_back({argv[i], std::atoi(argv[i + 1]), std::atoi(argv[i + 2]),
                     std::atoi(argv[i + 3]), std::atoi(argv[i + 4])});
    if (areas.back().width <= 0 || areas.back().height <= 0) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Area> areas;
  if (argc < 3 || !parse_areas(argc, argv, areas)) {
    std::fprintf(stderr, "usage: %s WINDOW INTERVAL_MS [NAME X Y WIDTH HEIGHT]...\n", argv[0]);
    return 2;
  }
  auto window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
  long interval = std::atol(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (!display || window == 0 || interval <= 0) {
    std::fprintf(stderr, "%s: no display, window or interval\n", argv[0]);
    return 1;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  XSetErrorHandler(ignore_error);
  struct sigaction on_stop {};
  on_stop.sa_handler = request_stop;
  sigaction(SIGTERM, &on_stop, nullptr);
  sigaction(SIGINT, &on_stop, nullptr);
  XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask | SubstructureNotifyMask);

  Pinger pinger(display, window);
  CursorWatch cursor(display);
  long long next_ping = now_ms();
  long long next_sample = next_ping;
  int connection = ConnectionNumber(display);
  while (!stop_requested) {
    long long now = now_ms();
    if (now >= next_ping) {
      pinger.send();
      next_ping = now + interval;
    }
    if (now >= next_sample) {
      sample(display, window, areas);
      cursor.sample();
      next_sample = now_ms() + kSampleMilliseconds;
    }
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      pinger.take(event);
    }
    long long wait = std::min(next_ping, next_sample) - now_ms();
    if (wait <= 0) continue;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(connection, &readable);
    timeval timeout{0, static_cast<suseconds_t>(wait * 1000)};
    if (select(connection + 1, &readable, nullptr, nullptr, &timeout) < 0 && errno != EINTR) break;
  }
  pinger.report_unanswered();
  std::printf("end %lld\n", now_ms());
  XCloseDisplay(display);
  return 0;
}
