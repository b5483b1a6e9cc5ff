#include "ui/appearance_dialog.h"

#include "settings/text_table.h"
#include "ui/appearance_preview.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

constexpr int kCaptionSlot = 83;      // "Apariencia de los elementos"
constexpr int kColourShapeSlot = 84;  // "Color,forma"
constexpr int kColourColumns = 8;
constexpr int kSwatchSize = 18;
constexpr int kShapeIconSize = 24;
const QSize kPreviewSize(200, 120);

} // namespace

AppearanceDialog::AppearanceDialog(settings::Options& options, int32_t background,
                                   QWidget* parent)
    : QDialog(parent), options_(options), background_(background), session_(options) {
    setObjectName(QStringLiteral("TOp_aspecto"));
    setWindowTitle(messageText(kCaptionSlot));
    Mnemonics mnemonics(QStringLiteral("oc"));

    groups_ = new QComboBox(this);
    for (int g = 0; g < int(kAppearanceGroups.size()); ++g)
        groups_->addItem(messageText(settings::kMsgAppearanceClasses + g));

    auto* box = new QGroupBox(mnemonics.mark(messageText(kColourShapeSlot)), this);
    auto* colourGrid = new QGridLayout;
    colourGrid->setSpacing(2);
    colours_ = new QButtonGroup(this);
    for (int i = 0; i < int(kAppearanceColours.size()); ++i) {
        auto* b = new QToolButton(box);
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setIcon(colorSwatchIcon(kAppearanceColours[size_t(i)], kSwatchSize));
        b->setIconSize(QSize(kSwatchSize, kSwatchSize));
        colours_->addButton(b, i);
        colourGrid->addWidget(b, i / kColourColumns, i % kColourColumns);
    }
    auto* shapeRow = new QHBoxLayout;
    shapes_ = new QButtonGroup(this);
    for (int i = 0; i < int(shapeButtons_.size()); ++i) {
        auto* b = new QToolButton(box);
        b->setCheckable(true);
        b->setIconSize(QSize(kShapeIconSize, kShapeIconSize));
        shapes_->addButton(b, i);
        shapeRow->addWidget(b);
        shapeButtons_[size_t(i)] = b;
    }
    shapeRow->addStretch(1);
    preview_ = new QLabel(box);
    preview_->setFixedSize(kPreviewSize);

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addLayout(colourGrid);
    boxLayout->addLayout(shapeRow);
    boxLayout->addWidget(preview_, 0, Qt::AlignHCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groups_);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(groups_, &QComboBox::currentIndexChanged, this, &AppearanceDialog::groupChosen);
    connect(colours_, &QButtonGroup::idClicked, this, [this](int i) {
        session_.setColour(kAppearanceColours[size_t(i)]);
        showPreview();
    });
    connect(shapes_, &QButtonGroup::idClicked, this, [this](int i) {
        const auto shapes = shapesOf(session_.current().family);
        if (i < int(shapes.size())) session_.setStyle(shapes[size_t(i)].style);
        showPreview();
    });
    showGroup();
    groups_->setFocus();
}

QAbstractButton* AppearanceDialog::colourButton(int i) const {
    return colours_->button(i);
}

QAbstractButton* AppearanceDialog::shapeButton(int i) const {
    return i >= 0 && i < int(shapeButtons_.size()) ? shapeButtons_[size_t(i)] : nullptr;
}

void AppearanceDialog::groupChosen(int group) {
    session_.selectGroup(group);
    showGroup();
}

void AppearanceDialog::showGroup() {
    // The group's colour, when it is one of the buttons'.
    colours_->setExclusive(false);
    for (QAbstractButton* b : colours_->buttons())
        b->setChecked(false);
    colours_->setExclusive(true);
    for (size_t i = 0; i < kAppearanceColours.size(); ++i)
        if (kAppearanceColours[i] == session_.colour()) colours_->button(int(i))->setChecked(true);

    const auto shapes = shapesOf(session_.current().family);
    shapes_->setExclusive(false);
    for (size_t i = 0; i < shapeButtons_.size(); ++i) {
        QToolButton* b = shapeButtons_[i];
        const bool used = i < shapes.size();
        b->setVisible(used);
        b->setChecked(used && shapes[i].style == session_.style());
        if (used) b->setIcon(glyphIcon(shapes[i].glyph));
    }
    shapes_->setExclusive(true);
    showPreview();
}

void AppearanceDialog::showPreview() {
    const QImage sample =
        appearancePreview(session_.current().elementClass, session_.colour(), session_.style(),
                          background_, kPreviewSize, options_.smoothDrawing != 0);
    preview_->setPixmap(QPixmap::fromImage(sample));
}

void AppearanceDialog::accept() {
    session_.accept(options_);
    QDialog::accept();
}

bool runAppearanceOptions(QWidget* parent, settings::Options& options, int32_t background) {
    AppearanceDialog dialog(options, background, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zeva::ui
