#include "ui/element_editor_window.h"

#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/element_font_dialog.h"
#include "ui/field_warning.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace zeva::ui {

namespace {

constexpr const char* kColourNames[16] = {
    "Bnegro", "Brojo2",    "Brojo", "Bverde2", "Bamar2",  "Bnaranja", "Bverde", "Bamar",
    "Bgris2", "Bazmarino", "Bgris", "Bazul2",  "Brosado", "Bvioleta", "Bazul",  "Bblanco"};
constexpr const char* kPointShapeNames[] = {"BPunor", "BPungran", "BPungran2", "BPuncruz"};
constexpr const char* kLineShapeNames[] = {"Blinor", "Bligran", "Bliray", "Bliray2"};
constexpr const char* kAngleShapeNames[] = {"Bang1", "Bang2", "Bang3"};

QToolButton* toolButton(QWidget* parent, const char* name, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoRaise(false);
    return b;
}

} // namespace

ElementEditorWindow::ElementEditorWindow(Session& session, model::Element& element, QWidget* parent)
    : QDialog(parent), logic_(session, element) {
    setObjectName(QStringLiteral("TEdit_elem"));
    setWindowTitle(qtText(logic_.caption()));
    const EditorLayout& l = logic_.layout();
    auto* layout = new QVBoxLayout(this);

    // Name (or state text, or caption) and the number of points of a locus.
    name_ = new QLineEdit(qtText(logic_.openingText()), this);
    name_->setObjectName(QStringLiteral("ed_nom"));
    name_->setMaxLength(99);
    name_->setToolTip(dialogText(kTextName).remove(QLatin1Char('&')));
    name_->setMinimumWidth(180);
    auto* nameLabel = new QLabel(dialogText(kTextName), this);
    nameLabel->setBuddy(name_);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);
    locusPoints_ = new QLineEdit(qtText(logic_.locusPointsText()), this);
    locusPoints_->setObjectName(QStringLiteral("Ed_npLG"));
    locusPoints_->setMaxLength(5);
    locusPoints_->setToolTip(dialogText(kTextPointCount));
    locusPoints_->setFixedWidth(
        locusPoints_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    locusPoints_->setVisible(l.locusPoints);
    nameRow->addWidget(locusPoints_);
    layout->addLayout(nameRow);

    // The interval of a function's graph.
    intervalStart_ = new QLineEdit(this);
    intervalStart_->setObjectName(QStringLiteral("Ed_exta"));
    intervalEnd_ = new QLineEdit(this);
    intervalEnd_->setObjectName(QStringLiteral("Ed_extb"));
    if (l.interval) {
        const auto [a, b] = logic_.intervalTexts();
        intervalStart_->setText(qtText(a));
        intervalEnd_->setText(qtText(b));
        const model::Element& e = logic_.element();
        const std::string variable = e.parent1 && e.parent1->param1 >= 1 && e.parent1->param1 <= 4
                                         ? std::string(1, "xywr"[e.parent1->param1 - 1])
                                         : std::string("x");
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(dialogText(kTextInterval), this));
        row->addWidget(intervalStart_, 1);
        auto* variableLabel = new QLabel(QStringLiteral("<= %1 <=").arg(qtText(variable)), this);
        variableLabel->setObjectName(QStringLiteral("Lab_vi"));
        row->addWidget(variableLabel);
        row->addWidget(intervalEnd_, 1);
        layout->addLayout(row);
    } else {
        intervalStart_->hide();
        intervalEnd_->hide();
    }

    // Colours and shapes.
    auto* appearance = new QGroupBox(messageText(kMsgColourShape), this);
    auto* grid = new QGridLayout(appearance);
    grid->setSpacing(2);
    addColourButtons(grid);
    if (l.shapes) {
        const std::span<const char* const> names =
            *l.shapes == ShapeFamily::Point   ? std::span<const char* const>(kPointShapeNames)
            : *l.shapes == ShapeFamily::Angle ? std::span<const char* const>(kAngleShapeNames)
                                              : std::span<const char* const>(kLineShapeNames);
        auto* group = new QButtonGroup(this);
        const auto shapes = shapesOf(*l.shapes);
        for (size_t i = 0; i < shapes.size() && i < names.size(); ++i) {
            QToolButton* b = toolButton(appearance, names[i], dialogText(kTextShape));
            b->setIcon(glyphIcon(shapes[i].glyph));
            b->setIconSize(QSize(20, 20));
            b->setCheckable(true);
            b->setChecked(logic_.element().style == shapes[i].style);
            group->addButton(b);
            grid->addWidget(b, 2, static_cast<int>(i));
            const int32_t style = shapes[i].style;
            connect(b, &QToolButton::clicked, this, [this, style] { logic_.setStyle(style); });
        }
    }
    layout->addWidget(appearance);

    // Visibility, decimals, text style, unit, table orientation.
    auto* settingsRow = new QHBoxLayout;
    QToolButton* visible = toolButton(this, "verelem", dialogText(kTextShowElement));
    visible->setIcon(glyphIcon("B_vernover"));
    visible->setCheckable(true);
    visible->setChecked(logic_.elementHidden());
    connect(visible, &QToolButton::clicked, this, [this] { logic_.toggleVisible(); });
    settingsRow->addWidget(visible);
    QToolButton* nameShown = toolButton(this, "vernom", dialogText(kTextShowName));
    nameShown->setText(QStringLiteral("N"));
    nameShown->setCheckable(true);
    nameShown->setChecked(logic_.nameHidden());
    nameShown->setVisible(l.nameToggle);
    nameShown->setEnabled(logic_.element().label != nullptr);
    connect(nameShown, &QToolButton::clicked, this, [this] { logic_.toggleNameVisible(); });
    settingsRow->addWidget(nameShown);

    decimals_ = new QComboBox(this);
    decimals_->setObjectName(QStringLiteral("CB_ndec"));
    for (int d = 0; d <= 8; ++d)
        decimals_->addItem(QString::number(d));
    decimals_->setCurrentIndex(logic_.shownDecimals());
    connect(decimals_, &QComboBox::activated, this, [this](int d) { logic_.setDecimals(d); });
    auto* decimalsLabel = new QLabel(dialogText(kTextDecimals), this);
    decimalsLabel->setBuddy(decimals_);
    decimalsLabel->setVisible(l.decimals);
    decimals_->setVisible(l.decimals);
    settingsRow->addWidget(decimalsLabel);
    settingsRow->addWidget(decimals_);

    QToolButton* horizontal = toolButton(this, "B_f_tabla", dialogText(kTextTableOrientation));
    horizontal->setText(QStringLiteral("HOR"));
    horizontal->setCheckable(true);
    horizontal->setChecked(logic_.element().param1 == -100);
    horizontal->setVisible(l.tableOrientation);
    connect(horizontal, &QToolButton::toggled, this,
            [this](bool down) { logic_.setTableHorizontal(down); });
    settingsRow->addWidget(horizontal);

    auto* font = new QPushButton(dialogText(kTextTextStyle), this);
    font->setObjectName(QStringLiteral("B_tiplet"));
    font->setAutoDefault(false);
    font->setVisible(l.font);
    connect(font, &QPushButton::clicked, this, &ElementEditorWindow::chooseFont);
    settingsRow->addWidget(font);

    unit_ = toolButton(this, "Buni", dialogText(kTextUnit));
    unit_->setText(QStringLiteral("U"));
    unit_->setVisible(l.unit);
    connect(unit_, &QToolButton::clicked, this, &ElementEditorWindow::unitClicked);
    settingsRow->addWidget(unit_);
    settingsRow->addStretch(1);
    layout->addLayout(settingsRow);

    // The anchor of a picture.
    if (l.anchors) {
        auto* anchors = new QGroupBox(dialogText(kTextBitmapAnchor), this);
        auto* anchorGrid = new QGridLayout(anchors);
        auto* group = new QButtonGroup(this);
        for (int a = 1; a <= 9; ++a) {
            const std::string name = "B_pBTM" + std::to_string(a);
            QToolButton* b = toolButton(anchors, name.c_str(), dialogText(kTextBitmapAnchor));
            b->setCheckable(true);
            b->setChecked(logic_.element().param1 == a);
            b->setEnabled(l.anchorsEnabled);
            b->setFixedSize(18, 18);
            group->addButton(b);
            anchorGrid->addWidget(b, (a - 1) / 3, (a - 1) % 3);
            connect(b, &QToolButton::clicked, this, [this, a] { logic_.setAnchor(a); });
        }
        layout->addWidget(anchors);
    }

    // Delete, OK, Cancel.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(messageText(settings::kMsgOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("B_ok"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(messageText(settings::kMsgCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("B_cancel"));
    QPushButton* remove =
        buttons->addButton(dialogText(kTextDelete), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("Bborrar"));
    remove->setIcon(glyphIcon("B_elimelem"));
    remove->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ElementEditorWindow::acceptEdit);
    connect(cancel, &QPushButton::clicked, this, &ElementEditorWindow::reject);
    connect(remove, &QPushButton::clicked, this, [this] {
        finished_ = true;
        logic_.deleteElement();
        QDialog::accept();
    });
    layout->addWidget(buttons);
    markColour();
}

