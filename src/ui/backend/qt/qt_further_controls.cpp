// The Qt widgets of the further control kinds: the nearest real widget of each, with the
// style the kind's flags asked for, reporting the user's actions as commands.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeView>
#include <QTreeWidget>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_further_widgets.h"

namespace ambrel {

namespace {

constexpr int kClick = 0;
constexpr int kDoubleClick = 2;
constexpr int kChange = 768;
// A list icon's first column, as wide as the dialog engine creates it.
constexpr int kFirstColumnWidth = 300;
// A hyperlink keeps its plain caption here; the label shows it as a link.
constexpr const char* kLinkCaption = "ambrel_link_caption";
constexpr const char* kLinkStyle = "ambrel_link_style";

QString to_qstring(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Orientation orientation(const ControlStyle& style) {
  return style.vertical ? Qt::Vertical : Qt::Horizontal;
}

QString link_markup(const QString& caption, const QString& style) {
  return QStringLiteral("<a href=\"link\" style=\"%1\">%2</a>").arg(style, caption.toHtmlEscaped());
}

QLabel* make_link(const ControlSpec& spec, QWidget* parent) {
  QString style = QStringLiteral("text-decoration: %1;").arg(spec.style.underline ? "underline" : "none");
  if (spec.style.color >= 0) {
    QColor color(spec.style.color & 0xFF, (spec.style.color >> 8) & 0xFF, (spec.style.color >> 16) & 0xFF);
    style += QStringLiteral(" color: %1;").arg(color.name());
  }
  auto* label = new QLabel(parent);
  label->setProperty(kLinkCaption, to_qstring(spec.text));
  label->setProperty(kLinkStyle, style);
  label->setText(link_markup(to_qstring(spec.text), style));
  label->setTextFormat(Qt::RichText);
  return label;
}

QWidget* make_file_view(const ControlSpec& spec, QWidget* parent, bool folders_only) {
  auto* view = new QTreeView(parent);
  auto* model = new QFileSystemModel(view);
  if (folders_only) model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  QString path = spec.text.empty() ? QDir::homePath() : to_qstring(spec.text);
  view->setModel(model);
  view->setRootIndex(model->setRootPath(path));
  if (spec.style.multi_select) view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return view;
}

QTreeWidget* make_item_tree(const ControlSpec& spec, QWidget* parent, bool with_header) {
  auto* tree = new QTreeWidget(parent);
  tree->setColumnCount(1);
  tree->setHeaderHidden(!with_header);
  if (with_header) {
    tree->setHeaderLabels({to_qstring(spec.text)});
    tree->setColumnWidth(0, kFirstColumnWidth);
    tree->setRootIsDecorated(false);
  }
  if (spec.style.multi_select) tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return tree;
}

}  // namespace

void QtBackend::report_command(QWidget* source, int code) {
  NativeHandle handle = handle_of(source);
  if (sink_ && widget(handle) == source) sink_->on_control_command(handle, code);
}

QButtonGroup* QtBackend::option_group_for(const ControlSpec& spec, QWidget* parent) {
  int number = tree_.option_group_for_new(spec.parent);
  OpenOptionGroup& open = option_groups_[spec.parent.value];
  if (open.buttons == nullptr || open.number != number) open = {number, new QButtonGroup(parent)};
  return open.buttons;
}

QWidget* QtBackend::make_further_widget(const ControlSpec& spec, QWidget* parent) {
  QString text = to_qstring(spec.text);
  const ControlStyle& style = spec.style;
  switch (spec.kind) {
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(text, parent);
      box->setTristate(style.three_state);
      QObject::connect(box, &QCheckBox::clicked, box, [this, box] { report_command(box, kClick); });
      return box;
    }
    case ControlKind::Option: {
      auto* option = new QRadioButton(text, parent);
      option_group_for(spec, parent)->addButton(option);
      QObject::connect(option, &QRadioButton::clicked, option, [this, option] { report_command(option, kClick); });
      return option;
    }
    case ControlKind::String:
    case ControlKind::IpAddress: {
      auto* field = new QLineEdit(text, parent);
      field->setReadOnly(style.read_only);
      if (style.password) field->setEchoMode(QLineEdit::Password);
      if (spec.kind == ControlKind::IpAddress) field->setInputMask(QStringLiteral("000.000.000.000;_"));
      QObject::connect(field, &QLineEdit::textEdited, field, [this, field] { report_command(field, kChange); });
      return field;
    }
    case ControlKind::Image:
    case ControlKind::Canvas: {
      auto* area = new QLabel(parent);
      if (style.border != BorderStyle::None) area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      return area;
    }
    case ControlKind::ButtonImage: {
      auto* button = new QPushButton(parent);
      button->setCheckable(style.toggle);
      QObject::connect(button, &QPushButton::clicked, button, [this, button] { report_command(button, kClick); });
      return button;
    }
    case ControlKind::ListView: {
      auto* list = new QListWidget(parent);
      if (style.multi_select) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
      QObject::connect(list, &QListWidget::itemClicked, list, [this, list] { report_command(list, kClick); });
      QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                       [this, list] { report_command(list, kDoubleClick); });
      return list;
    }
    case ControlKind::ListIcon:
    case ControlKind::Tree: {
      QTreeWidget* tree = make_item_tree(spec, parent, spec.kind == ControlKind::ListIcon);
      QObject::connect(tree, &QTreeWidget::itemClicked, tree, [this, tree] { report_command(tree, kClick); });
      QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                       [this, tree] { report_command(tree, kDoubleClick); });
      return tree;
    }
    case ControlKind::ExplorerList:
      return make_file_view(spec, parent, false);
    case ControlKind::ExplorerTree:
      return make_file_view(spec, parent, true);
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(style.editable);
      if (spec.kind == ControlKind::ExplorerCombo) combo->addItem(text.isEmpty() ? QDir::homePath() : text);
      QObject::connect(combo, &QComboBox::activated, combo, [this, combo] { report_command(combo, kChange); });
      return combo;
    }
    case ControlKind::CodeEditor: {
      auto* editor = new QPlainTextEdit(parent);
      editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
      editor->setLineWrapMode(QPlainTextEdit::NoWrap);
      return editor;
    }
    case ControlKind::ScrollBar: {
      auto* bar = new QScrollBar(orientation(style), parent);
      bar->setRange(spec.range.minimum, spec.range.maximum);
      bar->setPageStep(spec.range.page);
      QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar] { report_command(bar, kClick); });
      return bar;
    }
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setOrientation(orientation(style));
      bar->setRange(spec.range.minimum, spec.range.maximum);
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::TrackBar: {
      auto* slider = new QSlider(orientation(style), parent);
      slider->setRange(spec.range.minimum, spec.range.maximum);
      if (style.ticks) slider->setTickPosition(QSlider::TicksBelow);
      QObject::connect(slider, &QSlider::actionTriggered, slider, [this, slider] { report_command(slider, kClick); });
      return slider;
    }
    case ControlKind::Spin: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(spec.range.minimum, spec.range.maximum);
      spin->setReadOnly(style.read_only);
      QObject::connect(spin, &QSpinBox::valueChanged, spin, [this, spin] { report_command(spin, kChange); });
      return spin;
    }
    case ControlKind::Shortcut:
      return new QKeySequenceEdit(parent);
    case ControlKind::Calendar: {
      auto* calendar = new QCalendarWidget(parent);
      calendar->setGridVisible(style.border != BorderStyle::None);
      return calendar;
    }
    case ControlKind::Date: {
      auto* date = new QDateEdit(parent);
      date->setCalendarPopup(true);
      QObject::connect(date, &QDateEdit::dateChanged, date, [this, date] { report_command(date, kChange); });
      return date;
    }
    case ControlKind::Web: {
      auto* page = new QTextBrowser(parent);
      page->setPlainText(text);
      return page;
    }
    case ControlKind::HyperLink: {
      QLabel* link = make_link(spec, parent);
      QObject::connect(link, &QLabel::linkActivated, link, [this, link] { report_command(link, kClick); });
      return link;
    }
    case ControlKind::Panel: {
      auto* panel = new QTabWidget(parent);
      QObject::connect(panel, &QTabWidget::currentChanged, panel, [this, panel] { report_command(panel, kChange); });
      return panel;
    }
    case ControlKind::ScrollArea: {
      auto* area = new QScrollArea(parent);
      area->setWidgetResizable(false);
      area->setWidget(new QWidget);
      if (style.border == BorderStyle::None) area->setFrameShape(QFrame::NoFrame);
      return area;
    }
    // Made by make_control_widget, or (a panel's page) by add_panel_page.
    case ControlKind::Text:
    case ControlKind::Button:
    case ControlKind::Editor:
    case ControlKind::Frame:
    case ControlKind::Container:
    case ControlKind::Splitter:
    case ControlKind::PanelPage:
      return nullptr;
  }
  return nullptr;
}

