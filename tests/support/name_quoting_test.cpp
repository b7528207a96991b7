// Names in messages: as they are while they print as themselves, else in shell quoting
// that keeps every byte a terminal acts on, and every byte that is no UTF-8, off it.
#include "support/name_quoting.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

TEST(NameQuoting, AnOrdinaryNameIsShownAsItIs) {
  for (const char* name : {"a.xml", "/tmp/dir with space/it's.h", "caf\xC3\xA9.xml", "--lf", "",
                           "\xE2\x80\x8F\xF0\x9F\x98\x80"}) {
    EXPECT_EQ(shown_name(name), name);
    EXPECT_EQ(quoted_name(name), std::string("'") + name + "'");
  }
}

TEST(NameQuoting, ControlBytesAreEscapedAsTheShellReadsThem) {
  EXPECT_EQ(shown_name("a\x1B"
                       "b"),
            "'a'$'\\033''b'");
  EXPECT_EQ(shown_name("\x1B[2J"), "$'\\033''[2J'");
  EXPECT_EQ(shown_name("bell\a"), "'bell'$'\\a'");
  EXPECT_EQ(shown_name("two\r\nlines\t"), "'two'$'\\r\\n''lines'$'\\t'");
  EXPECT_EQ(shown_name("del\x7F"), "'del'$'\\177'");
  EXPECT_EQ(quoted_name("-\x07"), "'-'$'\\a'");
  // A quote beside an escaped byte is still read back as a quote.
  EXPECT_EQ(shown_name("it's\x1B"), "'it'\\''s'$'\\033'");
  EXPECT_EQ(shown_name("'\x1B'"), "\\'$'\\033'\\'");
}

TEST(NameQuoting, BytesThatAreNoUtf8AndC1ControlsAreEscaped) {
  EXPECT_EQ(shown_name("caf\xE9.xml"), "'caf'$'\\351''.xml'");  // Latin-1
  EXPECT_EQ(shown_name("\xC2\x9B"
                       "31m"),
            "$'\\302\\233''31m'");  // CSI, a C1 control
  EXPECT_EQ(shown_name("cut\xE2\x82"), "'cut'$'\\342\\202'");
  EXPECT_EQ(shown_name(std::string_view("nul\0", 4)), "'nul'$'\\000'");
}

}  // namespace
}  // namespace ambrel
