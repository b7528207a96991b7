#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "dialog/definition/definition_place.h"

namespace ambrel {

// Message templates of definition errors; each %s takes one argument in order.
inline constexpr std::string_view kFlagNotSupportedError =
    "'#%s' flag is not supported for the following gadget: %s";
inline constexpr std::string_view kConstantNotFoundError =
    "'%s' constant is not found or not declared as runtime%s.";
inline constexpr std::string_view kEventNotSupportedError =
    "'%s' is not supported for the following gadget: %s";
inline constexpr std::string_view kNotRuntimeProcedureError = "'%s' is not a runtime procedure.";

// Error texts are 8-bit (UTF-8) and fit a 512-byte buffer with its terminator.
inline constexpr std::size_t kDialogErrorBufferSize = 512;

// Fills the template's %s markers with the arguments converted from UTF-16 to UTF-8
// (an unpaired surrogate becomes U+FFFD; a marker without argument stays empty). A text
// longer than kDialogErrorBufferSize - 1 bytes is cut after the last whole character
// that fits, so it never ends inside a UTF-8 sequence.
std::string format_dialog_error(std::string_view message_template,
                                std::initializer_list<std::u16string_view> arguments);

// The first error of one dialog open and the place in the definition it comes from; later
// errors are dropped while one is kept.
class DialogError {
 public:
  void record(std::string_view message_template,
              std::initializer_list<std::u16string_view> arguments, DefinitionPlace place = {});
  bool has_error() const { return has_error_; }
  // The recorded text; empty when there is none.
  const std::string& text() const { return text_; }
  DefinitionPlace place() const { return place_; }
  void clear();

 private:
  bool has_error_ = false;
  std::string text_;
  DefinitionPlace place_;
};

}  // namespace ambrel
