#include "ui/fonts_dialog.h"

#include "settings/text_table.h"
#include "ui/element_font_dialog.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

constexpr int kCaptionSlot = 80;  // "Selección de los Tipos de letra"
constexpr int kPreviewSlot = 78;  // "Vista previa"
constexpr int kClickSlot = 79;    // "click para cambiar"
const QString kSampleText = QStringLiteral(" AaBb123");
constexpr int kSampleWidth = 260;
constexpr int kSampleHeight = 110; // room for the largest size

QString cssColour(int32_t colorRef) {
    return qtColour(colorRef).name(QColor::HexRgb);
}

} // namespace

FontsDialog::FontsDialog(settings::Options& options, int32_t background, QWidget* parent)
    : QDialog(parent), session_(options), background_(background) {
    setObjectName(QStringLiteral("TOp_fon"));
    setWindowTitle(messageText(kCaptionSlot));
    ask_ = [this](const model::ElementFont& f) -> std::optional<model::ElementFont> {
        ElementFontDialog dialog(f, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.chosenFont(); // its size is held within the dialog's range when stored
    };

    list_ = new QListWidget(this);
    for (int r = 0; r < kFontRoleCount; ++r)
        list_->addItem(qtText(fontRoleCaption(static_cast<FontRole>(r), settings::texts())));
    list_->setCurrentRow(0);
    list_->setFixedHeight(list_->sizeHintForRow(0) * kFontRoleCount + 2 * list_->frameWidth() + 4);
    list_->installEventFilter(this);

    auto* group = new QGroupBox(messageText(kPreviewSlot), this);
    sample_ = new QPushButton(kSampleText, group);
    sample_->setFlat(true);
    sample_->setAutoDefault(false);
    sample_->setToolTip(messageText(kClickSlot));
    sample_->setFixedSize(kSampleWidth, kSampleHeight);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        session_.select(row);
        showSample();
    });
    connect(sample_, &QPushButton::clicked, this, &FontsDialog::changeSelectedFont);
    showSample();
    list_->setFocus();
}

void FontsDialog::showSample() {
    const model::ElementFont& f = session_.font();
    sample_->setFont(qFontOf(f));
    sample_->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; "
                                          "border: none; text-align: left; }")
                               .arg(cssColour(background_), cssColour(f.color)));
}

void FontsDialog::changeSelectedFont() {
    if (!ask_) return;
    if (const auto chosen = ask_(session_.font())) {
        session_.setFont(*chosen);
        showSample();
    }
}

bool FontsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            changeSelectedFont();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FontsDialog::reject() {
    session_.cancel();
    QDialog::reject();
}

bool runFontOptions(QWidget* parent, settings::Options& options, int32_t background) {
    FontsDialog dialog(options, background, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zeva::ui
