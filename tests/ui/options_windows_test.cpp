// The options windows, the language chooser and the help window as a user drives them:
// refusals keep the window open on the refused edit, Esc and Cancel put back what changed,
// every text comes from the table in the interface language.

#include "dialog_helpers.h"
#include "english_interface.h"
#include "qt_app.h"
#include "tests/support/temp_dir.h"

#include "document/document_load.h"
#include "settings/options_file.h"
#include "settings/text_table.h"
#include "ui/about_dialog.h"
#include "ui/appearance_dialog.h"
#include "ui/fonts_dialog.h"
#include "ui/general_options_dialog.h"
#include "ui/help_window.h"
#include "ui/interface_texts.h"
#include "ui/language_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>

namespace zeva::ui {
namespace {

using F = GeneralOptionsField;
using testing::answerNextMessageBox;

class OptionsWindows : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }
    settings::Options options;
    document::Document doc = document::newDocument(document::environmentFor(options));
    int redraws = 0;
    int applied = 0;
    OptionsHooks hooks{[this] { ++redraws; }, [this] { ++applied; }};
};

TEST_F(OptionsWindows, ARefusedEditKeepsTheWindowOpenOnItsPageWithTheWarning) {
    struct Case {
        F field;
        const char* refused;
        const char* accepted;
        int page;
        std::string warning;
    };
    const Case cases[] = {
        {F::PlaneSize, "999", "1025", 0, "Solo valen enteros entre 1025 y 10025"},
        {F::Decimals, "9", "8", 2, settings::texts().message(settings::kMsgDecimalsRange)},
    };
    for (const Case& c : cases) {
        const settings::Options before = options;
        GeneralOptionsDialog d(options, &doc, 1024, hooks);
        d.show();
        d.pages()->setCurrentIndex(1);
        d.edit(c.field)->setText(QString::fromLatin1(c.refused));
        QString warning;
        answerNextMessageBox(&warning, QMessageBox::Ok, &d);
        QTest::keyClick(d.edit(F::DetectionDistance), Qt::Key_Return); // Enter means OK
        EXPECT_EQ(warning.toStdString(), c.warning);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.pages()->currentIndex(), c.page);
        EXPECT_EQ(d.focusWidget(), d.edit(c.field));
        EXPECT_EQ(options, before);
        EXPECT_EQ(applied, 0);

        d.edit(c.field)->setText(QString::fromLatin1(c.accepted));
        QTest::keyClick(d.edit(c.field), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(applied, 1);
        applied = 0;
    }
    EXPECT_EQ(options.planeSize, 1025.0);
    EXPECT_EQ(options.decimals, 8);
}

TEST_F(OptionsWindows, EscapePutsBackTheBackgroundChosenWhileOpen) {
    doc.units.backgroundColor = 0x101010;
    GeneralOptionsDialog d(options, &doc, 1024, hooks);
    d.show();
    const QImage before = d.backgroundSwatch()->icon().pixmap(20, 20).toImage();
    d.chooseBackground(0xFFFFFF);
    EXPECT_EQ(doc.units.backgroundColor, 0xFFFFFF); // at once, and the figure is redrawn
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(d.backgroundSwatch()->icon().pixmap(20, 20).toImage(), before);
    d.chooseHidden(0x00FF00);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(doc.units.backgroundColor, 0x101010);
    EXPECT_EQ(options.hiddenColor, settings::Options().hiddenColor);
    EXPECT_EQ(redraws, 3);
    EXPECT_FALSE(doc.modified);
}

TEST_F(OptionsWindows, AppearanceOfRectasEjesColoursLinesAndAxes) {
    AppearanceDialog d(options, doc.units.backgroundColor);
    d.show();
    d.groups()->setCurrentIndex(1); // "rectas,ejes"
    const QImage grey = d.preview()->pixmap().toImage();
    d.colourButton(7)->click(); // yellow
    EXPECT_NE(d.preview()->pixmap().toImage(), grey);
    d.shapeButton(1)->click(); // thick
    EXPECT_EQ(options.colorOf(model::ElementClass::Line), 0x808080); // not before OK
    d.groups()->setCurrentIndex(7); // "ángulos": three shapes
    EXPECT_TRUE(d.shapeButton(2)->isVisibleTo(&d));
    EXPECT_FALSE(d.shapeButton(3)->isVisibleTo(&d));
    d.accept();
    EXPECT_EQ(options.colorOf(model::ElementClass::Line), 0x00FFFF);
    EXPECT_EQ(options.colorOf(model::ElementClass::Axes), 0x00FFFF);
    EXPECT_EQ(options.styleOf(model::ElementClass::Line), 2);
}

