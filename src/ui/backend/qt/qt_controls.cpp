// Controls, measurement, mouse capture, clipboard, file dialog and drop targets on Qt.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStringList>
#include <utility>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_drop_routing.h"
#include "ui/backend/qt/qt_editor_text.h"
#include "ui/backend/qt/qt_family_widgets.h"
#include "ui/backend/qt/qt_text.h"
#include "ui/backend/qt/qt_widgets.h"

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

QString qt_filter(const FileFilter& filter) {
  QString pattern =
      filter.pattern == u"*.*" ? QString("*") : to_qstring(filter.pattern).replace(';', ' ');
  return to_qstring(filter.description) + " (" + pattern + ")";
}

}  // namespace

QtBackend::ControlInfo* QtBackend::find_control(NativeHandle handle) {
  auto it = controls_.find(handle.value);
  return it == controls_.end() ? nullptr : &it->second;
}

const QtBackend::ControlInfo* QtBackend::find_control(NativeHandle handle) const {
  auto it = controls_.find(handle.value);
  return it == controls_.end() ? nullptr : &it->second;
}

// A scroll area's controls live in the area it scrolls over.
QWidget* QtBackend::container_widget(NativeHandle parent) const {
  QWidget* parent_widget = widget(parent);
  if (auto* area = qobject_cast<QScrollArea*>(parent_widget)) return area->widget();
  return parent_widget;
}

QWidget* QtBackend::make_control_widget(const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  switch (request.kind) {
    case ControlKind::Text: {
      auto* label = new QLabel(text, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(qt_alignment(request.style.alignment) | Qt::AlignTop);
      label->setFrameStyle(frame_shape(request.style.border));
      return label;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(text, parent);
      button->setCheckable(request.style.toggle);
      button->setDefault(request.style.default_button);
      if (request.style.multi_line) show_caption_wrapped(*button);
      if (request.style.alignment != TextAlignment::Center)
        align_button(*button, request.style.alignment);
      QObject::connect(button, &QPushButton::clicked, button, [this, button] {
        NativeHandle handle = handle_of(button);
        if (sink_ && widget(handle) == button) sink_->on_control_command(handle, 0);
      });
      return button;
    }
    case ControlKind::Editor: {
      auto* editor = new QPlainTextEdit(parent);
      QtEditorText& editor_text = QtEditorText::of(*editor);
      editor_text.set(request.text);
      editor->setReadOnly(request.style.read_only);
      editor->setLineWrapMode(request.style.word_wrap ? QPlainTextEdit::WidgetWidth
                                                      : QPlainTextEdit::NoWrap);
      QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [this, editor, &editor_text] {
        NativeHandle handle = handle_of(editor);
        bool program = setting_text_ || editor_text.taking_text();
        if (sink_ && !program && widget(handle) == editor) sink_->on_control_command(handle, 768);
      });
      return editor;
    }
    case ControlKind::Frame:
      return new QGroupBox(text, parent);
    case ControlKind::Container: {
      auto* container = new QFrame(parent);
      container->setFrameStyle(frame_shape(request.style.border));
      return container;
    }
    case ControlKind::Splitter:
      return new SplitterWidget(*this, parent);
    case ControlKind::CheckBox:
    case ControlKind::Option:
      return make_choice_widget(request, parent);
    case ControlKind::String:
    case ControlKind::Spin:
    case ControlKind::IpAddress:
    case ControlKind::Shortcut:
    case ControlKind::Date:
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return make_field_widget(request, parent);
    case ControlKind::ListView:
    case ControlKind::ListIcon:
    case ControlKind::Tree:
    case ControlKind::ExplorerList:
    case ControlKind::ExplorerTree:
      return make_list_widget(request, parent);
    case ControlKind::Panel:
    case ControlKind::ScrollArea:
      return make_page_widget(request, parent);
    case ControlKind::Image:
    case ControlKind::ButtonImage:
    case ControlKind::Canvas:
      return make_picture_widget(request, parent);
    case ControlKind::ScrollBar:
    case ControlKind::ProgressBar:
    case ControlKind::TrackBar:
      return make_range_widget(request, parent);
    case ControlKind::CodeEditor:
    case ControlKind::Web:
    case ControlKind::Calendar:
    case ControlKind::HyperLink:
      return make_view_widget(request, parent);
    case ControlKind::PanelPage:
      return nullptr;
  }
  return nullptr;
}

