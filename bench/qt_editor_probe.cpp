// Which ways of putting a large text into an editor and getting it back out scale with the
// text: Qt's QPlainTextEdit and the QScintilla editor ("sci-" cases). Every way runs at 1, 10,
// 50 and 200 MB of catalogue XML, each in a child process of its own, and prints its time and
// the memory it needs beyond the text itself (peak, and what stays held), per input byte too.
// Equal seconds per MB across the sizes mean linear. The "-1line" cases take the same text
// as one line (minified: the line ends and indentation taken out).
//
//   bench_qt_editor_probe [--limit SECONDS] [--memory-cap MIB] [--sizes 1,10,50,200]
//                         [--cases NAME,...]
//
// The editor is shown at 900 x 700 with the fixed-width font and no wrapping, as the tool's
// editors are; without a display it runs on the offscreen platform. The QScintilla editor
// holds UTF-8 in a document without style bytes, with no lexer and no margins.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "case_child.h"
#include "catalogue_text.h"
#include "probe_table.h"
#include "process_status.h"

namespace {

using ambrel::bench::catalogue_text;
using ambrel::bench::Clock;
using ambrel::bench::seconds_since;

constexpr std::size_t kMegabyte = 1000 * 1000;
constexpr qsizetype kPieceSize = 64 * 1024;  // characters per piece where text goes in pieces

// What a case works on: the shown editor and the text, as LF and as CR LF lines.
struct Probe {
  QPlainTextEdit& editor;
  QsciScintilla& scintilla;
  std::string utf8;    // the text as the QScintilla cases take it
  QString lines;       // LF line ends, as the document keeps them
  QString crlf_lines;  // only for the cases that need it
  std::u16string expected_crlf;
  qsizetype expected_characters = 0;    // the document's characterCount() when it holds the text
  std::unique_ptr<QTextDocument> kept;  // a document that stays off the editor
};

// The time of the case's own step and of showing its result; `check` says whether the
// editor holds (or gave back) the whole text.
struct Figures {
  double step_seconds = 0;
  double show_seconds = 0;
  std::string check = "ok";
};

// Lets the editor lay out and paint what it holds.
double show(QAbstractScrollArea& editor) {
  Clock::time_point start = Clock::now();
  QApplication::processEvents();
  editor.viewport()->repaint();
  QApplication::processEvents();
  return seconds_since(start);
}

std::vector<QStringView> pieces_of(const QString& text, qsizetype size = kPieceSize) {
  std::vector<QStringView> pieces;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = std::min(start + size, text.size());
    qsizetype line_end = text.indexOf(u'\n', end - 1);  // pieces end after a line
    end = line_end < 0 ? text.size() : line_end + 1;
    pieces.emplace_back(QStringView(text).mid(start, end - start));
    start = end;
  }
  return pieces;
}

std::string holds_text(const Probe& probe, QTextDocument& document) {
  qsizetype count = document.characterCount();
  if (count == probe.expected_characters) return "ok";
  return "holds " + std::to_string(count) + " of " + std::to_string(probe.expected_characters);
}

QTextDocument* detached_document(bool undo) {
  auto* document = new QTextDocument;
  document->setUndoRedoEnabled(undo);
  return document;
}

// How the backend attaches a document built off the editor.
void attach(QPlainTextEdit& editor, QTextDocument* document) {
  document->setDefaultFont(editor.document()->defaultFont());
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setParent(&editor);
  editor.setDocument(document);
  document->setUndoRedoEnabled(true);
}

// Fill cases: `fill` puts the text in; the figures are its time and showing the result.
Figures filled(Probe& probe, const std::function<void()>& fill) {
  Clock::time_point start = Clock::now();
  fill();
  Figures figures{seconds_since(start)};
  figures.show_seconds = show(probe.editor);
  figures.check = holds_text(probe, *probe.editor.document());
  return figures;
}

// appendPlainText starts a paragraph of its own: the pieces go without their last line end,
// and the document without the empty last line.
Figures appended(Probe& probe) {
  --probe.expected_characters;
  return filled(probe, [&] {
    for (QStringView piece : pieces_of(probe.lines))
      probe.editor.appendPlainText(piece.chopped(1).toString());
  });
}

