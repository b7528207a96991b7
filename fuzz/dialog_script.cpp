#include "dialog_script.h"

#include <algorithm>
#include <string>
#include <vector>

#include "dialog/dialog.h"
#include "dialog/objects/dialog_object.h"
#include "dialog/definition/runtime_registry.h"
#include "fuzz_text.h"
#include "support/object_registry.h"
#include "ui/drop.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {
namespace {

// Bounds that keep one input fast: steps of the main script, steps taken from inside
// procedures, and how deeply procedures may nest through the events they cause.
constexpr int kMostSteps = 400;
constexpr int kMostProcedureSteps = 200;
constexpr int kDeepestProcedure = 3;

// The script a runtime procedure reaches; set while a DialogScript lives.
DialogScript*& playing() {
  static DialogScript* script = nullptr;
  return script;
}

void scripted_procedure() {
  if (playing() != nullptr) playing()->procedure_step();
}

void check_tree(const DialogObject& root) {
  std::vector<const DialogObject*> pending{&root};
  while (!pending.empty()) {
    const DialogObject* object = pending.back();
    pending.pop_back();
    for (const auto& child : object->children()) {
      fuzz_require(child != nullptr && child->parent() == object, "children know their parent");
      pending.push_back(child.get());
    }
  }
}

// Every control under the window, in no particular order.
std::vector<NativeHandle> controls_of(const Backend& backend, NativeHandle window) {
  std::vector<NativeHandle> found;
  if (!backend.is_window(window)) return found;
  std::vector<NativeHandle> pending = backend.child_controls(window);
  while (!pending.empty()) {
    NativeHandle control = pending.back();
    pending.pop_back();
    fuzz_require(backend.is_control(control), "child lists hold live controls");
    found.push_back(control);
    std::vector<NativeHandle> children = backend.child_controls(control);
    pending.insert(pending.end(), children.begin(), children.end());
  }
  return found;
}

}  // namespace

DialogScript::DialogScript(HeadlessBackend& backend, int document, std::u16string_view units)
    : backend_(backend), document_(document), units_(units) {
  playing() = this;
}

DialogScript::~DialogScript() {
  free_dialog();
  drain_events();
  playing() = nullptr;
}

bool DialogScript::open() {
  dialog_ = dialog_create(kAnyNumber);
  fuzz_require(dialog_ != 0, "a dialog");
  int opened = dialog_open(dialog_, document_, u"", 0, 0);
  std::string error = dialog_error_text(dialog_);
  fuzz_require(error.size() < 512, "error texts fit their buffer");
  if (opened == 0) {
    // Not every failure has a text: a window number out of range fails the open silently.
    fuzz_require(dialog_window(dialog_) == -1 && dialog_root(dialog_) == nullptr,
                 "nothing left open");
    return false;
  }
  fuzz_require(error.empty(), "no error after a successful open");
  fuzz_require(dialog_root(dialog_) != nullptr && dialog_window(dialog_) != -1,
               "a window and its tree");
  int number = dialog_window(dialog_);
  for (int code : {kEventTimer, kEventWindowDrop, kEventGadgetDrop, kEventSizeWindow}) {
    bind_event(code, scripted_procedure, number);
  }
  check();
  return true;
}

void DialogScript::play() {
  if (units_.empty()) {
    // Inputs without a script still get the two extreme sizes, a Tab round and a timer tick.
    backend_.user_resize(window(), {1280, 1024});
    backend_.user_resize(window(), {1, 1});
    backend_.user_press_tab(window(), false);
    backend_.advance_clock(1000);
    check();
    return;
  }
  for (int step = 0; step < kMostSteps && at_ < units_.size(); ++step) {
    user_step();
    drain_events();
    check();
  }
}

