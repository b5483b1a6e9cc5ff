#include "ui/general_options_dialog.h"

#include "settings/text_table.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

using F = GeneralOptionsField;

constexpr int kSwatchSize = 20;

// Message slots of the dialog's texts.
constexpr int kCaptionSlot = 30;
constexpr int kEnvironmentSlot = 31;
constexpr int kConstructionSlot = 32;
constexpr int kNumbersSlot = 33;
constexpr int kAdaptCursorSlot = 36;
constexpr int kBackgroundSlot = 37;
constexpr int kHiddenSlot = 38;
constexpr int kSelectionSlot = 39;
constexpr int kHideIntermediateSlot = 41;
constexpr int kAngleUnitSlot = 44;
constexpr int kCoordSystemSlot = 46;
constexpr int kRectangularSlot = 47;
constexpr int kPolarSlot = 48;

// The label of each edit (also its warning's caption).
constexpr std::array<int, kGeneralOptionsFieldCount> kFieldLabelSlots = {34, 35, 42, 40, 45, 43};

QPixmap swatchPixmap(int32_t color) {
    QPixmap pm(kSwatchSize, kSwatchSize);
    pm.fill(qtColour(color));
    QPainter p(&pm);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return pm;
}

QString fromStd(const std::string& s) {
    return qtText(s);
}

} // namespace