// Built off the editor by `build`, then attached: the step is the build, the show the
// attach, which the user-interface thread has to do.
Figures built_then_attached(Probe& probe, bool undo, bool layout_first,
                            const std::function<void(QTextDocument&)>& build) {
  Clock::time_point start = Clock::now();
  QTextDocument* document = detached_document(undo);
  if (layout_first) document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  build(*document);
  Figures figures{seconds_since(start)};
  start = Clock::now();
  attach(probe.editor, document);
  show(probe.editor);
  figures.show_seconds = seconds_since(start);
  figures.check = holds_text(probe, *document);
  return figures;
}

void insert_pieces(QTextDocument& document, const QString& text) {
  QTextCursor cursor(&document);
  for (QStringView piece : pieces_of(text)) cursor.insertText(piece.toString());
}

Figures detached_in_pieces(Probe& probe, bool undo, bool layout_first) {
  return built_then_attached(probe, undo, layout_first, [&](QTextDocument& document) {
    insert_pieces(document, probe.lines);
  });
}

// Piece by piece into the shown editor at its end, the event loop turning (and the editor
// painting) after each piece, as a load spread over the loop's turns would; the check notes
// the longest turn.
Figures inserted_in_turns(Probe& probe, qsizetype piece_size) {
  QTextCursor cursor(probe.editor.document());
  double longest_turn = 0;
  Figures figures = filled(probe, [&] {
    for (QStringView piece : pieces_of(probe.lines, piece_size)) {
      Clock::time_point turn = Clock::now();
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(piece.toString());
      show(probe.editor);
      longest_turn = std::max(longest_turn, seconds_since(turn));
    }
  });
  char note[64];
  std::snprintf(note, sizeof note, "; longest turn %.3f s", longest_turn);
  figures.check += note;
  return figures;
}

std::u16string crlf_of(QStringView text) {
  std::u16string result;
  result.reserve(static_cast<std::size_t>(text.size() + text.size() / 16));
  for (QChar c : text) {
    if (c == u'\n' || c == QChar::ParagraphSeparator) {
      result += u"\r\n";
    } else {
      result += static_cast<char16_t>(c.unicode());
    }
  }
  return result;
}

QString with_crlf_lines(const QString& lines) {
  QString crlf = lines;
  return crlf.replace(u'\n', QStringLiteral("\r\n"));
}

QString without_cr(const QString& crlf) {
  QString lines = crlf;
  return lines.remove(u'\r');
}

// Read cases hand the CR LF text to a sink piece by piece or whole; the check compares it.
struct CrLfSink {
  const std::u16string& expected;
  std::size_t at = 0;
  bool same = true;
  void take(std::u16string_view piece) {
    same = same && expected.compare(at, piece.size(), piece) == 0;
    at += piece.size();
  }
  std::string check() const {
    if (same && at == expected.size()) return "ok";
    return "gave " + std::to_string(at) + " of " + std::to_string(expected.size());
  }
};

Figures read_back(Probe& probe, const std::function<void(CrLfSink&)>& read) {
  CrLfSink sink{probe.expected_crlf};
  Clock::time_point start = Clock::now();
  read(sink);
  Figures figures{seconds_since(start)};
  figures.check = sink.check();
  return figures;
}

Figures plain_text_only(Probe& probe) {
  Clock::time_point start = Clock::now();
  QString text = probe.editor.document()->toPlainText();
  Figures figures{seconds_since(start)};
  if (text != probe.lines) figures.check = "differs";
  return figures;
}

// Block by block into pieces of about kPieceSize, each line given its CR LF.
void read_blocks_in_pieces(QTextDocument& document, CrLfSink& sink) {
  std::u16string piece;
  QTextBlock last = document.lastBlock();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QString text = block.text();
    piece.append(reinterpret_cast<const char16_t*>(text.utf16()),
                 static_cast<std::size_t>(text.size()));
    if (block != last) piece += u"\r\n";
    if (piece.size() >= static_cast<std::size_t>(kPieceSize)) {
      sink.take(piece);
      piece.clear();
    }
  }
  sink.take(piece);
}

// Range by range through a cursor, as the backend reads an edited document today.
void read_cursor_ranges(QTextDocument& document, CrLfSink& sink) {
  QTextCursor range(&document);
  int end = document.characterCount() - 1;
  for (int at = 0; at < end; at += static_cast<int>(kPieceSize)) {
    range.setPosition(at);
    range.setPosition(std::min(end, at + static_cast<int>(kPieceSize)), QTextCursor::KeepAnchor);
    sink.take(crlf_of(range.selectedText()));
  }
}