void ElementEditorWindow::addColourButtons(QGridLayout* grid) {
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 16; ++i) {
        const int32_t colour = kAppearanceColours[static_cast<size_t>(i)];
        QToolButton* b = toolButton(this, kColourNames[i], QString());
        b->setIcon(colorSwatchIcon(colour, 18));
        b->setCheckable(true);
        group->addButton(b);
        colours_.push_back(b);
        grid->addWidget(b, i / 8, i % 8);
        connect(b, &QToolButton::clicked, this, [this, colour] {
            logic_.setColour(colour);
            markColour();
        });
    }
    group->setExclusive(false); // a custom colour lifts them all
    QToolButton* other = toolButton(this, "Brgb", dialogText(kTextOtherColour));
    other->setIcon(glyphIcon("B_rgb"));
    grid->addWidget(other, 0, 8);
    connect(other, &QToolButton::clicked, this, &ElementEditorWindow::chooseOtherColour);
    QToolButton* parametric = toolButton(this, "Bcolorpar", messageText(kMsgParametricColour));
    parametric->setIcon(glyphIcon("B_colorpar"));
    grid->addWidget(parametric, 1, 8);
    connect(parametric, &QToolButton::clicked, this, [this] {
        finished_ = true;
        logic_.startParametricColour();
        QDialog::accept();
    });
}