void QtBackend::report_command(QWidget* source, int code) {
  NativeHandle handle = handle_of(source);
  if (sink_ && widget(handle) == source) sink_->on_control_command(handle, code);
}

NativeHandle QtBackend::create_control(const ControlRequest& request) {
  QWidget* parent = container_widget(request.parent);
  if (!parent || !tree_.is_parent(request.parent)) return kNoHandle;
  QWidget* control = make_control_widget(request, parent);
  if (!control) return kNoHandle;
  control->setFocusPolicy(request.style.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  if (request.kind == ControlKind::Text || request.kind == ControlKind::Frame ||
      request.kind == ControlKind::Container) {
    control->setFocusPolicy(Qt::NoFocus);
  }
  if (request.style.fixed_pitch)
    control->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  control->setGeometry(request.geometry.x, request.geometry.y, request.geometry.width,
                       request.geometry.height);
  control->show();
  NativeHandle handle = tree_.add_control(request.kind, request.parent);
  ControlInfo info;
  info.widget = control;
  info.style = request.style;
  controls_.emplace(handle.value, std::move(info));
  handles_[control] = handle;
  return handle;
}

// Children first, each reported.
void QtBackend::destroy_children(std::vector<NativeHandle> children) {
  tree_.destroy_children_first(std::move(children), [this](NativeHandle handle) {
    if (sink_) sink_->on_control_destroyed(handle);
    ControlInfo* control = find_control(handle);
    if (!control) return;
    QWidget* widget = control->widget;
    controls_.erase(handle.value);
    tree_.remove(handle);
    forget_parent(handle);
    // Left in its parent, hidden, until deleted: taking it out of the window would walk the
    // window's whole focus chain, for every control freed. Should the parent go first, Qt
    // deletes it with the parent and drops its pending deletion.
    forget_widget(widget);
  });
}

void QtBackend::destroy_control(NativeHandle handle) {
  if (!is_control(handle)) return;
  tree_.detach(handle);
  destroy_children({handle});
}

bool QtBackend::is_control(NativeHandle handle) const { return find_control(handle) != nullptr; }

ControlKind QtBackend::control_kind(NativeHandle handle) const { return tree_.kind(handle); }

void QtBackend::set_control_id(NativeHandle handle, int id) { tree_.set_id(handle, id); }

NativeHandle QtBackend::control_parent(NativeHandle handle) const { return tree_.parent(handle); }

NativeHandle QtBackend::control_window(NativeHandle handle) const {
  return tree_.window_of(handle);
}

void QtBackend::set_control_parent(NativeHandle handle, NativeHandle parent) {
  ControlInfo* control = find_control(handle);
  QWidget* parent_widget = widget(parent);
  if (!control || !parent_widget || !tree_.set_parent(handle, parent)) return;
  bool visible = !control->widget->isHidden();
  control->widget->setParent(parent_widget);
  control->widget->setVisible(visible);
}

std::vector<NativeHandle> QtBackend::child_controls(NativeHandle parent) const {
  return tree_.children(parent);
}

Rect QtBackend::control_geometry(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  QRect geometry = control->widget->geometry();
  return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

void QtBackend::set_control_geometry(NativeHandle handle, Rect geometry) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  QSize old = control->widget->size();
  control->widget->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
  // Reported here, not from resize events, which Qt holds back for hidden widgets.
  if (old != control->widget->size() && sink_) sink_->on_control_resized(handle);
}

std::u16string QtBackend::control_text(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  QWidget* widget = control->widget;
  if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) return QtEditorText::of(*editor).get();
  if (std::optional<QString> text = family_widget_text(*widget)) return text->toStdU16String();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdU16String();
  if (auto* button = qobject_cast<QPushButton*>(widget))
    return button_caption(*button).toStdU16String();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title().toStdU16String();
  return widget->windowTitle().toStdU16String();
}

void QtBackend::read_control_text(NativeHandle handle, const TextPieceHandler& take) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return;
  if (auto* editor = qobject_cast<QPlainTextEdit*>(control->widget)) {
    QtEditorText::of(*editor).read(take);
    return;
  }
  // Other kinds hold short texts.
  std::u16string text = control_text(handle);
  if (!text.empty()) take(text);
}

void QtBackend::set_control_text(NativeHandle handle, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  QWidget* widget = control->widget;
  if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) {
    setting_text_ = true;
    QtEditorText::of(*editor).set(text);
    setting_text_ = false;
    return;
  }
  QString value = to_qstring(text);
  if (set_family_widget_text(*widget, value)) {
    return;
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    set_button_caption(*button, value);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(value);
  } else {
    widget->setWindowTitle(value);
  }
}