GeneralOptionsDialog::GeneralOptionsDialog(settings::Options& options,
                                           document::Document* document, int screenWidth,
                                           OptionsHooks hooks, QWidget* parent)
    : QDialog(parent), session_(options, document, screenWidth), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TOp_general"));
    setWindowTitle(messageText(kCaptionSlot));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Mnemonics mnemonics(QStringLiteral("oc"));

    pages_ = new QTabWidget(this);
    auto* environment = new QWidget(pages_);
    auto* construction = new QWidget(pages_);
    auto* numbers = new QWidget(pages_);
    pages_->addTab(environment, mnemonics.mark(messageText(kEnvironmentSlot)));
    pages_->addTab(construction, mnemonics.mark(messageText(kConstructionSlot)));
    pages_->addTab(numbers, mnemonics.mark(messageText(kNumbersSlot)));

    const auto addEdit = [&](QFormLayout* form, F field, QWidget* page) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("edit%1").arg(int(field)));
        auto* label = new QLabel(mnemonics.mark(messageText(kFieldLabelSlots[size_t(field)])), page);
        label->setBuddy(edit);
        form->addRow(label, edit);
        edits_[size_t(field)] = edit;
    };
    const auto addCheck = [&](QFormLayout* form, int slot, QWidget* page) {
        auto* box = new QCheckBox(mnemonics.mark(messageText(slot)), page);
        form->addRow(box);
        return box;
    };
    const auto addSwatch = [&](QFormLayout* form, int slot, QWidget* page) {
        QToolButton* swatch = makeSwatch(page);
        auto* label = new QLabel(mnemonics.mark(messageText(slot)), page);
        label->setBuddy(swatch);
        form->addRow(label, swatch);
        return swatch;
    };
    const auto addCombo = [&](QFormLayout* form, const QString& caption, const QStringList& items,
                              QWidget* page) {
        auto* combo = new QComboBox(page);
        combo->addItems(items);
        auto* label = new QLabel(mnemonics.mark(caption), page);
        label->setBuddy(combo);
        form->addRow(label, combo);
        return combo;
    };

    auto* envForm = new QFormLayout(environment);
    addEdit(envForm, F::DetectionDistance, environment);
    addEdit(envForm, F::PlaneSize, environment);
    adaptCursor_ = addCheck(envForm, kAdaptCursorSlot, environment);
    smooth_ = addCheck(envForm, settings::kMsgSmoothDrawing, environment);
    backgroundSwatch_ = addSwatch(envForm, kBackgroundSlot, environment);
    hiddenSwatch_ = addSwatch(envForm, kHiddenSlot, environment);
    selectionSwatch_ = addSwatch(envForm, kSelectionSlot, environment);

    auto* conForm = new QFormLayout(construction);
    addEdit(conForm, F::NameDistance, construction);
    addEdit(conForm, F::LocusPoints, construction);
    edits_[size_t(F::LocusPoints)]->setMaxLength(kLocusPointsMaxDigits);
    hideIntermediate_ = addCheck(conForm, kHideIntermediateSlot, construction);

    auto* numForm = new QFormLayout(numbers);
    addEdit(numForm, F::PixelsPerUnit, numbers);
    lengthUnit_ = addCombo(numForm, messageText(settings::kMsgLengthUnit),
                           {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m"),
                            QStringLiteral("km")},
                           numbers);
    angleUnit_ = addCombo(numForm, messageText(kAngleUnitSlot),
                          {QStringLiteral("RAD"), QStringLiteral("DEG"), QStringLiteral("GRA")},
                          numbers);
    coordSystem_ = addCombo(numForm, messageText(kCoordSystemSlot),
                            {messageText(kRectangularSlot), messageText(kPolarSlot)}, numbers);
    addEdit(numForm, F::Decimals, numbers);

    for (QFormLayout* form : {envForm, conForm, numForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    const GeneralOptionsForm f = session_.form();
    edits_[size_t(F::DetectionDistance)]->setText(fromStd(f.detectionDistance));
    edits_[size_t(F::PlaneSize)]->setText(fromStd(f.planeSize));
    edits_[size_t(F::LocusPoints)]->setText(fromStd(f.locusPoints));
    edits_[size_t(F::NameDistance)]->setText(fromStd(f.nameDistance));
    edits_[size_t(F::Decimals)]->setText(fromStd(f.decimals));
    edits_[size_t(F::PixelsPerUnit)]->setText(fromStd(f.pixelsPerUnit));
    lengthUnit_->setCurrentIndex(f.lengthUnit);
    angleUnit_->setCurrentIndex(f.angleUnit);
    coordSystem_->setCurrentIndex(f.coordSystem);
    adaptCursor_->setChecked(f.adaptCursorColor);
    hideIntermediate_->setChecked(f.hideIntermediate);
    smooth_->setChecked(f.smoothDrawing);
    showSwatches();

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QToolButton* GeneralOptionsDialog::makeSwatch(QWidget* parent) {
    auto* swatch = new QToolButton(parent);
    swatch->setIconSize(QSize(kSwatchSize, kSwatchSize));
    swatch->setFocusPolicy(Qt::StrongFocus);
    connect(swatch, &QToolButton::clicked, this, [this, swatch] { pickColour(swatch); });
    return swatch;
}

void GeneralOptionsDialog::showSwatches() {
    backgroundSwatch_->setIcon(swatchPixmap(session_.backgroundColor()));
    hiddenSwatch_->setIcon(swatchPixmap(session_.hiddenColor()));
    selectionSwatch_->setIcon(swatchPixmap(session_.selectionColor()));
}

void GeneralOptionsDialog::pickColour(QToolButton* swatch) {
    int32_t initial = session_.backgroundColor();
    if (swatch == hiddenSwatch_) initial = session_.hiddenColor();
    if (swatch == selectionSwatch_) initial = session_.selectionColor();
    const QColor chosen = QColorDialog::getColor(qtColour(initial), this);
    if (!chosen.isValid()) return;
    const int32_t c = colorRefOf(chosen);
    if (swatch == backgroundSwatch_)
        chooseBackground(c);
    else if (swatch == hiddenSwatch_)
        chooseHidden(c);
    else
        chooseSelection(c);
}

void GeneralOptionsDialog::chooseBackground(int32_t color) {
    session_.setBackgroundColor(color);
    showSwatches();
    redraw();
}

void GeneralOptionsDialog::chooseHidden(int32_t color) {
    session_.setHiddenColor(color);
    showSwatches();
    redraw();
}

void GeneralOptionsDialog::chooseSelection(int32_t color) {
    session_.setSelectionColor(color);
    showSwatches();
    redraw();
}

void GeneralOptionsDialog::redraw() {
    if (hooks_.redraw) hooks_.redraw();
}

GeneralOptionsForm GeneralOptionsDialog::form() const {
    GeneralOptionsForm f;
    const auto text = [this](F field) { return utf8Text(edits_[size_t(field)]->text()); };
    f.detectionDistance = text(F::DetectionDistance);
    f.planeSize = text(F::PlaneSize);
    f.locusPoints = text(F::LocusPoints);
    f.nameDistance = text(F::NameDistance);
    f.decimals = text(F::Decimals);
    f.pixelsPerUnit = text(F::PixelsPerUnit);
    f.lengthUnit = lengthUnit_->currentIndex();
    f.angleUnit = angleUnit_->currentIndex();
    f.coordSystem = coordSystem_->currentIndex();
    f.adaptCursorColor = adaptCursor_->isChecked();
    f.hideIntermediate = hideIntermediate_->isChecked();
    f.smoothDrawing = smooth_->isChecked();
    return f;
}

void GeneralOptionsDialog::accept() {
    if (const auto refused = session_.accept(form(), settings::texts())) {
        pages_->setCurrentIndex(static_cast<int>(refused->page));
        QLineEdit* edit = edits_[size_t(refused->field)];
        QMessageBox::warning(this, qtText(refused->caption), qtText(refused->warning));
        edit->setFocus();
        edit->selectAll();
        return;
    }
    if (hooks_.applied) hooks_.applied();
    QDialog::accept();
}

void GeneralOptionsDialog::reject() {
    session_.cancel();
    redraw();
    QDialog::reject();
}

bool runGeneralOptions(QWidget* parent, settings::Options& options, document::Document* current,
                       const document::ScreenSize& screen, const OptionsHooks& hooks) {
    GeneralOptionsDialog dialog(options, current, screen.width, hooks, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zeva::ui
