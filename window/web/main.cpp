// The web front-end: the window built from its facts on the page, and the
// event procedures the page's events are bound to.
#include "window/commands.h"
#include "window/facts.h"
#include "window/previewbox.h"
#include "window/web/dom.h"
#include "window/web/dominputbox.h"
#include "window/web/dompreviewbox.h"

#include <emscripten.h>

#include <string>

namespace hueprev::web {
namespace {

// A browser lays out and shapes each run of the preview as an element of its
// own, dearer than a rich-text control: it builds about fifteen boxes' worth
// either side of the caret.
constexpr std::size_t kShownEachSide = 400;

struct FrmMain
{
    DomInputBox txtIn;
    DomPreviewBox txtOut;
    CaretPreview preview{txtOut, kShownEachSide};
};

FrmMain &frmMain()
{
    static FrmMain window;
    return window;
}

// Text the page hands over, such as a paste.
std::u16string &handedOver()
{
    static std::u16string text;
    return text;
}

void open()
{
    hueprev_dom_open(facts::kCaption, facts::pixels(facts::kClientWidth), facts::pixels(facts::kClientHeight),
                     facts::kFontFace);
    for (const facts::Control &control : facts::kControls) {
        hueprev_dom_add_control(
            static_cast<int>(control.kind), control.index, facts::pixels(control.left),
            facts::pixels(control.top), facts::pixels(control.width), facts::pixels(control.height),
            control.points, facts::accessibleName(control).c_str(),
            facts::accessibleDescription(control).c_str(), facts::toolTip(control).c_str());
    }
    hueprev_dom_bind(facts::kPreviewBackground);
}

} // namespace
} // namespace hueprev::web

using hueprev::web::frmMain;

extern "C" {

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_Change()
{
    auto &window = frmMain();
    window.preview.textChanged(window.txtIn.text(), window.txtIn.caret());
}

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_CaretMove()
{
    auto &window = frmMain();
    window.preview.caretMoved(window.txtIn.caret(), window.txtIn);
}

EMSCRIPTEN_KEEPALIVE int hueprev_txtIn_KeyPress(int keyAscii)
{
    auto key = static_cast<char16_t>(keyAscii);
    hueprev::selectAllOnEnter(frmMain().txtIn, key);
    return key;
}

EMSCRIPTEN_KEEPALIVE void hueprev_cmdAddColor_Click(int index)
{
    hueprev::addColorCode(frmMain().txtIn, index);
}

EMSCRIPTEN_KEEPALIVE char16_t *hueprev_buffer(int length)
{
    std::u16string &text = hueprev::web::handedOver();
    text.assign(static_cast<std::size_t>(length), u'\0');
    return text.data();
}

EMSCRIPTEN_KEEPALIVE void hueprev_txtIn_Paste()
{
    frmMain().txtIn.paste(hueprev::web::handedOver());
}
}

int main()
{
    hueprev::web::open();
    return 0;
}
