// The view family on Qt: code editor, web page (its text shown plainly), calendar and
// hyperlink. The hyperlink is a label showing its caption as a link in its style, and
// reports a click on it as command Click.

#include <QCalendarWidget>
#include <QColor>
#include <QFontDatabase>
#include <QLabel>
#include <QTextBrowser>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

namespace {

// A hyperlink keeps its plain caption here; the label shows it as a link.
constexpr const char* kLinkCaption = "ambrel_link_caption";
constexpr const char* kLinkStyle = "ambrel_link_style";

QString link_markup(const QString& caption, const QString& style) {
  return QStringLiteral("<a href=\"link\" style=\"%1\">%2</a>").arg(style, caption.toHtmlEscaped());
}

QLabel* make_link(const ControlRequest& request, QWidget* parent) {
  QString style =
      QStringLiteral("text-decoration: %1;").arg(request.style.underline ? "underline" : "none");
  if (request.style.color >= 0) {
    QColor color(request.style.color & 0xFF, (request.style.color >> 8) & 0xFF,
                 (request.style.color >> 16) & 0xFF);
    style += QStringLiteral(" color: %1;").arg(color.name());
  }
  auto* label = new QLabel(parent);
  label->setProperty(kLinkCaption, to_qstring(request.text));
  label->setProperty(kLinkStyle, style);
  label->setText(link_markup(to_qstring(request.text), style));
  label->setTextFormat(Qt::RichText);
  return label;
}

}  // namespace

QWidget* QtBackend::make_widget(ViewKind kind, const ControlRequest& request, QWidget* parent) {
  switch (kind) {
    case ViewKind::CodeEditor: {
      auto* editor = new QtEditorWidget(parent);
      editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
      return editor;
    }
    case ViewKind::Web: {
      auto* page = new QTextBrowser(parent);
      page->setPlainText(to_qstring(request.text));
      return page;
    }
    case ViewKind::Calendar: {
      auto* calendar = new QCalendarWidget(parent);
      calendar->setGridVisible(request.style.border != BorderStyle::None);
      return calendar;
    }
    case ViewKind::HyperLink: {
      QLabel* link = make_link(request, parent);
      QObject::connect(link, &QLabel::linkActivated, link,
                       [this, link] { report_command(link, ControlCommand::Click); });
      return link;
    }
  }
  return nullptr;
}

// The code editor's text is every editor's (qt_editor_text.h).
std::u16string widget_text(ViewKind kind, QWidget& widget) {
  switch (kind) {
    case ViewKind::CodeEditor:
      return static_cast<const QtEditorWidget&>(widget).get();
    case ViewKind::Web:
      return static_cast<const QTextBrowser&>(widget).toPlainText().toStdU16String();
    case ViewKind::Calendar:
      break;
    case ViewKind::HyperLink:
      return widget.property(kLinkCaption).toString().toStdU16String();
  }
  return window_title_text(widget);
}

void set_widget_text(ViewKind kind, QWidget& widget, std::u16string_view text) {
  switch (kind) {
    case ViewKind::CodeEditor:
      static_cast<QtEditorWidget&>(widget).set(text);
      return;
    case ViewKind::Web:
      static_cast<QTextBrowser&>(widget).setPlainText(to_qstring(text));
      return;
    case ViewKind::Calendar:
      set_window_title_text(widget, text);
      return;
    case ViewKind::HyperLink:
      widget.setProperty(kLinkCaption, to_qstring(text));
      static_cast<QLabel&>(widget).setText(
          link_markup(to_qstring(text), widget.property(kLinkStyle).toString()));
      return;
  }
}

}  // namespace ambrel