void DialogScript::procedure_step() {
  if (depth_ >= kDeepestProcedure || procedure_steps_ >= kMostProcedureSteps) return;
  ++depth_;
  ++procedure_steps_;
  int window_number = event_window();
  int object = event_object();
  switch (pick(8)) {
    case 0:
      break;
    case 1:
      window_resize(window_number, 0, 0, pick_size(), pick_size());
      break;
    case 2:
      window_close(window_number);
      break;
    case 3:
      reopen();
      break;
    case 4:
      free_dialog();
      break;
    case 5:
      window_wait_event(static_cast<int>(pick(100)));
      break;
    case 6:
      backend_.user_press_tab(window(), pick(2) == 1);
      break;
    default:
      library_step(object);
      break;
  }
  --depth_;
}

unsigned DialogScript::pick(unsigned choices) {
  if (at_ >= units_.size()) return 0;
  return units_[at_++] % choices;
}

// Mostly ordinary sizes; now and then 0, negative or far past any screen.
int DialogScript::pick_size() {
  switch (pick(8)) {
    case 0:
      return -static_cast<int>(pick(100));
    case 1:
      return static_cast<int>(pick(40000)) * 997;
    default:
      return static_cast<int>(pick(1500));
  }
}

Point DialogScript::pick_point(NativeHandle control) {
  Rect geometry = backend_.is_control(control) ? backend_.control_geometry(control) : Rect{};
  int x = static_cast<int>(pick(static_cast<unsigned>(std::max(geometry.width, 0)) + 20)) - 10;
  int y = static_cast<int>(pick(static_cast<unsigned>(std::max(geometry.height, 0)) + 20)) - 10;
  return {x, y};
}

NativeHandle DialogScript::window() const {
  if (dialog_ == 0) return kNoHandle;
  return window_handle(dialog_window(dialog_));
}

NativeHandle DialogScript::pick_control() {
  std::vector<NativeHandle> controls = controls_of(backend_, window());
  if (controls.empty()) return window();
  return controls[pick(static_cast<unsigned>(controls.size()))];
}

// A control of the kind when there is one, else any.
NativeHandle DialogScript::pick_control_of(ControlKind kind) {
  std::vector<NativeHandle> controls = controls_of(backend_, window());
  std::vector<NativeHandle> of_kind;
  std::copy_if(controls.begin(), controls.end(), std::back_inserter(of_kind),
               [&](NativeHandle control) { return backend_.control_kind(control) == kind; });
  if (of_kind.empty()) return pick_control();
  return of_kind[pick(static_cast<unsigned>(of_kind.size()))];
}

int DialogScript::pick_gadget() { return gadget_number_of(pick_control()); }

void DialogScript::user_step() {
  switch (pick(14)) {
    case 0:
      backend_.user_resize(window(), {pick_size(), pick_size()});
      break;
    case 1: {
      NativeHandle control = pick_control();
      backend_.user_click(control, pick(3) == 0 ? MouseButton::Right : MouseButton::Left,
                          pick_point(control));
      break;
    }
    case 2: {
      NativeHandle control = pick_control();
      backend_.user_double_click(control, pick_point(control));
      break;
    }
    case 3:
      type_text();
      break;
    case 4:
      backend_.user_focus(pick_control());
      break;
    case 5:
      backend_.user_press_tab(window(), pick(2) == 1);
      break;
    case 6:
      drag_splitter();
      break;
    case 7:
      backend_.advance_clock(pick(3000));
      break;
    case 8:
      drop_files();
      break;
    case 9:
      change_window_state();
      break;
    case 10:
      window_wait_event(static_cast<int>(pick(500)));
      break;
    case 11:
      procedure_step();
      break;
    case 12:
      library_step(pick_gadget());
      break;
    default: {
      int number = dialog_ == 0 ? -1 : dialog_window(dialog_);
      window_add_timer(number, static_cast<int>(pick(4)), static_cast<int>(pick(2000)));
      break;
    }
  }
}

// Press on a splitter's bar, a few moves (possibly far outside) and the release.
void DialogScript::drag_splitter() {
  NativeHandle splitter = pick_control_of(ControlKind::Splitter);
  backend_.user_mouse(splitter, {MouseAction::Press, MouseButton::Left, pick_point(splitter), 0});
  for (unsigned moves = pick(4); moves > 0; --moves) {
    Point to = pick_point(splitter);
    if (pick(4) == 0) to = {to.x * 1000, -to.y * 1000};
    backend_.user_mouse(splitter, {MouseAction::Move, MouseButton::Left, to, 0});
  }
  backend_.user_mouse(splitter, {MouseAction::Release, MouseButton::Left, pick_point(splitter), 0});
}