// One typed key: the step is the key's handling (the edit, the signals, the layout of the
// change), the show its repaint; the check notes when the document's change was reported.
Figures typed_key(Probe& probe) {
  QPlainTextEdit& editor = probe.editor;
  Clock::time_point start = Clock::now();
  double changed_after = -1;
  QMetaObject::Connection watch =
      QObject::connect(editor.document(), &QTextDocument::contentsChange, [&] {
        if (changed_after < 0) changed_after = seconds_since(start);
      });
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(editor.viewport(), &press);
  QApplication::sendEvent(editor.viewport(), &release);
  Figures figures{seconds_since(start)};
  QObject::disconnect(watch);
  figures.show_seconds = show(editor);
  char note[96];
  std::snprintf(
      note, sizeof note, "%s; contentsChange after %.3f s",
      editor.document()->characterCount() == probe.expected_characters + 1 ? "ok" : "no edit",
      changed_after);
  figures.check = note;
  return figures;
}

// Settled as the backend leaves a text it was given: built off the editor, attached.
void backend_filled(Probe& probe) {
  QTextDocument* document = detached_document(false);
  QTextCursor(document).insertText(probe.lines);
  attach(probe.editor, document);
}

// A mouse press and release in the middle of the shown editor's view, as a click into the
// input; the check notes nothing.
Figures clicked(QAbstractScrollArea& editor) {
  QPointF middle(editor.viewport()->width() / 2.0, editor.viewport()->height() / 2.0);
  QPointF global = editor.viewport()->mapToGlobal(middle);
  QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  Clock::time_point start = Clock::now();
  QApplication::sendEvent(editor.viewport(), &press);
  QApplication::sendEvent(editor.viewport(), &release);
  Figures figures{seconds_since(start)};
  figures.show_seconds = show(editor);
  return figures;
}

// The text as one line, as minified JSON is: every line end and the indentation after it
// taken out.
void make_one_line(Probe& probe) {
  probe.utf8 = ambrel::bench::one_line_of(probe.utf8);
  probe.lines = QString::fromUtf8(probe.utf8);
  probe.expected_characters = probe.lines.size() + 1;
  probe.expected_crlf = crlf_of(probe.lines);
}

// --- The QScintilla editor: its positions and lengths are bytes of UTF-8.

long sci_length(const QsciScintilla& editor) {
  return editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
}

std::string sci_holds_text(const Probe& probe) {
  auto length = static_cast<std::size_t>(sci_length(probe.scintilla));
  if (length == probe.utf8.size()) return "ok";
  return "holds " + std::to_string(length) + " of " + std::to_string(probe.utf8.size());
}

// A document without a style byte per byte of text (nothing is styled), in UTF-8.
void use_unstyled_document(QsciScintilla& editor) {
  long document = editor.SendScintilla(QsciScintillaBase::SCI_CREATEDOCUMENT, 0UL,
                                       long{QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE});
  editor.SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, document);
  editor.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0UL, document);
  editor.setUtf8(true);
}

void sci_append(QsciScintilla& editor, std::string_view text) {
  editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()),
                       text.data());
}

// Pieces of about `size` bytes, each ending after a line (or the whole text of one line).
std::vector<std::string_view> byte_pieces_of(std::string_view text, std::size_t size) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = std::min(start + size, text.size());
    std::size_t line_end = text.find('\n', end - 1);
    end = line_end == std::string_view::npos ? text.size() : line_end + 1;
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  return pieces;
}

// As the backend fills it: undo collection off while the text goes in.
Figures sci_filled(Probe& probe, const std::function<void()>& fill) {
  QsciScintilla& editor = probe.scintilla;
  Clock::time_point start = Clock::now();
  editor.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  fill();
  editor.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
  Figures figures{seconds_since(start)};
  figures.show_seconds = show(editor);
  figures.check = sci_holds_text(probe);
  return figures;
}

Figures sci_appended_in_turns(Probe& probe, std::size_t piece_size) {
  double longest_turn = 0;
  Figures figures = sci_filled(probe, [&] {
    for (std::string_view piece : byte_pieces_of(probe.utf8, piece_size)) {
      Clock::time_point turn = Clock::now();
      sci_append(probe.scintilla, piece);
      show(probe.scintilla);
      longest_turn = std::max(longest_turn, seconds_since(turn));
    }
  });
  char note[64];
  std::snprintf(note, sizeof note, "; longest turn %.3f s", longest_turn);
  figures.check += note;
  return figures;
}

