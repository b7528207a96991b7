#include "embedded/embedded_definition.h"

namespace ambrel {
namespace {

// Each tag starts a source line; the text itself has no line breaks, only the tabs that
// indent each tag by its depth.
constexpr char16_t kDefinition[] =
    u"<dialogs>"
    u"\t<window name='wndMain' id='#KV_Any'"
    u" flags='#KV_Window_SizeGadget|#KV_Window_SystemMenu|#KV_Window_TitleBar|#KV_Window_"
    u"MinimizeGadget|#KV_Window_MaximizeGadget|#KV_Window_ScreenCentered'"
    u" height='500' text='Ambrel' width='500' minwidth='auto' maxwidth='99999'"
    u" minheight='auto' maxheight='99999'>"
    u"\t\t<vbox name='vbox' id='#KV_Any' height='0' width='0' align='top/left' expand='equal'"
    u" spacing='5'>"
    u"\t\t\t<frame name='frameIn' id='#KV_Any'>"
    u"\t\t\t\t<splitter name='splitter1' id='#KV_Any' flags='#KV_Splitter_FirstFixed'"
    u" firstmin='25' secondmin='200'>"
    u"\t\t\t\t\t<text name='lblIn' id='#KV_Any' height='16' text='Source XML (CTRL + V)'"
    u" width='0'/>"
    u"\t\t\t\t\t<splitter name='splitter3' id='#KV_Any'"
    u" flags='#KV_Splitter_Vertical|#KV_Splitter_SecondFixed' secondmin='80'>"
    u"\t\t\t\t\t\t<editor name='txtIn' id='#KV_Any' height='0' OnEvent='events_txtIn()'/>"
    u"\t\t\t\t\t\t<vbox name='vbox1' id='#KV_Any' height='0' width='0' align='top/left'"
    u" expand='no' spacing='5'>"
    u"\t\t\t\t\t\t\t<button name='cmdFile' id='#KV_Any' flags='#KV_Button_Left' height='0'"
    u" text='  Open ...' width='0' OnEvent='events_cmdFile()'/>"
    u"\t\t\t\t\t\t\t<button name='cmdPaste' id='#KV_Any' disabled='no' flags='#KV_Button_Left'"
    u" height='0' text='  Paste' width='0' OnEvent='events_cmdPaste()'/>"
    u"\t\t\t\t\t\t\t<empty name='empty1' id='#KV_Any' height='16'/>"
    u"\t\t\t\t\t\t\t<button name='cmdClear' id='#KV_Any' flags='#KV_Button_Left' height='0'"
    u" text='  Clear' width='0' OnEvent='events_cmdClear()'/>"
    u"\t\t\t\t\t\t\t<empty name='empty4' id='#KV_Any' height='0'/>"
    u"\t\t\t\t\t\t\t<text name='text1' id='#KV_Any' disabled='yes' flags='#KV_Text_Right'"
    u" height='60' text='Ambrel by Mira Oskel'/>"
    u"\t\t\t\t\t\t</vbox>"
    u"\t\t\t\t\t</splitter>"
    u"\t\t\t\t</splitter>"
    u"\t\t\t</frame>"
    u"\t\t\t<frame name='frameOut' id='#KV_Any'>"
    u"\t\t\t\t<splitter name='splitter2' id='#KV_Any' flags='#KV_Splitter_FirstFixed'"
    u" firstmin='25' secondmin='200'>"
    u"\t\t\t\t\t<text name='lblOut' id='#KV_Any' text='Results (CTRL + C)'/>"
    u"\t\t\t\t\t<splitter name='splitter4' id='#KV_Any'"
    u" flags='#KV_Splitter_Vertical|#KV_Splitter_SecondFixed' secondmin='80'>"
    u"\t\t\t\t\t\t<editor name='txtOut' id='#KV_Any' flags='#KV_Editor_ReadOnly'"
    u" OnEvent='events_txtOut()'/>"
    u"\t\t\t\t\t\t<vbox name='vbox2' id='#KV_Any' height='0' width='0' align='top/left'"
    u" expand='no' spacing='5'>"
    u"\t\t\t\t\t\t\t<button name='cmdCopyAll' id='#KV_Any' disabled='yes' flags='#KV_Button_Left'"
    u" height='0' text='  Copy all' width='0' OnEvent='events_cmdCopyAll()'/>"
    u"\t\t\t\t\t\t</vbox>"
    u"\t\t\t\t\t</splitter>"
    u"\t\t\t\t</splitter>"
    u"\t\t\t</frame>"
    u"\t\t</vbox>"
    u"\t</window>"
    u"</dialogs>";

}  // namespace

std::u16string_view embedded_dialog_definition() {
  return std::u16string_view(kDefinition, sizeof kDefinition / sizeof kDefinition[0] - 1);
}

}  // namespace ambrel
