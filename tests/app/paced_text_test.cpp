// A text a thread reads from a file and hands to the fill and the worker, never far ahead of
// the slower of them.

#include "app/paced_text.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>

namespace ambrel {
namespace {

TEST(PacedTextTest, BothReadersGetEveryPieceInOrder) {
  auto text = std::make_shared<PacedText>();
  std::unique_ptr<TextSource> shown = text->shown_reader();
  std::shared_ptr<TextSource> declared = text->declared_reader();
  std::u16string sent;
  std::thread reading([&] {
    for (int i = 0; i < 100; ++i) {
      std::u16string piece = u"<p>" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      if (!text->add(piece)) return;
      sent += piece;
    }
    text->end();
  });
  std::u16string worker, fill;
  std::thread working([&] {
    std::u16string_view piece;
    while (declared->next(piece)) worker += piece;
  });
  // The fill never waits: an empty piece says the next is on its way.
  std::u16string_view piece;
  while (shown->next(piece)) {
    if (piece.empty()) {
      std::promise<void> more;
      shown->when_more([&more] { more.set_value(); });
      more.get_future().wait();
    }
    fill += piece;
  }
  working.join();
  reading.join();
  EXPECT_EQ(fill, sent);
  EXPECT_EQ(worker, sent);
  EXPECT_EQ(sent.size(), 400u);
}

// Clear must be able to end a reading that waits for a reader that never comes on.
TEST(PacedTextTest, AStopReleasesAReadingThatWaitsForRoom) {
  auto text = std::make_shared<PacedText>();
  std::unique_ptr<TextSource> shown = text->shown_reader();
  text->no_declared_reader();
  for (std::size_t i = 0; i < PacedText::kPiecesAhead; ++i) ASSERT_TRUE(text->add(u"<a/>"));
  auto waiting = std::async(std::launch::async, [&text] { return text->add(u"<b/>"); });
  text->stop();
  EXPECT_FALSE(waiting.get());
  std::u16string_view piece;
  EXPECT_FALSE(shown->next(piece));
}

// A reader that goes (the fill of an input replaced since) no longer holds the reading back.
TEST(PacedTextTest, AReaderThatGoesNoLongerHoldsTheReadingBack) {
  auto text = std::make_shared<PacedText>();
  std::shared_ptr<TextSource> declared = text->declared_reader();
  text->shown_reader().reset();
  std::thread reading([&text] {
    for (int i = 0; i < 50; ++i) text->add(u"<a/>");
    text->end();
  });
  std::u16string worker;
  std::u16string_view piece;
  while (declared->next(piece)) worker += piece;
  reading.join();
  EXPECT_EQ(worker.size(), 200u);
}

}  // namespace
}  // namespace ambrel
