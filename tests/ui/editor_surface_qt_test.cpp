// The editors' surface measures text where Scintilla's Qt layer would lay it out: by adding
// advances only where that gives what the layout gives (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "backend/qt/qt_editor_surface.h"

namespace ambrel {
namespace {

using Scintilla::Internal::Font;
using Scintilla::Internal::FontParameters;
using Scintilla::Internal::Surface;
using Scintilla::Internal::SurfaceImpl;
using Scintilla::Internal::SurfaceMode;
using Scintilla::Internal::XYPOSITION;

class EditorSurfaceQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QApplication::instance()) application = std::make_unique<QApplication>(argc, argv);
    window = std::make_unique<QWidget>();
    surface.Init(window.get());
    SurfaceMode utf8;
    utf8.codePage = Scintilla::CpUtf8;
    surface.SetMode(utf8);
  }

  static std::shared_ptr<Font> font(const char* face) {
    return Font::Allocate(FontParameters(face, 11));
  }

  // Where each byte of `text` ends, by the surface and by the layer's own layout.
  struct Measured {
    std::vector<XYPOSITION> surface;
    std::vector<XYPOSITION> layout;
  };
  Measured measure(const Font& font, const std::string& text) {
    Measured measured{std::vector<XYPOSITION>(text.size()), std::vector<XYPOSITION>(text.size())};
    surface.MeasureWidths(&font, text, measured.surface.data());
    surface.SurfaceImpl::MeasureWidths(&font, text, measured.layout.data());
    return measured;
  }

  void expect_as_laid_out(const Font& font, const std::string& text) {
    Measured measured = measure(font, text);
    for (std::size_t at = 0; at < text.size(); ++at)
      ASSERT_NEAR(measured.surface[at], measured.layout[at], 0.05) << text << " at byte " << at;
  }

  int argc = 1;
  char name[8] = "surface";
  char* argv[1] = {name};
  std::unique_ptr<QApplication> application;
  std::unique_ptr<QWidget> window;
  QtEditorSurface surface;
};

TEST_F(EditorSurfaceQtTest, ScintillaDrawsAndMeasuresOnTheEditorsSurface) {
  std::unique_ptr<Surface> allocated = Surface::Allocate(Scintilla::Technology::Default);
  EXPECT_NE(dynamic_cast<QtEditorSurface*>(allocated.get()), nullptr);
}

TEST_F(EditorSurfaceQtTest, TextOfAFixedWidthFontEndsWhereTheLayoutEndsIt) {
  std::shared_ptr<Font> mono = font("DejaVu Sans Mono");
  for (const char* text : {
           "\"name\": \"Caf\u00e9 Mo\u00ebt\", \"price\": 12.5",  // side by side
           "\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1 \u041f\u0440\u0438\u0432\u0435\u0442",
           "\u250c\u2500\u2510 \u201cquoted\u201d \u2014 \u20ac5",
           "e\u0301 \u00e9",                    // a combining mark
           "abc \u05e9\u05dc\u05d5\u05dd def",  // right to left
           "\u0645\u0631\u062d\u0628\u0627 x",  // joining letters
           "a\u200db \U0001F44D\U0001F3FD",     // a joiner, an emoji and its modifier
           "\xc3\xa9\xff x",                    // not UTF-8
       }) {
    expect_as_laid_out(*mono, text);
  }
}

// Kerning moves letters of a proportional font against their advances.
TEST_F(EditorSurfaceQtTest, AProportionalFontIsLaidOut) {
  expect_as_laid_out(*font("DejaVu Sans"), "AVATAR Tw\u00e9 To\u00ff");
}

}  // namespace
}  // namespace ambrel
