#pragma once

// A document of the shape people paste and open: a pretty-printed catalogue of records with
// attributes, nested elements, numbers, dates, an entity and a non-ASCII letter, in short
// lines. Plain C++, so that the Linux and the Windows benchmarks measure the same text.

#include <cstddef>
#include <string>
#include <string_view>

namespace ambrel::bench {

// About `bytes` bytes of UTF-8 (never less), each line ended by `line_end`.
inline std::string catalogue_text(std::size_t bytes, const std::string& line_end = "\n") {
  std::string text;
  text.reserve(bytes + 1024);
  auto line = [&](const std::string& content) {
    text += content;
    text += line_end;
  };
  line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  line("<catalog generated=\"2024-05-01T12:00:00\" source=\"export\">");
  for (long i = 0; text.size() < bytes; ++i) {
    std::string n = std::to_string(i);
    std::string price = std::to_string(5 + i % 90) + "." + std::to_string(10 + i % 89);
    line("  <book id=\"bk" + n + "\" lang=\"" + (i % 3 == 0 ? "fr" : "en") + "\" available=\"" +
         (i % 2 == 0 ? "true" : "false") + "\">");
    line("    <title>The collected stories, volume " + n + "</title>");
    line("    <author><name>Author " + std::to_string(i % 977) + "</name><born>" +
         std::to_string(1900 + i % 100) + "</born></author>");
    line("    <price currency=\"EUR\">" + price + "</price>");
    line("    <stock>" + std::to_string(i % 250) + "</stock>");
    line("    <published>20" + std::to_string(10 + i % 14) + "-0" + std::to_string(1 + i % 9) +
         "-1" + std::to_string(i % 10) + "</published>");
    line("    <tags><tag>fiction</tag><tag>caf\xC3\xA9 culture</tag></tags>");
    line("    <description>Stories told &amp; retold, part " + n + ".</description>");
    line("  </book>");
  }
  line("</catalog>");
  return text;
}

// About `units` UTF-16 units (never less) of a plainer catalogue, one short record a line,
// each line ended by `line_end`.
inline std::u16string record_lines_text(std::size_t units, std::u16string_view line_end = u"\n") {
  std::u16string text = u"<catalog>";
  text += line_end;
  for (int i = 0; text.size() < units; ++i) {
    std::string digits = std::to_string(i);
    std::u16string n(digits.begin(), digits.end());
    text += u"  <book id=\"" + n + u"\"><title>Title " + n + u"</title><price>" + n +
            u".5</price><count>" + n + u"</count></book>";
    text += line_end;
  }
  text += u"</catalog>";
  text += line_end;
  return text;
}

// The same records as JSON, pretty-printed in short lines: about `bytes` bytes (never less), so
// that the window's speed on JSON can be set beside its speed on XML of the same size.
inline std::string catalogue_json_text(std::size_t bytes, const std::string& line_end = "\n") {
  std::string text;
  text.reserve(bytes + 1024);
  auto line = [&](const std::string& content) {
    text += content;
    text += line_end;
  };
  line("{\"generated\": \"2024-05-01T12:00:00\", \"source\": \"export\", \"books\": [");
  for (long i = 0; text.size() < bytes; ++i) {
    std::string n = std::to_string(i);
    std::string price = std::to_string(5 + i % 90) + "." + std::to_string(10 + i % 89);
    line(std::string(i == 0 ? "  {" : "  }, {") + "\"id\": \"bk" + n + "\", \"lang\": \"" +
         (i % 3 == 0 ? "fr" : "en") + "\", \"available\": " + (i % 2 == 0 ? "true" : "false") +
         ",");
    line("    \"title\": \"The collected stories, volume " + n + "\",");
    line("    \"author\": {\"name\": \"Author " + std::to_string(i % 977) +
         "\", \"born\": " + std::to_string(1900 + i % 100) + "},");
    line("    \"price\": {\"currency\": \"EUR\", \"amount\": " + price + "},");
    line("    \"stock\": " + std::to_string(i % 250) + ",");
    line("    \"published\": \"20" + std::to_string(10 + i % 14) + "-0" +
         std::to_string(1 + i % 9) + "-1" + std::to_string(i % 10) + "\",");
    line("    \"tags\": [\"fiction\", \"caf\xC3\xA9 culture\"],");
    line("    \"description\": \"Stories told & retold, part " + n + ".\"");
  }
  line("  }");
  line("]}");
  return text;
}

// `text` as one line, as minified JSON is: every line end and the indentation after it taken
// out.
inline std::string one_line_of(std::string_view text) {
  std::string one_line;
  one_line.reserve(text.size());
  bool line_start = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      line_start = true;
    } else if (!(line_start && c == ' ')) {
      line_start = false;
      one_line += c;
    }
  }
  return one_line;
}

// A JSON document of one record whose one key is `bytes` long: its declarations' lines are as
// long as the key.
inline std::string long_key_json_text(std::size_t bytes, const std::string& line_end = "\n") {
  std::string key(bytes, 'k');
  return "{\"records\": [{\"" + key + "\": 1, \"id\": 2}]}" + line_end;
}

}  // namespace ambrel::bench