TEST_F(OptionsWindows, EnterInTheFontListOpensTheFontDialogAndCancelRestoresTheFonts) {
    FontsDialog d(options, doc.units.backgroundColor);
    int asked = 0;
    d.setFontAsker([&asked](const model::ElementFont& f) {
        ++asked;
        model::ElementFont bigger = f;
        bigger.size = 30;
        return std::optional<model::ElementFont>(bigger);
    });
    d.show();
    QTest::keyClick(d.list(), Qt::Key_Down);
    QTest::keyClick(d.list(), Qt::Key_Return);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(d.isVisible()); // Enter in the list is not OK
    EXPECT_EQ(options.namesFont.size, 30);
    EXPECT_EQ(d.sample()->font().pointSize(), 30);
    d.sample()->click();
    EXPECT_EQ(asked, 2);
    d.reject();
    EXPECT_EQ(options, settings::Options());
}

// Every caption of the window in the interface language: none empty, none left in Spanish, and
// no two mnemonics alike.
void expectEnglish(const QWidget& english, const QWidget& spanish) {
    const QStringList en = testing::captionsOf(&english);
    const QStringList es = testing::captionsOf(&spanish);
    ASSERT_EQ(en.size(), es.size()) << english.objectName().toStdString();
    static const QStringList kSameInBothLanguages = {
        QStringLiteral("&OK"),   QStringLiteral("OK"),  QStringLiteral("&Cancel"),
        QStringLiteral("Cancel"), QStringLiteral("ZEVA 3"), QStringLiteral(" AaBb123")};
    QSet<QChar> mnemonics;
    for (qsizetype i = 0; i < en.size(); ++i) {
        EXPECT_FALSE(en[i].trimmed().isEmpty()) << english.objectName().toStdString() << " #" << i;
        if (!kSameInBothLanguages.contains(en[i]) && !en[i].startsWith(QStringLiteral("Qt "))) {
            EXPECT_NE(en[i], es[i]) << english.objectName().toStdString();
        }
        const qsizetype amp = en[i].indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < en[i].size() && en[i][amp + 1] != QLatin1Char('&')) {
            const QChar m = en[i][amp + 1].toLower();
            EXPECT_FALSE(mnemonics.contains(m)) << en[i].toStdString();
            mnemonics.insert(m);
        }
    }
}

TEST_F(OptionsWindows, EveryWindowReadsItsTextsInTheInterfaceLanguageWhenShown) {
    const auto build = [this]() {
        std::vector<std::unique_ptr<QWidget>> w;
        w.push_back(std::make_unique<GeneralOptionsDialog>(options, &doc, 1024, hooks));
        w.push_back(std::make_unique<AppearanceDialog>(options, 0));
        w.push_back(std::make_unique<FontsDialog>(options, 0));
        w.push_back(std::make_unique<AboutDialog>());
        auto help = std::make_unique<HelpWindow>();
        help->retranslate();
        w.push_back(std::move(help));
        for (auto& widget : w)
            widget->ensurePolished();
        return w;
    };
    const auto spanish = build();
    testing::EnglishInterface english;
    const auto inEnglish = build();
    for (size_t i = 0; i < spanish.size(); ++i)
        expectEnglish(*inEnglish[i], *spanish[i]);
    const std::string tabs = testing::captionsOf(inEnglish[0].get()).join(QLatin1Char('|')).toStdString();
    EXPECT_NE(tabs.find("&Environment"), std::string::npos) << tabs;
}