void DialogScript::type_text() {
  static constexpr char16_t kKeys[] = u"ab1 <>&\n\r\t\u00e9\u4e2d\xd800\xdc00";
  NativeHandle control = pick_control_of(pick(2) == 0 ? ControlKind::Editor : ControlKind::String);
  std::u16string text;
  for (unsigned length = pick(12); length > 0; --length) text += kKeys[pick(std::size(kKeys) - 1)];
  backend_.user_type(control, text);
}

void DialogScript::drop_files() {
  NativeHandle target = pick_control();
  int gadget = gadget_number_of(target);
  int actions = static_cast<int>(pick(8));
  if (pick(2) == 0) {
    enable_gadget_drop(gadget, kDropFormatFiles, actions);
  } else {
    enable_window_drop(window_number_of(target), kDropFormatFiles, actions);
    target = window();
  }
  std::vector<std::u16string> files(pick(4), u"/tmp/dropped\nfile");
  if (!files.empty()) files[0] = u"";
  backend_.user_drop_files(target, files, pick_point(target), static_cast<int>(pick(8)),
                           static_cast<int>(pick(64)));
}

void DialogScript::change_window_state() {
  NativeHandle handle = window();
  switch (pick(7)) {
    case 0:
      backend_.user_minimize(handle);
      break;
    case 1:
      backend_.user_maximize(handle);
      break;
    case 2:
      backend_.user_restore(handle);
      break;
    case 3:
      backend_.user_activate(handle);
      break;
    case 4:
      backend_.user_move(handle, {pick_size(), pick_size()});
      break;
    case 5:
      window_show(dialog_ == 0 ? -1 : dialog_window(dialog_), static_cast<int>(pick(2)), 0);
      break;
    default:
      backend_.user_close(handle);
      break;
  }
}

// Calls into the gadget and window layers the way event procedures do.
void DialogScript::library_step(int gadget) {
  int number = dialog_ == 0 ? -1 : dialog_window(dialog_);
  switch (pick(9)) {
    case 0:
      hide_gadget(gadget, static_cast<int>(pick(2)));
      break;
    case 1:
      disable_gadget(gadget, static_cast<int>(pick(2)));
      break;
    case 2:
      free_gadget(gadget);
      break;
    case 3:
      set_gadget_text(gadget, u"x\r\ny");
      break;
    case 4:
      set_gadget_state(gadget, static_cast<int>(pick(5)) - 1);
      break;
    case 5:
      resize_gadget(gadget, pick_size(), pick_size(), pick_size(), pick_size());
      break;
    case 6:
      window_bounds(number, pick_size(), pick_size(), pick_size(), pick_size());
      break;
    case 7:
      window_remove_timer(number, static_cast<int>(pick(4)));
      break;
    default:
      backend_.user_focus(gadget_handle(gadget));
      break;
  }
}

void DialogScript::reopen() {
  free_dialog();
  open();
}

void DialogScript::free_dialog() {
  if (dialog_ == 0) return;
  std::int32_t dialog = dialog_;
  dialog_ = 0;
  dialog_free(dialog);
}

void DialogScript::drain_events() {
  for (int taken = 0; taken < 10000 && take_event() != 0; ++taken) {}
}

void DialogScript::check() const {
  if (dialog_ == 0) return;
  if (const DialogObject* root = dialog_root(dialog_)) check_tree(*root);
  controls_of(backend_, window());
}

void register_script_procedures() {
  for (const char16_t* name :
       {u"events_cmdCopyAll()", u"events_cmdFile()", u"events_txtOut()", u"events_txtIn()",
        u"events_cmdClear()", u"events_cmdPaste()", u"p()", u"q()"}) {
    runtime_register_procedure(name, scripted_procedure);
  }
}

}  // namespace ambrel
