#include "ui/text_dialog.h"

#include "settings/text_table.h"
#include "ui/element_font_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QColor qColorOf(render::Color c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

constexpr int kToolText = 52; // the dialog's caption: the text tool's message
constexpr int kToolFont = 58; // the font button: the font tool's message

} // namespace

TextDialog::TextDialog(const TextDialogRequest& request, QWidget* parent)
    : QDialog(parent), font_(request.font), background_(request.background) {
    const settings::TextTable& t = settings::texts();
    setWindowTitle(fromUtf8(t.toolText(kToolText)));

    memo_ = new QPlainTextEdit(this);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const std::string& line : request.lines)
        lines << fromUtf8(line);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    setTextFont(font_);

    auto* fontButton = new QPushButton(fromUtf8(t.toolText(kToolFont)), this);
    fontButton->setAutoDefault(false);
    connect(fontButton, &QPushButton::clicked, this, &TextDialog::chooseFont);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    memo_->installEventFilter(this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fontButton);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_, 1);
    layout->addLayout(bottom);
    resize(360, 200);
    memo_->setFocus();
}

bool TextDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter starts a new line in the memo; Ctrl+Enter confirms the dialog.
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextDialog::setTextFont(const model::ElementFont& font) {
    font_ = font;
    memo_->setFont(qFontOf(font));
    QPalette p = memo_->palette();
    p.setColor(QPalette::Base, qColorOf(background_));
    p.setColor(QPalette::Text, qColorOf(font.color));
    memo_->setPalette(p);
}

TextDialogAnswer TextDialog::answer() const {
    TextDialogAnswer a;
    a.accepted = result() == QDialog::Accepted;
    a.font = font_;
    const QStringList lines = memo_->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QByteArray bytes = line.toUtf8();
        a.lines.emplace_back(bytes.constData(), size_t(bytes.size()));
    }
    return a;
}

void TextDialog::chooseFont() {
    openElementFontDialog(this, font_, [this](const std::optional<model::ElementFont>& f) {
        if (f) setTextFont(*f);
    });
}

void openTextDialog(QWidget* parent, const TextDialogRequest& request, QPoint globalAt,
                    std::function<void(const TextDialogAnswer&)> done) {
    auto* dialog = new TextDialog(request, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->move(globalAt);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, done](int) { done(dialog->answer()); });
    dialog->open();
}

} // namespace zeva::ui