std::optional<QString> further_widget_text(const QWidget& widget) {
  QVariant caption = widget.property(kLinkCaption);
  if (caption.isValid()) return caption.toString();
  if (auto* field = qobject_cast<const QLineEdit*>(&widget)) return field->text();
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText();
  if (auto* spin = qobject_cast<const QSpinBox*>(&widget)) return spin->text();
  if (auto* keys = qobject_cast<const QKeySequenceEdit*>(&widget)) return keys->keySequence().toString();
  if (auto* page = qobject_cast<const QTextBrowser*>(&widget)) return page->toPlainText();
  if (auto* date = qobject_cast<const QDateEdit*>(&widget)) return date->text();
  if (qobject_cast<const QPushButton*>(&widget)) return std::nullopt;
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  return std::nullopt;
}

bool set_further_widget_text(QWidget& widget, const QString& text) {
  if (widget.property(kLinkCaption).isValid()) {
    widget.setProperty(kLinkCaption, text);
    static_cast<QLabel&>(widget).setText(link_markup(text, widget.property(kLinkStyle).toString()));
    return true;
  }
  if (auto* field = qobject_cast<QLineEdit*>(&widget)) {
    field->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    combo->setEditText(text);
  } else if (auto* spin = qobject_cast<QSpinBox*>(&widget)) {
    QSignalBlocker quiet(spin);
    spin->setValue(text.toInt());
  } else if (auto* keys = qobject_cast<QKeySequenceEdit*>(&widget)) {
    keys->setKeySequence(QKeySequence(text));
  } else if (auto* page = qobject_cast<QTextBrowser*>(&widget)) {
    page->setPlainText(text);
  } else if (qobject_cast<QPushButton*>(&widget) == nullptr && qobject_cast<QAbstractButton*>(&widget)) {
    static_cast<QAbstractButton&>(widget).setText(text);
  } else {
    return false;
  }
  return true;
}

}  // namespace ambrel
