// The basic family on Qt: the text is a QLabel, the button a QPushButton (a click is command
// Click), the editor our Scintilla editor (the user's edits are command Change), the frame a
// QGroupBox, the container a QFrame and the splitter our own widget.

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/qt_family_widgets.h"
#include "backend/qt/qt_widgets.h"

namespace ambrel {

namespace {

Qt::Alignment qt_alignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Center:
      return Qt::AlignHCenter;
    case TextAlignment::Right:
      return Qt::AlignRight;
    case TextAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

int frame_shape(BorderStyle border) {
  switch (border) {
    case BorderStyle::Flat:
      return QFrame::Box | QFrame::Plain;
    case BorderStyle::Raised:
      return QFrame::Panel | QFrame::Raised;
    case BorderStyle::Single:
      return QFrame::StyledPanel | QFrame::Sunken;
    case BorderStyle::Sunken:
      return QFrame::WinPanel | QFrame::Sunken;
    case BorderStyle::None:
      break;
  }
  return QFrame::NoFrame;
}

// A push button cannot wrap its caption, so a multi-line one shows it in a wrapping label.
constexpr const char* kCaptionLabel = "caption";

QLabel* caption_label(const QPushButton& button) {
  return button.findChild<QLabel*>(kCaptionLabel, Qt::FindDirectChildrenOnly);
}

void show_caption_wrapped(QPushButton& button) {
  auto* label = new QLabel(button.text(), &button);
  button.setText(QString());
  label->setObjectName(kCaptionLabel);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QHBoxLayout(&button);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
}

QString button_caption(const QPushButton& button) {
  QLabel* label = caption_label(button);
  return label ? label->text() : button.text();
}

void set_button_caption(QPushButton& button, const QString& text) {
  if (QLabel* label = caption_label(button)) {
    label->setText(text);
  } else {
    button.setText(text);
  }
}

void align_button(QPushButton& button, TextAlignment alignment) {
  if (QLabel* label = caption_label(button)) {
    label->setAlignment(qt_alignment(alignment) | Qt::AlignVCenter);
    return;
  }
  const char* side = alignment == TextAlignment::Left    ? "left"
                     : alignment == TextAlignment::Right ? "right"
                                                         : "center";
  button.setStyleSheet(QString("text-align: %1;").arg(side));
}

}  // namespace

QWidget* QtBackend::make_widget(BasicKind kind, const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  switch (kind) {
    case BasicKind::Text: {
      auto* label = new QLabel(text, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(qt_alignment(request.style.alignment) | Qt::AlignTop);
      label->setFrameStyle(frame_shape(request.style.border));
      return label;
    }
    case BasicKind::Button: {
      auto* button = new QPushButton(text, parent);
      button->setCheckable(request.style.toggle);
      button->setDefault(request.style.default_button);
      if (request.style.multi_line) show_caption_wrapped(*button);
      if (request.style.alignment != TextAlignment::Center)
        align_button(*button, request.style.alignment);
      QObject::connect(button, &QPushButton::clicked, button,
                       [this, button] { report_command(button, ControlCommand::Click); });
      return button;
    }
    case BasicKind::Editor:
      return make_editor(request, parent);
    case BasicKind::Frame:
      return new QGroupBox(text, parent);
    case BasicKind::Container: {
      auto* container = new QFrame(parent);
      container->setFrameStyle(frame_shape(request.style.border));
      return container;
    }
    case BasicKind::Splitter:
      return new SplitterWidget(*this, parent);
  }
  return nullptr;
}

QtEditorWidget* QtBackend::make_editor(const ControlRequest& request, QWidget* parent) {
  auto* editor = new QtEditorWidget(parent);
  editor->set(request.text);
  // Read-only, it still shows its caret when it has the focus, which the arrow keys move and
  // select with, so that it shows that it has the focus.
  editor->set_read_only(request.style.read_only);
  editor->set_word_wrap(request.style.word_wrap);
  editor->on_user_edit([this, editor] {
    if (!setting_text_) report_command(editor, ControlCommand::Change);
  });
  editor->on_paste([this, editor] { return report_paste(editor); });
  return editor;
}

std::u16string widget_text(BasicKind kind, QWidget& widget) {
  switch (kind) {
    case BasicKind::Text:
      return static_cast<const QLabel&>(widget).text().toStdU16String();
    case BasicKind::Button:
      return button_caption(static_cast<const QPushButton&>(widget)).toStdU16String();
    case BasicKind::Editor:
      return static_cast<const QtEditorWidget&>(widget).get();
    case BasicKind::Frame:
      return static_cast<const QGroupBox&>(widget).title().toStdU16String();
    case BasicKind::Container:
    case BasicKind::Splitter:
      break;
  }
  return window_title_text(widget);
}

void set_widget_text(BasicKind kind, QWidget& widget, std::u16string_view text) {
  switch (kind) {
    case BasicKind::Text:
      static_cast<QLabel&>(widget).setText(to_qstring(text));
      return;
    case BasicKind::Button:
      set_button_caption(static_cast<QPushButton&>(widget), to_qstring(text));
      return;
    case BasicKind::Editor:
      static_cast<QtEditorWidget&>(widget).set(text);
      return;
    case BasicKind::Frame:
      static_cast<QGroupBox&>(widget).setTitle(to_qstring(text));
      return;
    case BasicKind::Container:
    case BasicKind::Splitter:
      break;
  }
  set_window_title_text(widget, text);
}

}  // namespace ambrel
