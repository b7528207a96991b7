// One text in pieces, written from one thread and read by several: joined whole wherever the
// writer's parts were cut, never far ahead of a paced reader, and let go once read.

#include "support/text_stream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <thread>

#include "support/unicode_text.h"

namespace ambrel {
namespace {

struct Reading {
  std::u16string text;
  std::size_t pieces = 0;
  bool split_line_end = false;  // a piece ended in the CR of a CR LF
  bool split_pair = false;      // a piece ended in a high surrogate
};

Reading read_all(TextStream::Reader& reader) {
  Reading reading;
  std::u16string_view piece;
  while (reader.wait(piece)) {
    if (!reading.text.empty() && !piece.empty()) {
      reading.split_line_end |= reading.text.back() == u'\r' && piece.front() == u'\n';
      reading.split_pair |= is_high_surrogate(reading.text.back());
    }
    reading.text += piece;
    ++reading.pieces;
  }
  return reading;
}

// A reader that never waits, woken from the writer's thread while the next piece is on its way.
std::u16string read_without_waiting(TextStream::Reader& reader) {
  std::u16string text;
  std::u16string_view piece;
  for (Taken taken; (taken = reader.take(piece)) != Taken::end;) {
    if (taken == Taken::none_yet) {
      std::promise<void> more;
      reader.when_more([&more] { more.set_value(); });
      more.get_future().wait();
    }
    text += piece;
  }
  return text;
}

TEST(TextStreamTest, EveryReaderGetsTheWholeTextWhereverItsPartsWereCut) {
  const std::u16string text = u"<a>\r\n\U0001F600x\r\n<b>\U0001F601</b>\r</a>\r";
  for (std::size_t cut = 1; cut < text.size(); ++cut) {
    for (std::size_t units : {std::size_t{1}, std::size_t{3}, kTextPieceUnits}) {
      std::shared_ptr<TextStream> stream = TextStream::make({units, 0});
      std::unique_ptr<TextStream::Reader> shown = stream->reader();
      std::unique_ptr<TextStream::Reader> declared = stream->reader();
      std::thread writer([&] {
        stream->append(std::u16string_view(text).substr(0, cut));
        stream->append(std::u16string_view(text).substr(cut));
        stream->close();
      });
      Reading worker = read_all(*declared);
      std::u16string fill = read_without_waiting(*shown);
      writer.join();
      EXPECT_EQ(worker.text, text) << cut << " " << units;
      EXPECT_EQ(fill, text) << cut << " " << units;
      EXPECT_FALSE(worker.split_line_end) << cut << " " << units;
      EXPECT_FALSE(worker.split_pair) << cut << " " << units;
      EXPECT_TRUE(stream->has_text());
      EXPECT_EQ(stream->units(), text.size()) << cut << " " << units;
    }
  }
}

TEST(TextStreamTest, PiecesKeepToTheirSizeAndOnlyALineEndOrAPairMakesOneLonger) {
  std::shared_ptr<TextStream> stream = TextStream::make({2, 0});
  std::unique_ptr<TextStream::Reader> reader = stream->reader();
  stream->append(u"ab\r\ncd\U0001F600e\r\n\r\nf\U0001F601");
  stream->close();
  std::u16string_view piece;
  std::u16string whole;
  for (Taken taken; (taken = reader->take(piece)) != Taken::end;) {
    ASSERT_EQ(taken, Taken::piece);
    EXPECT_LE(piece.size(), 2u);
    whole += piece;
  }
  EXPECT_EQ(whole, u"ab\r\ncd\U0001F600e\r\n\r\nf\U0001F601");
}

TEST(TextStreamTest, AReaderThatTakesWithoutWaitingIsWokenWhenMoreComes) {
  std::shared_ptr<TextStream> stream = TextStream::make();
  std::unique_ptr<TextStream::Reader> reader = stream->reader();
  std::u16string_view piece = u"stale";
  ASSERT_EQ(reader->take(piece), Taken::none_yet);
  EXPECT_TRUE(piece.empty());
  std::atomic<int> wakes = 0;
  reader->when_more([&] { ++wakes; });
  EXPECT_EQ(wakes, 0);
  stream->append(u"<a/>");
  EXPECT_EQ(wakes, 1);
  ASSERT_EQ(reader->take(piece), Taken::piece);
  EXPECT_EQ(piece, u"<a/>");
  ASSERT_EQ(reader->take(piece), Taken::none_yet);
  reader->when_more([&] { ++wakes; });
  stream->close();
  EXPECT_EQ(wakes, 2);
  EXPECT_EQ(reader->take(piece), Taken::end);
  reader->when_more([&] { ++wakes; });  // the end is there: at once
  EXPECT_EQ(wakes, 3);
}

TEST(TextStreamTest, AStoppedReaderLeavesTheOthersTheirTextAndHoldsNoPieces) {
  std::shared_ptr<TextStream> stream = TextStream::make({2, 0});
  std::unique_ptr<TextStream::Reader> shown = stream->reader();
  std::unique_ptr<TextStream::Reader> declared = stream->reader();
  std::u16string_view piece;
  std::thread worker([&] { EXPECT_FALSE(declared->wait(piece)); });
  declared->stop();
  worker.join();
  stream->append(u"<a>1</a>");
  stream->close();
  EXPECT_EQ(read_all(*shown).text, u"<a>1</a>");
  EXPECT_EQ(declared->take(piece), Taken::end);
}

TEST(TextStreamTest, AllPiecesWaitForTheFirstReaderAndGoOnceEveryReaderPassedThem) {
  std::shared_ptr<TextStream> stream = TextStream::make({4, 0});
  stream->append(u"<a>1</a><b>2</b>");
  stream->close();
  std::unique_ptr<TextStream::Reader> shown = stream->reader();
  std::unique_ptr<TextStream::Reader> declared = stream->reader();
  Reading first = read_all(*shown);
  EXPECT_EQ(first.text, u"<a>1</a><b>2</b>");
  EXPECT_EQ(first.pieces, 4u);
  std::u16string_view piece;
  ASSERT_EQ(declared->take(piece), Taken::piece);
  EXPECT_EQ(piece, u"<a>1");
  declared.reset();  // the last reader of the rest goes: nothing holds it
  std::unique_ptr<TextStream::Reader> late = stream->reader();
  EXPECT_EQ(late->take(piece), Taken::end);
}

TEST(TextStreamTest, AStreamWithoutTextIsKnownAtItsEnd) {
  int ended = 0;
  std::shared_ptr<TextStream> stream = TextStream::make();
  stream->when_ended([&] { ++ended; });
  stream->append(u"");
  EXPECT_EQ(ended, 0);
  stream->close();
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(stream->has_text());
  std::u16string_view piece;
  EXPECT_EQ(stream->reader()->take(piece), Taken::end);
  stream->when_ended([&] { ++ended; });  // ended already: at once
  EXPECT_EQ(ended, 2);
}

// The clipboard's owner quit midway: what came is only a start, and nothing reads it.
TEST(TextStreamTest, ATextThatFailsIsKnownOnceAtItsFailureAndHandsOutNothing) {
  int ended = 0;
  std::shared_ptr<TextStream> stream = TextStream::make();
  stream->when_ended([&] { ++ended; });
  std::unique_ptr<TextStream::Reader> early = stream->reader();
  stream->append(u"<a><b>1</b>");
  stream->fail();
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(stream->failed());
  EXPECT_FALSE(stream->has_text());
  EXPECT_FALSE(stream->append(u"</a>"));
  stream->close();
  EXPECT_EQ(ended, 1);
  std::u16string_view piece;
  EXPECT_EQ(early->take(piece), Taken::end);
  EXPECT_FALSE(stream->reader()->wait(piece));
}

TEST(TextStreamTest, APacedWriterStaysNearTheSlowerReaderAndBothGetEveryPiece) {
  std::shared_ptr<TextStream> stream = TextStream::make({kTextPieceUnits, 4});
  std::unique_ptr<TextStream::Reader> shown = stream->reader();
  std::unique_ptr<TextStream::Reader> declared = stream->reader();
  std::u16string sent;
  std::thread writer([&] {
    for (int i = 0; i < 100; ++i) {
      std::u16string piece = u"<p>" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      if (!stream->append(piece)) return;
      sent += piece;
    }
    stream->close();
  });
  std::u16string worker;
  std::thread working([&] { worker = read_all(*declared).text; });
  std::u16string fill = read_without_waiting(*shown);
  working.join();
  writer.join();
  EXPECT_EQ(sent.size(), 400u);
  EXPECT_EQ(fill, sent);
  EXPECT_EQ(worker, sent);
}

// Clear must be able to end a reading that waits for a reader that never comes on.
TEST(TextStreamTest, AStopReleasesAWriterThatWaitsForRoom) {
  std::shared_ptr<TextStream> stream = TextStream::make({kTextPieceUnits, 4});
  std::unique_ptr<TextStream::Reader> shown = stream->reader();
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(stream->append(u"<a/>"));
  EXPECT_FALSE(stream->has_room());
  bool room = false;
  stream->when_room([&] { room = true; });
  auto waiting = std::async(std::launch::async, [&stream] { return stream->append(u"<b/>"); });
  stream->stop();
  EXPECT_FALSE(waiting.get());
  EXPECT_TRUE(room);
  std::u16string_view piece;
  EXPECT_EQ(shown->take(piece), Taken::end);
}

// A reader that goes (the fill of an input replaced since) no longer holds the writer back;
// once none is left, the writer hears that nothing reads on.
TEST(TextStreamTest, AReaderThatGoesNoLongerHoldsTheWriterBack) {
  std::shared_ptr<TextStream> stream = TextStream::make({kTextPieceUnits, 4});
  std::unique_ptr<TextStream::Reader> declared = stream->reader();
  stream->reader().reset();
  std::thread writer([&stream] {
    for (int i = 0; i < 50; ++i) stream->append(u"<a/>");
    stream->close();
  });
  EXPECT_EQ(read_all(*declared).text.size(), 200u);
  writer.join();
  declared.reset();
  EXPECT_FALSE(stream->append(u"<b/>"));
}

TEST(TextStreamTest, AWriterThatMustNotWaitIsToldWhenThereIsRoom) {
  std::shared_ptr<TextStream> stream = TextStream::make({kTextPieceUnits, 2});
  std::unique_ptr<TextStream::Reader> reader = stream->reader();
  stream->append(u"1");
  EXPECT_TRUE(stream->has_room());
  stream->append(u"2");
  EXPECT_FALSE(stream->has_room());
  int wakes = 0;
  stream->when_room([&] { ++wakes; });
  EXPECT_EQ(wakes, 0);
  std::u16string_view piece;
  ASSERT_EQ(reader->take(piece), Taken::piece);
  EXPECT_EQ(piece, u"1");
  EXPECT_EQ(wakes, 1);
  stream->when_room([&] { ++wakes; });  // room now: at once
  EXPECT_EQ(wakes, 2);
}

}  // namespace
}  // namespace ambrel
