#pragma once

#include <array>
#include <string_view>

namespace ambrel {

// The dialog definition of the main window: root "dialogs" holding the window "wndMain".
// The text lives for the whole run.
std::u16string_view embedded_dialog_definition();

// The runtime procedures the definition binds, by the names it calls them.
inline constexpr std::u16string_view kCopyAllProcedure = u"events_cmdCopyAll()";
inline constexpr std::u16string_view kOpenFileProcedure = u"events_cmdFile()";
inline constexpr std::u16string_view kOutputEventProcedure = u"events_txtOut()";
inline constexpr std::u16string_view kInputEventProcedure = u"events_txtIn()";
inline constexpr std::u16string_view kClearProcedure = u"events_cmdClear()";
inline constexpr std::u16string_view kPasteProcedure = u"events_cmdPaste()";
// All six, so that tools and tests can publish them without the application.
inline constexpr std::array<std::u16string_view, 6> kEmbeddedProcedures{
    kCopyAllProcedure,    kOpenFileProcedure, kOutputEventProcedure,
    kInputEventProcedure, kClearProcedure,    kPasteProcedure};

}  // namespace ambrel
