#include "ui/font_options_logic.h"

#include <algorithm>

namespace zeva::ui {

namespace {
constexpr int kTextTool = 52; // "Texto"
constexpr int kNumbersSlot = 33;
constexpr int kCursorMessagesSlot = 81;
constexpr int kNamesSlot = 82;
} // namespace

std::string fontRoleCaption(FontRole role, const settings::TextTable& texts) {
    switch (role) {
    case FontRole::CursorMessages:
        return texts.message(kCursorMessagesSlot);
    case FontRole::Names:
        return texts.message(kNamesSlot);
    case FontRole::Numbers:
        return texts.message(kNumbersSlot);
    case FontRole::Text:
        return texts.toolText(kTextTool);
    }
    return {};
}

settings::FontOption& fontOf(settings::Options& options, FontRole role) {
    switch (role) {
    case FontRole::CursorMessages:
        return options.cursorFont;
    case FontRole::Names:
        return options.namesFont;
    case FontRole::Numbers:
        return options.numbersFont;
    case FontRole::Text:
        return options.textFont;
    }
    return options.textFont;
}

FontOptionsSession::FontOptionsSession(settings::Options& options) : options_(options) {
    for (int r = 0; r < kFontRoleCount; ++r)
        opening_[size_t(r)] = fontOf(options, static_cast<FontRole>(r));
}

void FontOptionsSession::select(int row) {
    if (row >= 0 && row < kFontRoleCount) selected_ = row;
}

const settings::FontOption& FontOptionsSession::font() const {
    return fontOf(options_, static_cast<FontRole>(selected_));
}

void FontOptionsSession::setFont(settings::FontOption font) {
    font.size = std::clamp(font.size, 1, kMaxFontSize);
    fontOf(options_, static_cast<FontRole>(selected_)) = std::move(font);
}

void FontOptionsSession::cancel() {
    for (int r = 0; r < kFontRoleCount; ++r)
        fontOf(options_, static_cast<FontRole>(r)) = opening_[size_t(r)];
}

} // namespace zeva::ui
