// File names in the tool's messages: recognisable, and never raw control bytes or bytes that
// are not UTF-8 for the terminal.

#include "app/shown_file_name.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

TEST(ShownFileName, ControlBytesAndBytesThatAreNotUtf8AreQuoted) {
  EXPECT_EQ(shown_file_name(native_path(u"/tmp/café ü.xml")), "/tmp/caf\xC3\xA9 \xC3\xBC.xml");
  EXPECT_EQ(shown_file_name(native_path(u"a\x1b]0;title\a.xml")),
            "'a'$'\\033'']0;title'$'\\a''.xml'");
#if !defined(_WIN32)
  EXPECT_EQ(shown_file_name("caf\xE9.xml"), "'caf'$'\\351''.xml'");
  EXPECT_EQ(shown_file_name("\xC2\x9B"
                            "2J"),
            "$'\\302\\233''2J'");  // the 8-bit CSI
#endif
}

}  // namespace
}  // namespace ambrel
