// The input editor's text handed to the worker: read on the user-interface thread, so each
// serving must give the window back within a turn however fast the worker takes the slices.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "ui/editor_text_turns.h"

namespace ambrel {
namespace {

// An editor whose slices take longer to read than a turn lasts.
class SlowEditorReader final : public ControlTextReader {
 public:
  SlowEditorReader(int slices, int& reads) : slices_(slices), reads_(reads) {}
  bool read(std::size_t, const TextPieceHandler& take) override {
    if (slices_ == 0) return false;
    --slices_;
    ++reads_;
    std::this_thread::sleep_for(Turn::kBudget + std::chrono::milliseconds(5));
    take(u"<v>1</v>");
    return true;
  }

 private:
  int slices_;
  int& reads_;
};

TEST(EditorFeedTest, EachServingReadsWithinOneTurnAndAsksForTheNext) {
  int reads = 0;
  int asks = 0;
  EditorFeed feed(std::make_unique<SlowEditorReader>(3, reads), [&asks] { ++asks; });
  std::shared_ptr<TextStream::Reader> worker = feed.take_reader();
  ASSERT_EQ(asks, 1);

  // The worker has room for two slices, but a turn ends after the first.
  feed.serve();
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(asks, 2);

  // Served again as asked, to the end: the worker gets the whole text, then its end.
  std::u16string text;
  std::u16string_view piece;
  for (Taken taken; (taken = worker->take(piece)) != Taken::end;) {
    if (taken == Taken::piece) {
      text += piece;
    } else {
      feed.serve();
    }
  }
  EXPECT_EQ(text, u"<v>1</v><v>1</v><v>1</v>");
  EXPECT_EQ(reads, 3);
}

}  // namespace
}  // namespace ambrel
