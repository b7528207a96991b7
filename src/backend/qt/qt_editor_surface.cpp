#include "backend/qt/qt_editor_surface.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <iterator>
#include <memory>

#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

using Scintilla::Internal::XYPOSITION;

// Whether `character` stands on its own wherever it is: no mark, no control or format
// character, no character of a script whose letters join or run from right to left, and
// nothing beyond the first plane, where emoji join into sequences.
bool stands_alone(char32_t character) {
  if (character < 0x20 || character > 0xFFFF) return false;
  switch (QChar::category(character)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return false;
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Separator_Space:
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
      break;
  }
  constexpr QChar::Script kSideBySide[] = {
      QChar::Script_Common, QChar::Script_Latin,    QChar::Script_Greek,    QChar::Script_Cyrillic,
      QChar::Script_Han,    QChar::Script_Hiragana, QChar::Script_Katakana,
  };
  QChar::Direction direction = QChar::direction(character);
  return std::find(std::begin(kSideBySide), std::end(kSideBySide), QChar::script(character)) !=
             std::end(kSideBySide) &&
         direction != QChar::DirR && direction != QChar::DirAL;
}

}  // namespace

void QtEditorSurface::SetMode(Scintilla::Internal::SurfaceMode surface_mode) {
  utf8_ = surface_mode.codePage == Scintilla::CpUtf8;
  SurfaceImpl::SetMode(surface_mode);
}

void QtEditorSurface::MeasureWidths(const Font* font, std::string_view text,
                                    XYPOSITION* positions) {
  if (utf8_ && measure_by_advances(font, text, positions)) return;
  SurfaceImpl::MeasureWidths(font, text, positions);
}

void QtEditorSurface::MeasureWidthsUTF8(const Font* font, std::string_view text,
                                        XYPOSITION* positions) {
  if (measure_by_advances(font, text, positions)) return;
  SurfaceImpl::MeasureWidthsUTF8(font, text, positions);
}

// Each byte of a character ends where the character does, as the layer has it.
bool QtEditorSurface::measure_by_advances(const Font* font, std::string_view text,
                                          XYPOSITION* positions) {
  if (!font || text.empty()) return false;
  Advances& advances = advances_of(font);
  if (!advances.fixed_pitch) return false;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  XYPOSITION x = 0;
  for (std::size_t at = 0; at < text.size();) {
    Utf8Sequence sequence = read_utf8_sequence(bytes + at, text.size() - at);
    if (!sequence.valid) return false;
    XYPOSITION width = advance(advances, sequence.code_point);
    if (width < 0) return false;
    x += width;
    std::fill_n(positions + at, sequence.length, x);
    at += sequence.length;
  }
  return true;
}

QtEditorSurface::Advances& QtEditorSurface::advances_of(const Font* font) {
  auto known = std::find_if(fonts_.begin(), fonts_.end(),
                            [font](const Advances& advances) { return advances.font == font; });
  if (known != fonts_.end()) return *known;
  Advances& advances = fonts_.emplace_back();
  advances.font = font;
  XYPOSITION narrow = measure_alone(font, U'i');
  advances.fixed_pitch = narrow > 0 && narrow == measure_alone(font, U'W');
  return advances;
}

XYPOSITION QtEditorSurface::advance(Advances& advances, char32_t character) {
  if (character < advances.latin1.size()) {
    XYPOSITION& known = advances.latin1[character];
    if (known == 0) known = stands_alone(character) ? measure_alone(advances.font, character) : -1;
    return known;
  }
  auto [known, added] = advances.others.try_emplace(character, -1);
  if (added && stands_alone(character)) known->second = measure_alone(advances.font, character);
  return known->second;
}

// A character's advance as Qt gives it for the character alone (in the font that has it).
XYPOSITION QtEditorSurface::measure_alone(const Font* font, char32_t character) {
  QByteArray utf8 = QString::fromUcs4(&character, 1).toUtf8();
  XYPOSITION width = WidthTextUTF8(font, std::string_view(utf8.constData(), utf8.size()));
  return width > 0 ? width : -1;
}

}  // namespace ambrel

// Scintilla's request for a surface, which the link sends here in place of the layer's.
std::unique_ptr<Scintilla::Internal::Surface>
    allocate_editor_surface(Scintilla::Technology) __asm__(
        "__wrap__ZN9Scintilla8Internal7Surface8AllocateENS_10TechnologyE");

std::unique_ptr<Scintilla::Internal::Surface> allocate_editor_surface(Scintilla::Technology) {
  return std::make_unique<ambrel::QtEditorSurface>();
}