void ElementEditorWindow::markColour() {
    const int32_t colour = logic_.element().colorSource ? -1 : logic_.element().color;
    for (size_t i = 0; i < colours_.size(); ++i)
        colours_[i]->setChecked(kAppearanceColours[i] == colour);
}

void ElementEditorWindow::chooseOtherColour() {
    const QColor chosen = QColorDialog::getColor(qtColour(logic_.element().color), this);
    if (!chosen.isValid()) return;
    logic_.setColour(colorRefOf(chosen));
    markColour();
}

void ElementEditorWindow::chooseFont() {
    if (!logic_.element().font) return;
    openElementFontDialog(this, *logic_.element().font,
                          [this](const std::optional<model::ElementFont>& font) {
                              if (font) logic_.setFont(*font);
                          });
}

void ElementEditorWindow::unitClicked() {
    if (!logic_.unitMenu()) {
        logic_.toggleUnit();
        return;
    }
    QMenu menu(this);
    for (int d = 0; d <= 3; ++d) {
        QAction* a = menu.addAction(messageText(settings::kMsgUnitNumber + d));
        a->setCheckable(true);
        a->setChecked(logic_.element().dimension == d);
        connect(a, &QAction::triggered, this, [this, d] { logic_.setDimension(d); });
    }
    menu.exec(unit_->mapToGlobal(QPoint(0, unit_->height())));
}

void ElementEditorWindow::acceptEdit() {
    const std::optional<EditorRefusal> refused =
        logic_.accept(utf8Text(name_->text()), utf8Text(locusPoints_->text()),
                      utf8Text(intervalStart_->text()), utf8Text(intervalEnd_->text()));
    if (refused) {
        QLineEdit* field = name_;
        switch (refused->field) {
        case EditorField::Name:
            break;
        case EditorField::LocusPoints:
            field = locusPoints_;
            break;
        case EditorField::IntervalStart:
            field = intervalStart_;
            break;
        case EditorField::IntervalEnd:
            field = intervalEnd_;
            break;
        }
        refuseField(this, field,
                    refused->extraSlot ? dialogText(*refused->extraSlot)
                                       : messageText(refused->messageSlot));
        return;
    }
    finished_ = true;
    QDialog::accept();
}

void ElementEditorWindow::reject() {
    if (!finished_) {
        finished_ = true;
        logic_.cancel();
    }
    QDialog::reject();
}

QAbstractButton* ElementEditorWindow::button(const QString& name) const {
    return findChild<QAbstractButton*>(name);
}

ElementEditorWindow* openElementEditorWindow(QWidget* parent, Session& s, model::Element& element,
                                             std::optional<QPoint> at) {
    auto* w = new ElementEditorWindow(s, element, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::WindowModal);
    w->adjustSize();
    // Centred above the click, 10 pixels over it, kept on the screen.
    const QPoint click = at.value_or(QCursor::pos());
    QRect frame(QPoint(0, 0), w->sizeHint());
    frame.moveTopLeft({click.x() - frame.width() / 2, click.y() - 10 - frame.height()});
    if (const QScreen* screen = QGuiApplication::screenAt(click)) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
    }
    w->move(frame.topLeft());
    w->show();
    w->nameField()->setFocus();
    w->nameField()->selectAll();
    return w;
}

} // namespace zeva::ui
