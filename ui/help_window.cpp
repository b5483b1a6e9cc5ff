#include "ui/help_window.h"

#include "settings/help.h"
#include "settings/program_texts.h"
#include "settings/text_table.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

constexpr int kContentsKey = 571; // "Contenidos"
const QSize kInitialSize(760, 620);

QString plainCaption(QString caption) {
    caption.remove(QLatin1Char('&'));
    return caption;
}

// "No se ha encontrado el archivo de ayuda", without holding up the caller.
void tellPageMissing(QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ZEVA"),
                                messageText(settings::kMsgHelpNotFound), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QPointer<HelpWindow>& theHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

HelpWindow* showPage(QWidget* parent, const std::filesystem::path& page,
                     const std::vector<std::filesystem::path>& dataFolders) {
    if (page.empty()) {
        tellPageMissing(parent);
        return nullptr;
    }
    QPointer<HelpWindow>& window = theHelpWindow();
    if (!window) window = new HelpWindow(parent);
    window->setDataFolders(dataFolders);
    window->openPage(QUrl::fromLocalFile(qtText(page.string())));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

std::string_view bookOfInterface() {
    return settings::helpBookName(settings::texts());
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(applicationIcon());

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);

    const auto toolButton = [this](QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        return b;
    };
    back_ = toolButton(QStyle::SP_ArrowBack);
    forward_ = toolButton(QStyle::SP_ArrowForward);
    contents_ = toolButton(QStyle::SP_FileDialogContentsView);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(contents_, &QToolButton::clicked, this, [this] {
        const auto page = settings::findHelpContents(dataFolders_, bookOfInterface());
        if (page.empty())
            tellPageMissing(this);
        else
            openPage(QUrl::fromLocalFile(qtText(page.string())));
    });

    findLabel_ = new QLabel(this);
    findField_ = new QLineEdit(this);
    findField_->setClearButtonEnabled(true);
    findField_->setMaximumWidth(260);
    findLabel_->setBuddy(findField_);
    findField_->installEventFilter(this);
    connect(findField_, &QLineEdit::textEdited, this, [this] {
        // Search as one types, from the start of the current match.
        QTextCursor c = browser_->textCursor();
        c.setPosition(c.selectionStart());
        browser_->setTextCursor(c);
        findFromField(false);
    });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { findFromField(false); });

    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        findField_->setFocus();
        findField_->selectAll();
    });
    auto* nextShortcut = new QShortcut(QKeySequence::FindNext, this);
    connect(nextShortcut, &QShortcut::activated, this, [this] { findFromField(false); });
    auto* previousShortcut = new QShortcut(QKeySequence::FindPrevious, this);
    connect(previousShortcut, &QShortcut::activated, this, [this] { findFromField(true); });
    auto* backShortcut = new QShortcut(QKeySequence::Back, this);
    connect(backShortcut, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto* forwardShortcut = new QShortcut(QKeySequence::Forward, this);
    connect(forwardShortcut, &QShortcut::activated, browser_, &QTextBrowser::forward);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch(1);
    bar->addWidget(findLabel_);
    bar->addWidget(findField_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    retranslate();
    resize(kInitialSize);
}

void HelpWindow::retranslate() {
    Mnemonics mnemonics;
    back_->setText(mnemonics.mark(messageText(settings::kMsgHelpBack)));
    forward_->setText(mnemonics.mark(messageText(settings::kMsgHelpForward)));
    contents_->setText(mnemonics.mark(plainCaption(qtText(settings::texts().byKey(kContentsKey)))));
    findLabel_->setText(mnemonics.mark(messageText(settings::kMsgHelpFind)));
    showTitle();
}

void HelpWindow::showEvent(QShowEvent* event) {
    retranslate();
    QWidget::showEvent(event);
}

void HelpWindow::showTitle() {
    const QString caption = qtText(settings::programTexts(settings::texts()).helpCaption);
    const QString page = browser_->documentTitle();
    // The book's page titles name the help already ("Segment - ZEVA Help").
    if (page.isEmpty())
        setWindowTitle(caption);
    else if (page.contains(caption))
        setWindowTitle(page);
    else
        setWindowTitle(page + QStringLiteral(" - ") + caption);
}

void HelpWindow::openPage(const QUrl& page) {
    browser_->setSource(page);
}

void HelpWindow::followLink(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(link);
        return;
    }
    const QUrl target = browser_->source().resolved(link);
    if (!target.isLocalFile() || !QFileInfo(target.toLocalFile()).isFile()) {
        tellPageMissing(this);
        return;
    }
    openPage(target);
}

bool HelpWindow::find(const QString& text, bool backward) {
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) return true;
    // Wrap round: from the other end of the page.
    const QTextCursor kept = browser_->textCursor();
    QTextCursor c = kept;
    c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(c);
    if (browser_->find(text, flags)) return true;
    browser_->setTextCursor(kept);
    return false;
}

void HelpWindow::findFromField(bool backward) {
    const bool found = find(findField_->text(), backward);
    QPalette palette = findField_->palette();
    palette.setColor(QPalette::Base, found || findField_->text().isEmpty()
                                         ? QWidget::palette().color(QPalette::Base)
                                         : QColor(0xFF, 0xD6, 0xD6));
    findField_->setPalette(palette);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findField_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ShiftModifier)) {
            findFromField(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            browser_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

HelpWindow* showHelpContents(QWidget* parent,
                             const std::vector<std::filesystem::path>& dataFolders) {
    return showPage(parent, settings::findHelpContents(dataFolders, bookOfInterface()),
                    dataFolders);
}

HelpWindow* showHelpTopic(QWidget* parent, int topic,
                          const std::vector<std::filesystem::path>& dataFolders) {
    return showPage(parent, settings::findHelpPage(dataFolders, bookOfInterface(), topic),
                    dataFolders);
}

HelpWindow* showHelpForTool(QWidget* parent, int toolCode,
                            const std::vector<std::filesystem::path>& dataFolders) {
    return showHelpTopic(parent, settings::helpTopicForTool(toolCode), dataFolders);
}

HelpWindow* showWhatsNew(QWidget* parent, const std::vector<std::filesystem::path>& dataFolders) {
    return showHelpTopic(parent, settings::kHelpTopicWhatsNew, dataFolders);
}

} // namespace zeva::ui
