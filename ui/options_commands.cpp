#include "ui/options_commands.h"

#include "settings/options_file.h"

namespace zeva::ui {

settings::DocumentDefaults documentOptionsOf(const document::Document& d) {
    return d.units;
}

bool saveOptions(const std::filesystem::path& file, settings::Options& options,
                 const document::Document* current, const WindowPlacement& placement) {
    options.windowState = placement.state;
    options.windowLeft = placement.left;
    options.windowTop = placement.top;
    options.windowHeight = placement.height;
    options.windowWidth = placement.width;
    const settings::DocumentDefaults fromDocument =
        current ? documentOptionsOf(*current) : options.documentDefaults();
    return settings::saveOptionsWithDocument(file, options, fromDocument);
}

void loadOriginalOptions(settings::Options& options, document::Document* current) {
    settings::loadOriginalOptions(options);
    if (!current) return;
    current->units = settings::DocumentDefaults{};
}

} // namespace zeva::ui
