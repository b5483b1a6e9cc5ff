#pragma once
// The rules of "Tipos de Letra...": four of the application fonts in a list, changed one at a
// time; the fonts as they were on opening come back on "Cancel".

#include "settings/options.h"
#include "settings/text_table.h"

#include <array>
#include <string>

namespace zeva::ui {

// In list order: "Mensajes del cursor", "Nombres", "Números", "Texto".
enum class FontRole { CursorMessages, Names, Numbers, Text };
inline constexpr int kFontRoleCount = 4;
inline constexpr int kMaxFontSize = 72; // the font dialog offers no larger size

// The list entry of a role.
std::string fontRoleCaption(FontRole role, const settings::TextTable& texts);
settings::FontOption& fontOf(settings::Options& options, FontRole role);

class FontOptionsSession {
  public:
    explicit FontOptionsSession(settings::Options& options);

    int selected() const { return selected_; }
    void select(int row); // out-of-range rows are ignored
    const settings::FontOption& font() const;
    // Stores a font chosen for the selected role, its size held within 1..72.
    void setFont(settings::FontOption font);
    // "Cancel": the four fonts as on opening.
    void cancel();

  private:
    settings::Options& options_;
    int selected_ = 0;
    std::array<settings::FontOption, kFontRoleCount> opening_;
};

} // namespace zeva::ui
