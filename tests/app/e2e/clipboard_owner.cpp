// A clipboard owner for the end-to-end tests. It takes the X CLIPBOARD and prints "owning"
// once it holds it, and "asked for the targets" whenever a requestor asks what it offers.
// "quit" and "stall" offer the text of FILE as UTF8_STRING and answer a request in parts
// (INCR); once the requestor has taken the first part they break off (printing "broke"):
// "quit" quits, "stall" stops answering while it stays up (until killed). "picture" offers
// FILE as image/png only: no text at all. Each line stands on its own, for the test to wait for.
// Usage: clipboard_owner FILE FIRST_PART_BYTES quit|stall|picture

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace {

struct Free {
  void operator()(void* pointer) const { std::free(pointer); }
};

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  std::unique_ptr<xcb_intern_atom_reply_t, Free> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void notify(xcb_connection_t* connection, const xcb_selection_request_event_t& request,
            xcb_atom_t property) {
  xcb_selection_notify_event_t notice{};
  notice.response_type = XCB_SELECTION_NOTIFY;
  notice.time = request.time;
  notice.requestor = request.requestor;
  notice.selection = request.selection;
  notice.target = request.target;
  notice.property = property;
  xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&notice));
  xcb_flush(connection);
}

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[3], "quit") != 0 && std::strcmp(argv[3], "stall") != 0 &&
                    std::strcmp(argv[3], "picture") != 0)) {
    std::fprintf(stderr, "usage: %s FILE FIRST_PART_BYTES quit|stall|picture\n", argv[0]);
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::size_t first_part = std::min<std::size_t>(std::strtoul(argv[2], nullptr, 10), text.size());
  bool stall = std::strcmp(argv[3], "stall") == 0;
  bool picture = std::strcmp(argv[3], "picture") == 0;

  int screen_number = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection)) return 1;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_window_t window = xcb_generate_id(connection);
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  xcb_atom_t clipboard = atom(connection, "CLIPBOARD");
  xcb_atom_t targets = atom(connection, "TARGETS");
  xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
  xcb_atom_t incr = atom(connection, "INCR");
  xcb_atom_t png = atom(connection, "image/png");
  xcb_atom_t offered_type = picture ? png : utf8;
  xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
  std::unique_ptr<xcb_get_selection_owner_reply_t, Free> owner(xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, clipboard), nullptr));
  if (!owner || owner->owner != window) return 1;
  say("owning");

  // The transfer in parts: the requestor's property, and how many parts it has taken.
  xcb_window_t requestor = 0;
  xcb_atom_t property = XCB_ATOM_NONE;
  int parts_sent = 0;
  while (std::unique_ptr<xcb_generic_event_t, Free> event{xcb_wait_for_event(connection)}) {
    switch (event->response_type & 0x7F) {
      case XCB_SELECTION_REQUEST: {
        const auto& request = reinterpret_cast<const xcb_selection_request_event_t&>(*event);
        xcb_atom_t answer = request.property == XCB_ATOM_NONE ? request.target : request.property;
        if (request.target == targets) {
          xcb_atom_t offered[] = {targets, offered_type};
          xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, answer,
                              XCB_ATOM_ATOM, 32, 2, offered);
          say("asked for the targets");
        } else if (picture && request.target == png) {
          xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, answer, png, 8,
                              static_cast<std::uint32_t>(text.size()), text.data());
        } else if (request.target == utf8 && requestor == 0) {
          requestor = request.requestor;
          property = answer;
          std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
          xcb_change_window_attributes(connection, requestor, XCB_CW_EVENT_MASK, &events);
          auto size = static_cast<std::uint32_t>(text.size());
          xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, incr, 32, 1,
                              &size);
        } else {
          answer = XCB_ATOM_NONE;
        }
        notify(connection, request, answer);
        break;
      }
      case XCB_PROPERTY_NOTIFY: {
        const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(*event);
        if (change.window != requestor || change.atom != property ||
            change.state != XCB_PROPERTY_DELETE) {
          break;
        }
        if (parts_sent == 0) {
          xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, utf8, 8,
                              static_cast<std::uint32_t>(first_part), text.data());
          xcb_flush(connection);
          ++parts_sent;
          break;
        }
        // The first part was taken: break off.
        say("broke");
        if (!stall) {
          xcb_disconnect(connection);
          return 0;
        }
        requestor = 0;
        break;
      }
      default:
        break;
    }
  }
  return 0;
}
