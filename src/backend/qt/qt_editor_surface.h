#pragma once

// The surface the editors' text is measured and drawn on. Scintilla's Qt layer measures a
// piece of a line (up to 100 bytes) that holds any character beyond ASCII by laying the
// piece out with QTextLayout and asking where each character ends, some 30 µs a piece: a
// line of megabytes of such text takes seconds to lay out, and a click or a key on it lays
// it out anew. In a fixed-width font, characters that neither join nor change direction
// stand side by side at their own advances, so such pieces are measured by adding up the
// advances, each measured once per surface; any other piece is measured as the layer does.
//
// Scintilla asks its platform layer for every surface through Surface::Allocate; the link
// hands it this one (see this folder's CMakeLists.txt).

#include <PlatQt.h>

#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ambrel {

class QtEditorSurface final : public Scintilla::Internal::SurfaceImpl {
 public:
  using Font = Scintilla::Internal::Font;
  using XYPOSITION = Scintilla::Internal::XYPOSITION;

  void SetMode(Scintilla::Internal::SurfaceMode surface_mode) override;
  void MeasureWidths(const Font* font, std::string_view text, XYPOSITION* positions) override;
  void MeasureWidthsUTF8(const Font* font, std::string_view text, XYPOSITION* positions) override;

 private:
  // What one font's characters advance by; a negative advance is a character that is not
  // measured by its advance.
  struct Advances {
    const Font* font = nullptr;
    bool fixed_pitch = false;
    std::array<XYPOSITION, 256> latin1{};  // 0: not yet measured
    std::unordered_map<char32_t, XYPOSITION> others;
  };

  bool measure_by_advances(const Font* font, std::string_view text, XYPOSITION* positions);
  Advances& advances_of(const Font* font);
  XYPOSITION advance(Advances& advances, char32_t character);
  XYPOSITION measure_alone(const Font* font, char32_t character);

  bool utf8_ = false;
  std::vector<Advances> fonts_;
};

}  // namespace ambrel
