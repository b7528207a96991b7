#include "gadget_fixture.h"
#include "ui/measure.h"

namespace ambrel {
namespace {

using MeasureTest = GadgetTest;

// Headless figures: 7 px per unit, 13 px per line, 2 px edges, 17 px scroll bars.
TEST_F(MeasureTest, ButtonsAndTextsFollowTheirText) {
  int open = create_button_gadget(kAnyNumber, {}, {u"  Open ..."});
  EXPECT_EQ(gadget_natural_size(open), (Size{7 * 10 + 10 + 4, 24}));
  int multi = create_button_gadget(kAnyNumber, {}, {u"x", kButtonMultiLine});
  EXPECT_EQ(gadget_natural_size(multi), (Size{7 + 10 + 4, 24}));

  int empty = create_text_gadget(kAnyNumber, {}, {});
  EXPECT_EQ(gadget_natural_size(empty), (Size{2, 13 + 2}));
  int two_lines = create_text_gadget(kAnyNumber, {}, {u"short\r\nthe longer one"});
  EXPECT_EQ(gadget_natural_size(two_lines), (Size{14 * 7 + 2, 2 * 13 + 2}));
  int bordered = create_text_gadget(kAnyNumber, {}, {u"short\r\nthe longer one", kTextBorder});
  EXPECT_EQ(gadget_natural_size(bordered), (Size{14 * 7 + 4, 2 * 13 + 4}));

  // Measured anew from the current text.
  set_gadget_text(open, u"Go");
  EXPECT_EQ(gadget_natural_size(open), (Size{14 + 10 + 4, 24}));
}

TEST_F(MeasureTest, KindsWithoutAMeasureAndUnknownGadgetsAreZero) {
  EXPECT_EQ(gadget_natural_size(create_editor_gadget(kAnyNumber, {}, {})), (Size{}));
  EXPECT_EQ(gadget_natural_size(create_frame_gadget(kAnyNumber, {}, {u"caption"})), (Size{}));
  EXPECT_EQ(gadget_natural_size(create_container_gadget(kAnyNumber, {}, {})), (Size{}));
  EXPECT_EQ(gadget_natural_size(99), (Size{}));
  EXPECT_EQ(gadget_caption_height(99), 0);
}

TEST_F(MeasureTest, FrameCaptionHeight) {
  int frame = create_frame_gadget(kAnyNumber, {}, {u"Input"});
  EXPECT_EQ(gadget_caption_height(frame), 13);
  int untitled = create_frame_gadget(kAnyNumber, {}, {});
  EXPECT_EQ(gadget_caption_height(untitled), 13);
  // A small font still reserves 10 pixels.
  EXPECT_EQ(caption_height({40, 8}), 10);
}

TEST(MeasureFormulas, EveryKindOfTheTable) {
  SystemMetrics metrics{2, 2, 1, 1, 17, 17};
  EXPECT_EQ(button_natural_size({52, 13}, metrics), (Size{66, 24}));
  EXPECT_EQ(button_natural_size({52, 30}, metrics), (Size{66, 34}));
  EXPECT_EQ(text_natural_size({0, 13}, false, metrics), (Size{2, 15}));
  EXPECT_EQ(text_natural_size({50, 13}, true, SystemMetrics{3, 4, 1, 1, 17, 17}), (Size{56, 21}));
  EXPECT_EQ(hyperlink_natural_size({50, 13}), (Size{54, 17}));
  EXPECT_EQ(check_natural_size({50, 13}), (Size{70, 20}));
  EXPECT_EQ(check_natural_size({50, 26}), (Size{70, 28}));
  EXPECT_EQ(string_natural_size({14, 13}, metrics), (Size{4, 20}));
  EXPECT_EQ(string_natural_size({14, 19}, metrics), (Size{4, 23}));
  EXPECT_EQ(spin_natural_size({14, 13}, metrics), (Size{54, 20}));
  EXPECT_EQ(address_natural_size({105, 13}, metrics), (Size{109, 20}));
  EXPECT_EQ(combobox_natural_size({14, 13}), (Size{21, 21}));
  EXPECT_EQ(combobox_natural_size({14, 16}), (Size{24, 24}));
  EXPECT_EQ(date_natural_size({70, 13}, false, metrics), (Size{74 + 20 + 4, 20}));
  EXPECT_EQ(date_natural_size({70, 13}, true, metrics), (Size{74 + 40 + 4, 20}));
  EXPECT_EQ(button_image_natural_size({16, 16}, metrics), (Size{28, 28}));
  EXPECT_EQ(scrollbar_natural_size(true, metrics), (Size{17, 0}));
  EXPECT_EQ(scrollbar_natural_size(false, metrics), (Size{0, 17}));
}

}  // namespace
}  // namespace ambrel
