#include "render/render_options.h"

namespace zeva::render {

namespace {
constexpr int kHideShowButtonTool = 53; // its message is the button's default caption
}

RenderOptions renderOptionsFrom(const settings::Options& options,
                                const settings::TextTable& texts) {
    RenderOptions r;
    r.hiddenColor = options.hiddenColor;
    r.selectionColor = options.selectionColor;
    r.showHidden = options.showHidden != 0;
    r.smooth = options.smoothDrawing != 0;
    const std::string& noValue = texts.message(settings::kMsgNotExisting);
    if (!noValue.empty()) r.noValueText = noValue;
    const std::string& caption = texts.toolText(kHideShowButtonTool);
    if (!caption.empty()) r.defaultButtonCaption = caption;
    return r;
}

} // namespace zeva::render
