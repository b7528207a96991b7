#include <gtest/gtest.h>

#include <memory>

#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "services/services.h"
#include "support/object_registry.h"
#include "backend/headless/headless_backend.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

struct Objects {
  int document = 0;
  int window = 0;
  std::int32_t dialog = 0;
};

// One object of each numbered service, and a runtime name.
Objects make_objects() {
  Objects made;
  made.document = xml_parse_text(kAnyNumber, u"<a/>");
  made.window = window_open(kAnyNumber, 0, 0, 100, 80, u"w", 0);
  made.dialog = dialog_create(kAnyNumber);
  runtime_register_integer(u"answer", 42);
  return made;
}

TEST(ServicesOwner, StartAndEndTwiceInOneProcessBringsEveryServiceBack) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    auto backend = std::make_unique<HeadlessBackend>();
    Backend* installed = backend.get();
    std::unique_ptr<Services> services = Services::start(std::move(backend));
    ASSERT_NE(services, nullptr);
    EXPECT_EQ(ui_backend(), installed);
    Objects made = make_objects();
    EXPECT_NE(made.document, 0);
    EXPECT_NE(made.window, 0);
    EXPECT_NE(made.dialog, 0);
    EXPECT_EQ(runtime_value(u"answer"), 42);

    services.reset();
    EXPECT_EQ(ui_backend(), nullptr);
    EXPECT_EQ(xml_is_document(made.document), 0);
    EXPECT_EQ(window_exists(made.window), 0);
    EXPECT_EQ(dialog_create(kAnyNumber), 0);
    EXPECT_EQ(runtime_is_defined(u"answer"), 0);
  }
}

TEST(ServicesOwner, WithoutABackendEverythingButTheUserInterfaceRuns) {
  std::unique_ptr<Services> services = Services::start();
  ASSERT_NE(services, nullptr);
  Objects made = make_objects();
  EXPECT_NE(made.document, 0);
  EXPECT_EQ(runtime_value(u"answer"), 42);
  EXPECT_EQ(ui_backend(), nullptr);
  EXPECT_EQ(made.window, 0);
  EXPECT_EQ(made.dialog, 0);
}

TEST(ServicesOwner, ASecondOwnerIsRefusedAndTheFirstKeepsRunning) {
  auto backend = std::make_unique<HeadlessBackend>();
  Backend* installed = backend.get();
  std::unique_ptr<Services> first = Services::start(std::move(backend));
  ASSERT_NE(first, nullptr);
  Objects made = make_objects();

  EXPECT_EQ(Services::start(std::make_unique<HeadlessBackend>()), nullptr);
  EXPECT_EQ(Services::start(), nullptr);

  EXPECT_EQ(ui_backend(), installed);
  EXPECT_NE(xml_is_document(made.document), 0);
  EXPECT_NE(window_exists(made.window), 0);
  EXPECT_EQ(runtime_value(u"answer"), 42);
  EXPECT_NE(window_open(kAnyNumber, 0, 0, 10, 10, u"more", 0), 0);

  first.reset();
  EXPECT_NE(Services::start(), nullptr) << "the ended owner no longer counts";
}

TEST(ServicesOwner, ARefusedBackendEndsWhatHadStarted) {
  // A window service started by hand keeps its backend: the owner's backend is refused.
  auto by_hand = std::make_unique<HeadlessBackend>();
  Backend* kept = by_hand.get();
  ASSERT_TRUE(use_backend(std::move(by_hand)));
  ASSERT_TRUE(window_library_init());

  EXPECT_EQ(Services::start(std::make_unique<HeadlessBackend>()), nullptr);
  EXPECT_EQ(xml_parse_text(kAnyNumber, u"<a/>"), 0);
  EXPECT_EQ(ui_backend(), kept);

  window_library_end();
  use_backend(nullptr);
  EXPECT_NE(Services::start(), nullptr) << "a refused start leaves no owner behind";
}

int releases = 0;
void count_release(void*) { ++releases; }

TEST(ServicesOwner, EndingReleasesTheDataOfTheTakenAndTheQueuedEvents) {
  std::unique_ptr<Services> services = Services::start(std::make_unique<HeadlessBackend>());
  ASSERT_NE(services, nullptr);
  while (take_event() != 0) {}
  static int taken = 0;
  static int queued = 0;
  releases = 0;
  raise_event(kEventTimer, 1, 1, 0, &taken, count_release);
  raise_event(kEventGadgetDrop, 2, 1, 0, &queued, count_release);
  ASSERT_EQ(take_event(), kEventTimer);
  EXPECT_EQ(releases, 0);
  services.reset();
  EXPECT_EQ(releases, 2);
}

TEST(ServicesOwner, ARunLeavesNoEventOrGadgetListStateToTheNext) {
  std::unique_ptr<Services> services = Services::start(std::make_unique<HeadlessBackend>());
  ASSERT_NE(services, nullptr);
  int first = window_open(kAnyNumber, 0, 0, 100, 80, u"first", 0);
  ASSERT_NE(first, 0);
  // Left open: a container's list, suppressed events, an event taken and one queued.
  ASSERT_NE(create_container_gadget(kAnyNumber, {}, {}), 0);
  window_open(kAnyNumber, 0, 0, 100, 80, u"second", 0);
  suppress_events();
  raise_event_forced(kEventTimer, 1, first, 0);
  raise_event_forced(kEventTimer, 2, first, 0);
  ASSERT_NE(take_event(), 0);
  services.reset();

  services = Services::start(std::make_unique<HeadlessBackend>());
  ASSERT_NE(services, nullptr);
  EXPECT_EQ(take_event(), 0);
  EXPECT_EQ(event_object(), 0);
  // The new backend numbers its windows afresh: this window's list is a new one.
  int window = window_open(kAnyNumber, 0, 0, 100, 80, u"again", 0);
  ASSERT_NE(window, 0);
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  ASSERT_NE(button, 0);
  EXPECT_EQ(ui_backend()->control_parent(gadget_handle(button)), window_handle(window));
  while (take_event() != 0) {}
  raise_event(kEventTimer, 3, window, 0);
  EXPECT_EQ(take_event(), kEventTimer);
  EXPECT_EQ(event_object(), 3);
}

}  // namespace
}  // namespace ambrel
