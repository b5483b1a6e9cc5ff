#include "ui/element_font_dialog.h"

#include "settings/text_table.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QColor qColorOf(int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t colorOf(const QColor& c) {
    return c.red() | c.green() << 8 | c.blue() << 16;
}

} // namespace

QFont qFontOf(const model::ElementFont& font) {
    QFont f(fromUtf8(font.name));
    f.setPointSize(font.size > 0 ? font.size : 10);
    f.setBold(font.bold != 0);
    f.setItalic(font.italic != 0);
    f.setUnderline(font.underline != 0);
    f.setStrikeOut(font.strikeout != 0);
    return f;
}

model::ElementFont elementFontOf(const QFont& font, int32_t color) {
    model::ElementFont f;
    const QByteArray name = font.family().toUtf8();
    f.name.assign(name.constData(), size_t(name.size()));
    f.color = color;
    f.size = font.pointSize() > 0 ? font.pointSize() : 10;
    f.bold = font.bold() ? 1 : 0;
    f.italic = font.italic() ? 1 : 0;
    f.underline = font.underline() ? 1 : 0;
    f.strikeout = font.strikeOut() ? 1 : 0;
    return f;
}

ElementFontDialog::ElementFontDialog(const model::ElementFont& initial, QWidget* parent)
    : QDialog(parent) {
    const settings::TextTable& t = settings::texts();
    setWindowTitle(fromUtf8(t.toolText(58)));
    fonts_ = new QFontDialog(this);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setCurrentFont(qFontOf(initial));
    // Esc or Enter inside the embedded chooser would close only the chooser, leaving an empty
    // dialog: they close this one.
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
    connect(fonts_, &QDialog::accepted, this, &QDialog::accept);

    colorButton_ = new QPushButton(fromUtf8(t.message(settings::kMsgColour)), this);
    connect(colorButton_, &QPushButton::clicked, this, &ElementFontDialog::chooseColor);
    setChosenColor(initial.color);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colorButton_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(bottom);
}

model::ElementFont ElementFontDialog::chosenFont() const {
    return elementFontOf(fonts_->currentFont(), color_);
}

void ElementFontDialog::setChosenColor(int32_t color) {
    color_ = color;
    QPixmap swatch(16, 16);
    swatch.fill(qColorOf(color));
    colorButton_->setIcon(QIcon(swatch));
}

void ElementFontDialog::chooseColor() {
    auto* dialog = new QColorDialog(qColorOf(color_), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this,
            [this](const QColor& c) { setChosenColor(colorOf(c)); });
    dialog->open();
}

void openElementFontDialog(QWidget* parent, const model::ElementFont& initial,
                           std::function<void(const std::optional<model::ElementFont>&)> done) {
    auto* dialog = new ElementFontDialog(initial, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done](int result) {
        if (result == QDialog::Accepted)
            done(dialog->chosenFont());
        else
            done(std::nullopt);
    });
    dialog->open();
}

} // namespace zeva::ui
