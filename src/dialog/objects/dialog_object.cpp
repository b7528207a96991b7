#include "dialog/objects/dialog_object.h"

#include <algorithm>
#include <utility>

#include "dialog/objects/build_context.h"
#include "dialog/layout/size_request.h"
#include "dialog/definition/name_compare.h"
#include "dialog/objects/grouped_options.h"
#include "dialog/objects/layout_passes.h"
#include "ui/gadget.h"

namespace ambrel {

DialogObject::DialogObject(DialogKind kind, CommonAttributes common)
    : kind_(kind), common_(std::move(common)) {}

layout::Size DialogObject::size_request() {
  if (folded()) return {};
  return layout::apply_unwanted_axes(natural_size(), wish());
}

layout::Size DialogObject::natural_size() { return wish(); }

void DialogObject::allocate(layout::Rect area, std::vector<ChildPlacement>&) {
  if (gadget_ != -1) resize_gadget(gadget_, area.x, area.y, area.width, area.height);
}

void DialogObject::add_child(std::unique_ptr<DialogObject> child, const ElementView&) {
  adopt(std::move(child));
}

void DialogObject::finish(BuildContext& context) { create_pending_options(context); }

DialogObject& DialogObject::adopt(std::unique_ptr<DialogObject> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return *children_.back();
}

DialogObject* DialogObject::last_child() const {
  return children_.empty() ? nullptr : children_.back().get();
}

std::u16string_view DialogObject::text_or_empty() const {
  return common_.text ? std::u16string_view(*common_.text) : std::u16string_view();
}

void DialogObject::create_pending_options(BuildContext& context) {
  create_grouped_options(pending_options_, context);
  pending_options_.clear();
  pending_options_.shrink_to_fit();
}

std::vector<std::unique_ptr<DialogObject>> DialogObject::take_children() {
  return std::exchange(children_, {});
}

DialogObject* DialogObject::find_by_name(std::u16string_view name) {
  std::vector<DialogObject*> stack{this};
  while (!stack.empty()) {
    DialogObject* object = stack.back();
    stack.pop_back();
    if (object->name() && names_equal(*object->name(), name)) return object;
    // Pushed in reverse so that the first child is visited first.
    for (auto it = object->children_.rbegin(); it != object->children_.rend(); ++it) {
      stack.push_back(it->get());
    }
  }
  return nullptr;
}

void DialogObject::set_hidden(bool hidden) {
  std::vector<DialogObject*> stack{this};
  while (!stack.empty()) {
    DialogObject* object = stack.back();
    stack.pop_back();
    if (!hidden && object->folded()) continue;
    if (object->gadget_ != -1) hide_gadget(object->gadget_, hidden ? 1 : 0);
    for (const auto& child : object->children_) stack.push_back(child.get());
  }
}

void DialogObject::refresh_text() {
  std::vector<DialogObject*> stack{this};
  while (!stack.empty()) {
    DialogObject* object = stack.back();
    stack.pop_back();
    if (object->gadget_ != -1) set_gadget_text(object->gadget_, object->text_or_empty());
    for (const auto& child : object->children_) stack.push_back(child.get());
  }
}

void destroy_tree(std::unique_ptr<DialogObject> root) {
  if (!root) return;
  // Every object in pre-order; run destroy in reverse, so children before their parent.
  std::vector<std::unique_ptr<DialogObject>> order;
  order.push_back(std::move(root));
  for (std::size_t i = 0; i < order.size(); ++i) {
    for (auto& child : order[i]->take_children()) order.push_back(std::move(child));
  }
  // An event procedure may free a dialog while its layout runs.
  forget_pending_allocations(order);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    (*it)->destroy();
    it->reset();
  }
}

}  // namespace ambrel