void QtBackend::set_control_enabled(NativeHandle handle, bool enabled) {
  if (ControlInfo* control = find_control(handle)) control->widget->setEnabled(enabled);
}

bool QtBackend::control_enabled(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && control->widget->isEnabled();
}

void QtBackend::set_control_visible(NativeHandle handle, bool visible) {
  if (ControlInfo* control = find_control(handle)) control->widget->setVisible(visible);
}

bool QtBackend::control_visible(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && !control->widget->isHidden();
}

ControlStyle QtBackend::control_style(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control ? control->style : ControlStyle{};
}

void QtBackend::place_control_below(NativeHandle handle, NativeHandle above) {
  ControlInfo* control = find_control(handle);
  QWidget* sibling = widget(above);
  if (!control || !sibling || handle == above || control_parent(above) != control_parent(handle))
    return;
  control->widget->stackUnder(sibling);
}

void QtBackend::set_focus(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->setFocus(Qt::OtherFocusReason);
}

NativeHandle QtBackend::focused_control() const {
  NativeHandle handle = handle_of(QApplication::focusWidget());
  return is_control(handle) ? handle : kNoHandle;
}

void QtBackend::repaint_control(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->update();
}

Size QtBackend::text_extent(NativeHandle handle, std::u16string_view text) const {
  QWidget* control = widget(handle);
  QFontMetrics metrics(control ? control->font() : QApplication::font());
  return {metrics.horizontalAdvance(to_qstring(text)), metrics.height()};
}

Size QtBackend::text_block(NativeHandle handle, std::u16string_view text) const {
  QWidget* control = widget(handle);
  QFontMetrics metrics(control ? control->font() : QApplication::font());
  QString value = to_qstring(text);
  value.replace("\r\n", "\n").replace('\r', '\n');
  QRect block = metrics.boundingRect(QRect(), Qt::TextExpandTabs, value);
  return {block.width(), std::max(block.height(), metrics.height())};
}

SystemMetrics QtBackend::system_metrics() const {
  QStyle* style = QApplication::style();
  int edge = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
  int scroll = style->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {edge, edge, 1, 1, scroll, scroll};
}

void QtBackend::capture_mouse(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->grabMouse();
}

void QtBackend::release_mouse() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

NativeHandle QtBackend::mouse_capture() const {
  QWidget* grabber = QWidget::mouseGrabber();
  NativeHandle handle = handle_of(grabber);
  return grabber && widget(handle) == grabber ? handle : kNoHandle;
}

void QtBackend::set_control_cursor(NativeHandle handle, Cursor cursor) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  Qt::CursorShape shape = cursor == Cursor::SizeWestEast     ? Qt::SizeHorCursor
                          : cursor == Cursor::SizeNorthSouth ? Qt::SizeVerCursor
                                                             : Qt::ArrowCursor;
  control->widget->setCursor(shape);
}

bool QtBackend::set_clipboard_text(std::u16string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(to_qstring(text));
  return true;
}

std::u16string QtBackend::clipboard_text() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdU16String() : std::u16string();
}

std::u16string QtBackend::ask_open_file(const OpenFileRequest& request) {
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << qt_filter(filter);
  QString selected = request.selected_filter >= 0 && request.selected_filter < filters.size()
                         ? filters[request.selected_filter]
                         : QString();
  QString start = to_qstring(request.initial_directory);
  if (!request.proposed_name.empty())
    start = start.isEmpty() ? to_qstring(request.proposed_name)
                            : start + '/' + to_qstring(request.proposed_name);
  // Qt reads the patterns from each entry's last parentheses; the list shows only the
  // description, as given.
  QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                              to_qstring(request.title), start, filters.join(";;"),
                                              &selected, QFileDialog::HideNameFilterDetails);
  return path.toStdU16String();
}

bool QtBackend::enable_drops(NativeHandle target, bool enable) {
  QWidget* widget_of_target = widget(target);
  if (!widget_of_target) return false;
  set_qt_drop_target(*widget_of_target, enable);
  return true;
}

bool QtBackend::save_window_image(NativeHandle window, const std::string& png_path) {
  const WindowInfo* info = find_window(window);
  return info && info->widget->grab().save(QString::fromStdString(png_path), "PNG");
}

}  // namespace ambrel
