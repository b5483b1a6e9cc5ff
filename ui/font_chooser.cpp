#include "ui/font_chooser.h"

#include "settings/text_table.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zeva::ui {

namespace {
constexpr int kSwatchSize = 18;
}

QFont qtFont(const model::ElementFont& f) {
    QFont font(qtText(f.name));
    font.setPointSize(std::max(1, f.size));
    font.setBold(f.bold != 0);
    font.setItalic(f.italic != 0);
    font.setUnderline(f.underline != 0);
    font.setStrikeOut(f.strikeout != 0);
    return font;
}

FontChooser::FontChooser(const model::ElementFont& initial, int maxSize, QWidget* parent)
    : QDialog(parent), colour_(initial.color), maxSize_(std::max(1, maxSize)) {
    setWindowTitle(qtText(settings::texts().toolText(58))); // "Tipo de letra"
    fonts_ = new QFontDialog(qtFont(initial), this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);
    // Esc inside the embedded chooser closes it as a dialog of its own: close this one instead.
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
    connect(fonts_, &QDialog::accepted, this, &QDialog::accept);

    colourButton_ = new QToolButton(this);
    colourButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    colourButton_->setIconSize(QSize(kSwatchSize, kSwatchSize));
    colourButton_->setText(Mnemonics(QStringLiteral("oc")).mark(messageText(settings::kMsgFontColour)));
    connect(colourButton_, &QToolButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(qtColour(colour_), this);
        if (c.isValid()) setColour(colorRefOf(c));
    });
    showColour();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colourButton_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(bottom);
}

void FontChooser::setColour(int32_t colorRef) {
    colour_ = colorRef;
    showColour();
}

void FontChooser::showColour() {
    colourButton_->setIcon(colorSwatchIcon(colour_, kSwatchSize));
}

model::ElementFont FontChooser::font() const {
    const QFont f = fonts_->currentFont();
    model::ElementFont out;
    out.name = utf8Text(f.family());
    out.color = colour_;
    out.size = std::clamp(f.pointSize() > 0 ? f.pointSize() : 1, 1, maxSize_);
    out.bold = f.bold() ? 1 : 0;
    out.italic = f.italic() ? 1 : 0;
    out.underline = f.underline() ? 1 : 0;
    out.strikeout = f.strikeOut() ? 1 : 0;
    return out;
}

std::optional<model::ElementFont> chooseFont(QWidget* parent, const model::ElementFont& initial,
                                             int maxSize) {
    FontChooser chooser(initial, maxSize, parent);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.font();
}

} // namespace zeva::ui