void sci_backend_filled(Probe& probe) {
  probe.scintilla.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  sci_append(probe.scintilla, probe.utf8);
  probe.scintilla.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
  show(probe.scintilla);
}

// Byte ranges of 64 Ki through the range pointer (which moves the gap), each ended on a
// character's first byte, turned into UTF-16 with CR LF line ends.
void sci_read_ranges(QsciScintilla& editor, CrLfSink& sink) {
  long length = sci_length(editor);
  for (long at = 0; at < length;) {
    long count = std::min<long>(kPieceSize, length - at);
    auto* bytes = reinterpret_cast<const char*>(editor.SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(at), count + 3));
    while (at + count < length && (static_cast<unsigned char>(bytes[count]) & 0xC0) == 0x80)
      --count;
    sink.take(crlf_of(QString::fromUtf8(bytes, count)));
    at += count;
  }
}

Figures sci_typed_key(Probe& probe) {
  QsciScintilla& editor = probe.scintilla;
  Clock::time_point start = Clock::now();
  double changed_after = -1;
  QMetaObject::Connection watch = QObject::connect(&editor, &QsciScintilla::textChanged, [&] {
    if (changed_after < 0) changed_after = seconds_since(start);
  });
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(&editor, &press);
  QApplication::sendEvent(&editor, &release);
  Figures figures{seconds_since(start)};
  QObject::disconnect(watch);
  figures.show_seconds = show(editor);
  char note[96];
  std::snprintf(
      note, sizeof note, "%s; textChanged after %.3f s",
      static_cast<std::size_t>(sci_length(editor)) == probe.utf8.size() + 1 ? "ok" : "no edit",
      changed_after);
  figures.check = note;
  return figures;
}

QAccessibleInterface* plain_accessible(const QString&, QObject* object) {
  auto* editor = qobject_cast<QsciScintilla*>(object);
  return editor ? new QAccessibleWidget(editor, QAccessible::EditableText) : nullptr;
}

// As the backend runs it: changes reported to the program only before they are made
// (QScintilla's report after a change counts the characters from the start to the change's
// position), and an accessible interface other than QScintilla's (which counts them to the
// caret after every change and caret move).
void sci_quiet(Probe& probe) {
  probe.scintilla.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                                static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                           QsciScintillaBase::SC_MOD_BEFOREDELETE));
  QAccessible::installFactory(plain_accessible);
  QAccessible::deleteAccessibleInterface(
      QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&probe.scintilla)));
  QAccessible::queryAccessibleInterface(&probe.scintilla);
}

void sci_filled_caret_at_end(Probe& probe) {
  sci_backend_filled(probe);
  probe.scintilla.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
  show(probe.scintilla);
}

struct Case {
  const char* name;
  const char* what;
  std::function<void(Probe&)> prepare;  // not measured
  std::function<Figures(Probe&)> measure;
  bool on_scintilla = false;  // which editor is shown
};

