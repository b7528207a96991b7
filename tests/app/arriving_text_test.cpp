// A paste whose text arrives in parts from another thread, read by the input's fill (never
// waiting) and by the worker (waiting).

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/arriving_text.h"

namespace ambrel {
namespace {

struct Reading {
  std::u16string text;
  bool split_line_end = false;  // a piece ended in the CR of a CR LF
  bool split_pair = false;      // a piece ended in a high surrogate
};

Reading read_all(TextSource& source) {
  Reading reading;
  std::u16string_view piece;
  while (source.next(piece)) {
    if (!reading.text.empty() && !piece.empty()) {
      char16_t last = reading.text.back();
      reading.split_line_end |= last == u'\r' && piece.front() == u'\n';
      reading.split_pair |= last >= 0xD800 && last <= 0xDBFF;
    }
    reading.text += piece;
  }
  return reading;
}

TEST(ArrivingTextTest, BothReadersGetTheWholeTextWhereverItsPartsWereCut) {
  const std::u16string text = u"<a>\r\n\U0001F600x\r\n<b>\U0001F601</b>\r</a>";
  for (std::size_t cut = 1; cut < text.size(); ++cut) {
    int known = 0;
    auto arriving = std::make_shared<ArrivingText>(3, [&] { ++known; });
    std::unique_ptr<TextSource> shown = arriving->shown_reader();
    std::shared_ptr<TextSource> declared = arriving->declared_reader();
    std::thread sender([&] {
      arriving->add(std::u16string_view(text).substr(0, cut));
      arriving->add(std::u16string_view(text).substr(cut));
      arriving->end();
    });
    Reading worker = read_all(*declared);
    sender.join();
    Reading fill = read_all(*shown);
    for (const Reading& reading : {worker, fill}) {
      EXPECT_EQ(reading.text, text) << cut;
      EXPECT_FALSE(reading.split_line_end) << cut;
      EXPECT_FALSE(reading.split_pair) << cut;
    }
    EXPECT_EQ(known, 1) << cut;
    EXPECT_TRUE(arriving->has_text());
  }
}

TEST(ArrivingTextTest, TheFillNeverWaitsAndIsWokenWhenMoreComes) {
  auto arriving = std::make_shared<ArrivingText>(64, [] {});
  std::unique_ptr<TextSource> shown = arriving->shown_reader();
  std::u16string_view piece = u"stale";
  ASSERT_TRUE(shown->next(piece));
  EXPECT_TRUE(piece.empty());
  std::atomic<int> wakes = 0;
  shown->when_more([&] { ++wakes; });
  EXPECT_EQ(wakes, 0);
  arriving->add(u"<a/>");
  EXPECT_EQ(wakes, 1);
  ASSERT_TRUE(shown->next(piece));
  EXPECT_EQ(piece, u"<a/>");
  ASSERT_TRUE(shown->next(piece));
  EXPECT_TRUE(piece.empty());
  shown->when_more([&] { ++wakes; });
  arriving->end();
  EXPECT_EQ(wakes, 2);
  EXPECT_FALSE(shown->next(piece));
  shown->when_more([&] { ++wakes; });  // the end is there: at once
  EXPECT_EQ(wakes, 3);
}

TEST(ArrivingTextTest, AStoppedWorkerLeavesTheFillItsTextAndKeepsNoPieces) {
  auto arriving = std::make_shared<ArrivingText>(2, [] {});
  std::unique_ptr<TextSource> shown = arriving->shown_reader();
  std::shared_ptr<TextSource> declared = arriving->declared_reader();
  std::u16string_view piece;
  std::thread worker([&] { EXPECT_FALSE(declared->next(piece)); });
  declared->stop();
  worker.join();
  arriving->add(u"<a>1</a>");
  arriving->end();
  EXPECT_EQ(read_all(*shown).text, u"<a>1</a>");
  EXPECT_FALSE(declared->next(piece));
}

TEST(ArrivingTextTest, AClipboardWithoutTextIsKnownAtItsEnd) {
  int known = 0;
  auto arriving = std::make_shared<ArrivingText>(64, [&] { ++known; });
  arriving->add(u"");
  EXPECT_EQ(known, 0);
  arriving->end();
  EXPECT_EQ(known, 1);
  EXPECT_FALSE(arriving->has_text());
  std::u16string_view piece;
  EXPECT_FALSE(arriving->declared_reader()->next(piece));
}

// The owner quit midway: what came is only a start, and nothing reads it.
TEST(ArrivingTextTest, ATextThatFailsIsKnownOnceAtItsFailureAndHandsOutNothing) {
  int ended = 0;
  auto arriving = std::make_shared<ArrivingText>(64, [&] { ++ended; });
  arriving->add(u"<a><b>1</b>");
  EXPECT_EQ(ended, 0);
  arriving->fail();
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(arriving->failed());
  arriving->add(u"</a>");
  arriving->end();
  EXPECT_EQ(ended, 1);
  std::u16string_view piece;
  EXPECT_FALSE(arriving->shown_reader()->next(piece));
  EXPECT_FALSE(arriving->declared_reader()->next(piece));
}

}  // namespace
}  // namespace ambrel