TEST_F(OptionsWindows, TaggedMenusAndHintsFollowALanguageLoadedAtRunTime) {
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QString());
    setCaptionKey(file->menuAction(), 550);
    QAction* options = file->addAction(QString());
    setCaptionKey(options, 561);
    QAction* segment = file->addAction(QString());
    setToolCaption(segment, 9);
    auto* button = new QToolButton(&window);
    setToolHint(button, 9);
    auto* hidden = new QToolButton(&window);
    setHintKey(hidden, 545);
    EXPECT_EQ(file->title(), QStringLiteral("&Archivo"));
    EXPECT_EQ(segment->text(), QStringLiteral("Segmento dados dos puntos"));

    testing::EnglishInterface english;
    applyInterfaceTexts(&window);
    EXPECT_EQ(file->title(), QStringLiteral("&File"));
    EXPECT_EQ(options->text(), QStringLiteral("General options..."));
    EXPECT_EQ(segment->text(), QStringLiteral("Segment through two points"));
    EXPECT_EQ(segment->statusTip(), segment->text());
    EXPECT_EQ(button->toolTip(), segment->text());
    EXPECT_EQ(hidden->toolTip(), QStringLiteral("Show hidden"));
}

TEST_F(OptionsWindows, FirstStartAsksWithTheChooserAndWritesTheFile) {
    testing::TempDir dir;
    const auto file = dir.path() / "zeva.ini";
    settings::TextTable table;
    table.setBuiltInDefaults();
    QStringList offered;
    testing::onNextModal([&offered](QWidget* w) {
        auto* chooser = qobject_cast<LanguageDialog*>(w);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("ZEVA - Language"));
        for (int i = 0; i < chooser->list()->count(); ++i)
            offered << chooser->list()->item(i)->text();
        chooser->list()->setCurrentRow(0);
        QTest::keyClick(chooser->list(), Qt::Key_Return);
    });
    const auto outcome = startUpSettings(nullptr, options, table, file, testing::sourceDataFolders());
    EXPECT_EQ(offered, (QStringList{QStringLiteral("English"), QStringLiteral("Espanol")}));
    EXPECT_TRUE(outcome.optionsWritten);
    EXPECT_EQ(table.classWord(model::ElementClass::Point), "point");
    settings::Options read;
    EXPECT_EQ(settings::readOptionsFile(file, read), settings::OptionsError::None);
    EXPECT_EQ(read.languageFile, "English");

    // No language file anywhere: a message in both languages, then on in Spanish.
    table.setBuiltInDefaults();
    QString message;
    answerNextMessageBox(&message);
    const auto none = startUpSettings(nullptr, options, table, dir.path() / "other.ini",
                                      {dir.path() / "nowhere"});
    EXPECT_TRUE(none.noLanguageFiles);
    EXPECT_TRUE(message.startsWith(QStringLiteral("No se encuentran ficheros de lenguaje")));
    EXPECT_TRUE(message.contains(QStringLiteral("built-in Spanish")));
    EXPECT_TRUE(settings::isSpanish(table));
}

TEST_F(OptionsWindows, HelpFollowsLinksBackAndForthAndSearchesThePage) {
    testing::EnglishInterface english;
    HelpWindow* help = showHelpForTool(nullptr, 9, testing::sourceDataFolders());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("zeva3_en/2002.html")));
    EXPECT_TRUE(help->windowTitle().startsWith(QStringLiteral("Segment")));
    help->followLink(QUrl(QStringLiteral("2001.html")));
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("2001.html")));
    EXPECT_TRUE(help->backButton()->isEnabled());
    help->backButton()->click();
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("2002.html")));
    EXPECT_TRUE(help->forwardButton()->isEnabled());

    EXPECT_TRUE(help->find(QStringLiteral("second end point")));
    EXPECT_EQ(help->browser()->textCursor().selectedText(), QStringLiteral("second end point"));
    EXPECT_TRUE(help->find(QStringLiteral("second end point"))); // wraps round
    EXPECT_FALSE(help->find(QStringLiteral("no such words here")));
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->browser(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(help->focusWidget(), help->findField());

    // A link to a page that is not there: the warning, and the window stays on its page.
    help->followLink(QUrl(QStringLiteral("9999.html")));
    QApplication::processEvents();
    const auto boxes = help->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("The help file was not found"));
    boxes[0]->close();
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("2002.html")));

    // The same window serves the next command, and the book follows the language.
    settings::texts().setBuiltInDefaults();
    EXPECT_EQ(showWhatsNew(nullptr, testing::sourceDataFolders()), help);
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("zeva3_es/1.html")));
    EXPECT_EQ(showHelpContents(nullptr, {}), nullptr); // no book anywhere
    int warnings = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            ++warnings;
            box->close();
        }
    EXPECT_EQ(warnings, 1);
    help->close();
    delete help;
}

} // namespace
} // namespace zeva::ui