void nothing(Probe&) {}

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      // --- Putting the text in.
      {"set", "setPlainText", nothing,
       [](Probe& p) { return filled(p, [&] { p.editor.setPlainText(p.lines); }); }},
      {"set-wrap", "setPlainText, WidgetWidth wrapping",
       [](Probe& p) { p.editor.setLineWrapMode(QPlainTextEdit::WidgetWidth); },
       [](Probe& p) { return filled(p, [&] { p.editor.setPlainText(p.lines); }); }},
      {"set-crlf", "setPlainText of CR LF text",
       [](Probe& p) { p.crlf_lines = with_crlf_lines(p.lines); },
       [](Probe& p) { return filled(p, [&] { p.editor.setPlainText(p.crlf_lines); }); }},
      {"set-crlf-stripped", "CR taken out, then setPlainText",
       [](Probe& p) { p.crlf_lines = with_crlf_lines(p.lines); },
       [](Probe& p) {
         return filled(p, [&] { p.editor.setPlainText(without_cr(p.crlf_lines)); });
       }},
      {"append", "appendPlainText in 64 Ki pieces", nothing, appended},
      {"append-noundo", "appendPlainText in pieces, setUndoRedoEnabled(false)",
       [](Probe& p) { p.editor.setUndoRedoEnabled(false); }, appended},
      {"insert-shown", "insertText in pieces into the shown editor's document, undo off",
       [](Probe& p) { p.editor.document()->setUndoRedoEnabled(false); },
       [](Probe& p) { return filled(p, [&] { insert_pieces(*p.editor.document(), p.lines); }); }},
      {"insert-turns", "insertText in pieces at the end of the shown editor, a paint after each",
       [](Probe& p) { p.editor.document()->setUndoRedoEnabled(false); },
       [](Probe& p) { return inserted_in_turns(p, kPieceSize); }},
      {"insert-turns-1m", "the same in pieces of 1 Mi characters",
       [](Probe& p) { p.editor.document()->setUndoRedoEnabled(false); },
       [](Probe& p) { return inserted_in_turns(p, 1024 * 1024); }},
      {"detached-whole", "insertText whole into a detached document, then setDocument", nothing,
       [](Probe& p) {
         return built_then_attached(p, false, false,
                                    [&](QTextDocument& d) { QTextCursor(&d).insertText(p.lines); });
       }},
      {"detached-only", "insertText whole into a detached document, never attached", nothing,
       [](Probe& p) {
         Clock::time_point start = Clock::now();
         p.kept.reset(detached_document(false));
         QTextCursor(p.kept.get()).insertText(p.lines);
         Figures figures{seconds_since(start)};
         figures.check = holds_text(p, *p.kept);
         return figures;
       }},
      {"detached-pieces", "insertText in pieces into a detached document, then setDocument",
       nothing, [](Probe& p) { return detached_in_pieces(p, false, false); }},
      {"detached-undo", "the same with the document's undo stack on", nothing,
       [](Probe& p) { return detached_in_pieces(p, true, false); }},
      {"detached-layout", "the same with the layout set before the text", nothing,
       [](Probe& p) { return detached_in_pieces(p, false, true); }},
      {"detached-set", "setPlainText on a detached document, then setDocument", nothing,
       [](Probe& p) {
         return built_then_attached(p, false, false,
                                    [&](QTextDocument& d) { d.setPlainText(p.lines); });
       }},
      // --- Getting it back with CR LF line ends.
      {"read-plain", "toPlainText, LF as the document gives it", backend_filled, plain_text_only},
      {"read-plain-crlf", "toPlainText, then CR LF", backend_filled,
       [](Probe& p) {
         return read_back(
             p, [&](CrLfSink& sink) { sink.take(crlf_of(p.editor.document()->toPlainText())); });
       }},
      {"read-raw-crlf", "toRawText, then CR LF", backend_filled,
       [](Probe& p) {
         return read_back(
             p, [&](CrLfSink& sink) { sink.take(crlf_of(p.editor.document()->toRawText())); });
       }},
      {"read-blocks", "walking the blocks, CR LF pieces of 64 Ki", backend_filled,
       [](Probe& p) {
         return read_back(
             p, [&](CrLfSink& sink) { read_blocks_in_pieces(*p.editor.document(), sink); });
       }},
      {"read-ranges", "cursor ranges of 64 Ki through selectedText", backend_filled,
       [](Probe& p) {
         return read_back(p,
                          [&](CrLfSink& sink) { read_cursor_ranges(*p.editor.document(), sink); });
       }},
      // --- One typed key into the settled document.
      {"key-end", "one key at the end, undo on",
       [](Probe& p) {
         backend_filled(p);
         show(p.editor);
         p.editor.moveCursor(QTextCursor::End);
       },
       typed_key},
      {"key-end-noundo", "one key at the end, undo off",
       [](Probe& p) {
         backend_filled(p);
         p.editor.document()->setUndoRedoEnabled(false);
         show(p.editor);
         p.editor.moveCursor(QTextCursor::End);
       },
       typed_key},
      {"key-start", "one key at the start, undo on",
       [](Probe& p) {
         backend_filled(p);
         show(p.editor);
       },
       typed_key},
      {"key-wrap", "one key at the end, WidgetWidth wrapping",
       [](Probe& p) {
         p.editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
         backend_filled(p);
         show(p.editor);
         p.editor.moveCursor(QTextCursor::End);
       },
       typed_key},
      // --- Clearing.
      {"clear", "QPlainTextEdit::clear", backend_filled,
       [](Probe& p) {
         p.expected_characters = 1;
         return filled(p, [&] { p.editor.clear(); });
       }},
      {"clear-swap", "setDocument(new empty document), old one deleted", backend_filled,
       [](Probe& p) {
         p.expected_characters = 1;
         return filled(p, [&] {
           QTextDocument* old = p.editor.document();
           attach(p.editor, detached_document(false));
           delete old;
         });
       }},
      {"click", "a mouse press and release in the middle of the view", backend_filled,
       [](Probe& p) { return clicked(p.editor); }},
      // --- One line.
      {"set-1line", "one line: insertText whole into a detached document, then setDocument",
       make_one_line, [](Probe& p) { return filled(p, [&] { backend_filled(p); }); }},
      {"key-end-1line", "one line: one key at its end",
       [](Probe& p) {
         make_one_line(p);
         backend_filled(p);
         show(p.editor);
         p.editor.moveCursor(QTextCursor::End);
       },
       typed_key},
      // --- The QScintilla editor.
      {"sci-settext", "SCI_SETTEXT, undo collection on", nothing,
       [](Probe& p) {
         Clock::time_point start = Clock::now();
         p.scintilla.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, p.utf8.c_str());
         Figures figures{seconds_since(start)};
         figures.show_seconds = show(p.scintilla);
         figures.check = sci_holds_text(p);
         return figures;
       },
       true},
      {"sci-set", "SCI_APPENDTEXT whole, undo collection off", nothing,
       [](Probe& p) { return sci_filled(p, [&] { sci_append(p.scintilla, p.utf8); }); }, true},
      {"sci-set-wrap", "the same, word wrapping",
       [](Probe& p) { p.scintilla.setWrapMode(QsciScintilla::WrapWord); },
       [](Probe& p) { return sci_filled(p, [&] { sci_append(p.scintilla, p.utf8); }); }, true},
      {"sci-append", "SCI_APPENDTEXT in 64 Ki pieces, undo collection off", nothing,
       [](Probe& p) {
         return sci_filled(p, [&] {
           for (std::string_view piece : byte_pieces_of(p.utf8, kPieceSize))
             sci_append(p.scintilla, piece);
         });
       },
       true},
      {"sci-append-turns", "SCI_APPENDTEXT in 64 Ki pieces, a paint after each", nothing,
       [](Probe& p) { return sci_appended_in_turns(p, kPieceSize); }, true},
      {"sci-append-turns-1m", "the same in pieces of 1 MiB", nothing,
       [](Probe& p) { return sci_appended_in_turns(p, 1024 * 1024); }, true},
      {"sci-append-quiet", "64 Ki pieces, a paint after each, as the backend runs it", sci_quiet,
       [](Probe& p) { return sci_appended_in_turns(p, kPieceSize); }, true},
      {"sci-read-ranges", "SCI_GETRANGEPOINTER in 64 Ki ranges, then UTF-16 with CR LF",
       sci_backend_filled,
       [](Probe& p) {
         return read_back(p, [&](CrLfSink& sink) { sci_read_ranges(p.scintilla, sink); });
       },
       true},
      {"sci-key-end", "one key at the end, undo on", sci_filled_caret_at_end, sci_typed_key, true},
      {"sci-key-start", "one key at the start, undo on", sci_backend_filled, sci_typed_key, true},
      {"sci-key-end-quiet", "one key at the end, as the backend runs it",
       [](Probe& p) {
         sci_quiet(p);
         sci_filled_caret_at_end(p);
       },
       sci_typed_key, true},
      {"sci-key-wrap", "one key at the end, word wrapping",
       [](Probe& p) {
         p.scintilla.setWrapMode(QsciScintilla::WrapWord);
         sci_filled_caret_at_end(p);
       },
       sci_typed_key, true},
      {"sci-click", "a mouse press and release in the middle of the view", sci_backend_filled,
       [](Probe& p) { return clicked(p.scintilla); }, true},
      {"sci-clear", "SCI_CLEARALL, undo collection off", sci_backend_filled,
       [](Probe& p) {
         p.utf8.clear();
         return sci_filled(p, [&] { p.scintilla.SendScintilla(QsciScintillaBase::SCI_CLEARALL); });
       },
       true},
      {"sci-set-1line", "one line: SCI_APPENDTEXT whole, undo collection off", make_one_line,
       [](Probe& p) { return sci_filled(p, [&] { sci_append(p.scintilla, p.utf8); }); }, true},
      {"sci-append-turns-1line", "one line: SCI_APPENDTEXT in 64 Ki pieces, a paint after each",
       make_one_line,
       [](Probe& p) {
         // Pieces of a line that never ends: cut by size alone, on a character's first byte.
         double longest_turn = 0;
         Figures figures = sci_filled(p, [&] {
           std::string_view text = p.utf8;
           while (!text.empty()) {
             std::size_t size = std::min<std::size_t>(kPieceSize, text.size());
             while (size < text.size() && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
               --size;
             Clock::time_point turn = Clock::now();
             sci_append(p.scintilla, text.substr(0, size));
             show(p.scintilla);
             longest_turn = std::max(longest_turn, seconds_since(turn));
             text.remove_prefix(size);
           }
         });
         char note[64];
         std::snprintf(note, sizeof note, "; longest turn %.3f s", longest_turn);
         figures.check += note;
         return figures;
       },
       true},
      {"sci-key-end-1line", "one line: one key at its end",
       [](Probe& p) {
         make_one_line(p);
         sci_filled_caret_at_end(p);
       },
       sci_typed_key, true},
      {"sci-click-1line", "one line: a mouse press and release in the middle of the view",
       [](Probe& p) {
         make_one_line(p);
         sci_backend_filled(p);
       },
       [](Probe& p) { return clicked(p.scintilla); }, true},
      {"sci-read-1line", "one line: SCI_GETRANGEPOINTER in 64 Ki ranges",
       [](Probe& p) {
         make_one_line(p);
         sci_backend_filled(p);
       },
       [](Probe& p) {
         return read_back(p, [&](CrLfSink& sink) { sci_read_ranges(p.scintilla, sink); });
       },
       true},
  };
  return all;
}

