#include "ui/about_dialog.h"

#include "settings/program_texts.h"
#include "settings/text_table.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ZEVA_VERSION
#define ZEVA_VERSION "0"
#endif

namespace zeva::ui {

namespace {
constexpr int kAboutKey = 576; // "Acerca de ZEVA..."
constexpr int kIconSize = 64;
} // namespace

QString programVersion() {
    return QStringLiteral(ZEVA_VERSION);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    QString caption = qtText(settings::texts().byKey(kAboutKey));
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    setWindowTitle(caption.trimmed());
    const settings::ProgramTexts& t = settings::programTexts(settings::texts());

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(qtText(settings::kProgramTitle), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(qtText(t.subtitle), this);
    auto* version = new QLabel(qtText(t.versionLabel) + QLatin1Char(' ') + programVersion(), this);
    auto* qt = new QLabel(qtText(t.builtWith) + QLatin1Char(' ') + QLatin1String(qVersion()), this);
    auto* licence = new QLabel(qtText(t.licence), this);
    licence->setWordWrap(true);
    licence->setMinimumWidth(360);
    for (QLabel* l : {title, subtitle, version, qt, licence})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(subtitle);
    texts->addSpacing(8);
    texts->addWidget(version);
    texts->addWidget(qt);
    texts->addSpacing(8);
    texts->addWidget(licence);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showAbout(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

} // namespace zeva::ui
