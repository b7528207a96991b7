#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/catalogue_filer.h"
#include "json/json_event_reader.h"

namespace ambrel {

// Files a JSON text's values into a catalogue: every value at the top is a sample of its own
// (another document); a top object's members are the top kinds, as are the members of the
// objects in a top array. A member's value is an element named by its key: an object holds
// elements, a scalar a value (a string text, a number integer or decimal by its form, true
// and false integer), null nothing. An array is no element: each of its values is an element
// of the key that holds the array, marked as standing in a list, and an array in an array is
// read the same way, so the values of nested arrays are one list. An empty array still makes
// its key a list. A key that holds an object in one place and a scalar in another is filed as
// an XML element that is childless in some instances: a typed field whose members are still
// declared. Scalars and arrays at the top, and scalars in them, have no key and file nothing.
class JsonFiling final : public JsonEventHandler {
 public:
  explicit JsonFiling(CatalogueFiler& filer) : filer_(filer) {}

  void start_object() override;
  void key(std::u16string_view name) override;
  void end_object() override;
  void start_array() override;
  void end_array() override;
  void scalar(JsonScalar kind) override;
  void end_value() override;

 private:
  // An open object or array.
  struct Level {
    bool array;
    bool at_top;         // an array whose values have no key (the top one, or in it)
    bool filed;          // an object opened as an element, closed with it
    bool empty;          // an array that has had no value yet
    std::u16string key;  // for an array: the key its values are filed under
  };
  // Where a value is filed: under which key, whether in a list, or nowhere.
  struct Place {
    bool at_top;
    bool listed;
    std::u16string_view key;
  };

  Place place_of_value();
  void start_sample();

  CatalogueFiler& filer_;
  std::vector<Level> levels_;
  std::size_t depth_ = 0;           // levels_ in use; those past it are kept for reuse
  std::u16string_view member_key_;  // the key of the value that comes next in an object
  bool sample_ended_ = false;
};

}  // namespace ambrel