// --- The child: one case at one size, printed as one tab-separated line.

void forget_peak() { std::ofstream("/proc/self/clear_refs") << "5"; }

int run_one(int argc, char** argv, const Case& probe_case, std::size_t megabytes) {
  if (!std::getenv("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QPlainTextEdit editor;
  editor.setFont(fixed);
  editor.setLineWrapMode(QPlainTextEdit::NoWrap);
  QsciScintilla scintilla;
  use_unstyled_document(scintilla);
  scintilla.setFont(fixed);
  scintilla.setMarginWidth(1, 0);
  QAbstractScrollArea& shown =
      probe_case.on_scintilla ? static_cast<QAbstractScrollArea&>(scintilla) : editor;
  shown.resize(900, 700);
  shown.show();
  show(shown);

  Probe probe{editor, scintilla, catalogue_text(megabytes * kMegabyte), {}, {}, {}, 0, {}};
  ambrel::bench::CaseFigures result;
  result.input_bytes = probe.utf8.size();
  probe.lines = QString::fromUtf8(probe.utf8);
  probe.expected_characters = probe.lines.size() + 1;  // the last block's separator
  probe.expected_crlf = crlf_of(probe.lines);
  probe_case.prepare(probe);
  show(shown);

  forget_peak();
  long before = status_kilobytes("VmRSS:");
  Figures figures = probe_case.measure(probe);
  result.peak_kib = status_kilobytes("VmHWM:") - before;
  result.held_kib = status_kilobytes("VmRSS:") - before;
  result.step_seconds = figures.step_seconds;
  result.show_seconds = figures.show_seconds;
  result.check = figures.check;
  ambrel::bench::print_case_line(result);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ambrel::bench;
  return probe_main<Case>(
      argc, argv, cases(), {{1, 10, 50, 200}, {}, 300, 6144}, "MB",
      [&](const Case& probe_case, std::size_t megabytes) {
        return run_one(argc, argv, probe_case, megabytes);
      },
      [](const ProbeOptions& options) {
        std::printf(
            "QPlainTextEdit and QScintilla (%s), catalogue XML, one child process per row\n",
            std::getenv("DISPLAY") ? "on the display" : "offscreen");
        print_tables<Case>(
            cases(), options, "MB", load_average, [&](const char* name, std::size_t megabytes) {
              return run_case_child(
                  {"bench_qt_editor_probe", "--case", name, std::to_string(megabytes)},
                  options.limit_seconds, options.memory_cap_mib);
            });
      });
}
