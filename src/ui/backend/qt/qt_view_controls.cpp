// The view family on Qt: code editor, web page (its text shown plainly), calendar and
// hyperlink. The hyperlink is a label showing its caption as a link in its style, and
// reports a click on it as command 0.

#include <QCalendarWidget>
#include <QColor>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

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

QWidget* QtBackend::make_view_widget(const ControlRequest& request, QWidget* parent) {
  switch (request.kind) {
    case ControlKind::CodeEditor: {
      auto* editor = new QPlainTextEdit(parent);
      editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
      editor->setLineWrapMode(QPlainTextEdit::NoWrap);
      return editor;
    }
    case ControlKind::Web: {
      auto* page = new QTextBrowser(parent);
      page->setPlainText(to_qstring(request.text));
      return page;
    }
    case ControlKind::Calendar: {
      auto* calendar = new QCalendarWidget(parent);
      calendar->setGridVisible(request.style.border != BorderStyle::None);
      return calendar;
    }
    case ControlKind::HyperLink: {
      QLabel* link = make_link(request, parent);
      QObject::connect(link, &QLabel::linkActivated, link,
                       [this, link] { report_command(link, kClickCommand); });
      return link;
    }
    default:
      return nullptr;
  }
}

// The code editor's text is every editor's (qt_editor_text.h); only the hyperlink and the
// web page have their own.
std::optional<QString> view_widget_text(const QWidget& widget) {
  QVariant caption = widget.property(kLinkCaption);
  if (caption.isValid()) return caption.toString();
  if (auto* page = qobject_cast<const QTextBrowser*>(&widget)) return page->toPlainText();
  return std::nullopt;
}

bool set_view_widget_text(QWidget& widget, const QString& text) {
  if (widget.property(kLinkCaption).isValid()) {
    widget.setProperty(kLinkCaption, text);
    static_cast<QLabel&>(widget).setText(link_markup(text, widget.property(kLinkStyle).toString()));
  } else if (auto* page = qobject_cast<QTextBrowser*>(&widget)) {
    page->setPlainText(text);
  } else {
    return false;
  }
  return true;
}

}  // namespace ambrel
