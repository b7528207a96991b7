#pragma once

// The base of every object built from a definition element. Each kind family overrides
// the operations whose behaviour differs; the tree walks (find, hide, refresh, destroy,
// and the two layout passes in layout_passes.h) use explicit stacks, so a deeply nested
// definition cannot exhaust the call stack.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/definition/common_attributes.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "dialog/layout/layout_types.h"
#include "xml/xml_node.h"

namespace ambrel {

struct BuildContext;

// A grouped option waiting for its parent's finish; the node lives as long as the open.
struct PendingOption {
  class DialogObject* option = nullptr;
  std::int32_t group = -1;
  const XmlNode* node = nullptr;
};

// Where an allocate sends a child.
struct ChildPlacement {
  class DialogObject* child = nullptr;
  layout::Rect area;
};

class DialogObject {
 public:
  DialogObject(DialogKind kind, CommonAttributes common);
  virtual ~DialogObject() = default;
  DialogObject(const DialogObject&) = delete;
  DialogObject& operator=(const DialogObject&) = delete;

  // --- Layout. size_request is the same for every kind: a folded object requests 0 x 0
  // without measuring; WIDTH or HEIGHT -1 asks for nothing on that axis. The request
  // pass calls it children first, so natural_size reads the children's cached requests.
  layout::Size size_request();
  // Plain objects: the WIDTH and HEIGHT attributes.
  virtual layout::Size natural_size();
  // Places the object's own gadget and tells where each child goes; the allocation pass
  // then allocates those children.
  virtual void allocate(layout::Rect area, std::vector<ChildPlacement>& children);

  // --- Tree building.
  // Takes ownership of the child, built from `element`. Every object keeps what it is given,
  // so nothing leaks; which children a kind lays out is the kind's own rule.
  virtual void add_child(std::unique_ptr<DialogObject> child, const ElementView& element);
  // After all children were created: grouped options pending on the object first.
  virtual void finish(BuildContext& context);
  // Releases what the object registered outside itself (maps, bindings); children first.
  virtual void destroy() {}

  // --- Operations over the subtree (explicit stacks).
  // The first object, depth-first in document order, whose NAME equals name (any case).
  DialogObject* find_by_name(std::u16string_view name);
  // Hides or shows every gadget of the subtree; a folded object ignores a request to show.
  void set_hidden(bool hidden);
  // Sets every gadget's text again from the TEXT attributes.
  void refresh_text();

  // --- Fields.
  DialogKind kind() const { return kind_; }
  DialogObject* parent() const { return parent_; }
  std::int32_t gadget() const { return gadget_; }
  void set_gadget(std::int32_t gadget) { gadget_ = gadget; }
  std::int32_t requested_id() const { return common_.requested_id; }
  std::uint32_t flags() const { return common_.flags; }
  bool folded() const { return common_.folded; }
  layout::Size wish() const { return {common_.width, common_.height}; }
  const std::optional<std::u16string>& name() const { return common_.name; }
  const std::optional<std::u16string>& text() const { return common_.text; }
  // The text for a creation call: TEXT or the empty text.
  std::u16string_view text_or_empty() const;

  std::span<const std::unique_ptr<DialogObject>> children() const { return children_; }
  // The request the last request pass measured, and the last rectangle allocated.
  layout::Size request() const { return request_; }
  void set_request(layout::Size request) { request_ = request; }
  const std::optional<layout::Rect>& allocation() const { return allocation_; }
  void set_allocation(layout::Rect area) { allocation_ = area; }

  void add_pending_option(PendingOption entry) { pending_options_.push_back(entry); }
  // Hands the children over for an iterative tear-down.
  std::vector<std::unique_ptr<DialogObject>> take_children();

 protected:
  // Stores the child and makes this object its parent.
  DialogObject& adopt(std::unique_ptr<DialogObject> child);
  // Creates the grouped options pending on the object, group by group.
  void create_pending_options(BuildContext& context);
  // The last child added, the one a single-child container lays out; null when none.
  DialogObject* last_child() const;
  std::span<const PendingOption> pending_options() const { return pending_options_; }

 private:
  DialogKind kind_;
  DialogObject* parent_ = nullptr;
  std::int32_t gadget_ = -1;
  CommonAttributes common_;
  std::vector<std::unique_ptr<DialogObject>> children_;
  std::vector<PendingOption> pending_options_;
  layout::Size request_;
  std::optional<layout::Rect> allocation_;
};

// Destroys a whole tree without recursion: every object's destroy runs after its
// children's, then the objects are freed leaves first.
void destroy_tree(std::unique_ptr<DialogObject> root);

}  // namespace ambrel
