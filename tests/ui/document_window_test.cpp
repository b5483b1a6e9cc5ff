// The documents in the editor's window: two documents in the "&Documento" menu and the box, a
// figure copied from one and pasted into the other through the menu commands, the recent files
// after an open, and a picture of the window with the Document menu open (written to
// <build>/screenshots/ to be looked at).
#include "qt_app.h"

#include "document/document_file.h"
#include "tests/support/edits.h"
#include "tests/support/temp_dir.h"
#include "ui/document_commands.h"
#include "ui/documents_list_window.h"
#include "ui/print_dialog.h"

#include "dialog_helpers.h"
#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

model::Element* addPoint(document::Document& d, double x, double y) {
    edit::CreationRequest r;
    r.x1 = x;
    r.y1 = y;
    return zeva::testing::create(d, r);
}

QStringList entryCaptions(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        if (a->isCheckable()) out << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
    return out;
}

TEST(DocumentWindow, TwoDocumentsACopyPastedAcrossAndTheRecentFiles) {
    testing::qtApp();
    zeva::testing::TempDir dir;
    MainWindow w;
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    document::Document& first = w.document();
    addPoint(first, 10, 10);
    model::Element* b = addPoint(first, 60, 30);
    b->selected = 1;
    w.run(Command::Copy);
    EXPECT_TRUE(w.itemAllowed(EditRule::Figure)) << "Pegar is enabled once a figure is copied";
    first.modified = 0;
    w.run(Command::New);
    ASSERT_EQ(w.documents().count(), 2);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - Documento 2"));
    EXPECT_EQ(entryCaptions(w.documentMenu()),
              (QStringList{QStringLiteral("Documento 1"), QStringLiteral("Documento 2 *")}));
    EXPECT_EQ(w.documentBox()->count(), 2);
    EXPECT_EQ(w.documentBox()->currentIndex(), 1);

    w.run(Command::Paste);
    document::Document& second = w.document();
    ASSERT_EQ(second.construction.countOf(), 1);
    EXPECT_EQ(second.construction.lastElement->selected, 1);
    EXPECT_EQ(second.modified, 1);
    w.run(Command::NextDocument);
    EXPECT_EQ(&w.document(), &first) << "after the last comes the first";
    w.run(Command::Paste);
    EXPECT_NEAR(first.construction.lastElement->x1, 80, 1e-9) << "20 right in the source";
    EXPECT_NEAR(first.construction.lastElement->y1, 10, 1e-9) << "20 down in the source";

    // A saved and reopened file heads the recent files.
    const std::string path = dir.file("fig.KDO");
    ASSERT_TRUE(document::writeDocumentFile(first, path));
    ASSERT_TRUE(w.openDocument(QString::fromStdString(path)));
    EXPECT_EQ(w.documentCommands().recentFiles().paths().front(), path);
    ASSERT_FALSE(w.recentFilesMenu()->actions().isEmpty());
    EXPECT_EQ(w.recentFilesMenu()->actions().front()->text(),
              QStringLiteral("&0 ") + QString::fromStdString(path));

    // Both modified documents are dropped without saving so the window can close.
    for (const auto& d : w.documents().documents())
        d->modified = 0;
}

TEST(DocumentWindow, PrintingWithoutAPrinterSaysSoAndWritesAPdfFile) {
    testing::qtApp();
    zeva::testing::TempDir dir;
    MainWindow w;
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    addPoint(w.document(), 10, 10);
    const double viewLeft = w.viewTransform().viewLeft;
    const QString pdf = QString::fromStdString(dir.file("page.pdf"));
    QString message;
    bool printed = false;
    const auto answerPrintDialog = [&](QWidget* modal) {
        if (auto* dialog = qobject_cast<PrintDialog*>(modal)) {
            dialog->printerBox()->setCurrentIndex(dialog->printerBox()->count() - 1); // PDF
            printed = dialog->printNow(pdf);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    };
    if (printerAvailable()) {
        zeva::testing::onNextModal(answerPrintDialog);
    } else {
        zeva::testing::onNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                message = box->text();
                box->accept();
            }
            zeva::testing::onNextModal(answerPrintDialog, modal);
        });
    }
    w.run(Command::Print);
    if (!printerAvailable()) {
        EXPECT_EQ(message, QStringLiteral("There is no default printer currently selected"));
    }
    EXPECT_TRUE(printed);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(w.viewTransform().viewLeft, viewLeft) << "the window's view is back";
    w.document().modified = 0;
}

TEST(Screenshots, TwoDocumentsWithTheDocumentMenuOpen) {
    testing::qtApp();
    MainWindow w(QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.run(Command::New);
    addPoint(w.document(), 0, 0);
    w.redraw(false);
    w.run(Command::PreviousDocument);
    QMenu* menu = w.documentMenu();
    menu->popup(w.mapToGlobal(QPoint(200, 30)));
    QTest::qWait(100);
    QImage picture = w.grab().toImage();
    {
        QPainter p(&picture);
        p.drawImage(w.mapFromGlobal(menu->pos()), menu->grab().toImage());
    }
    menu->hide();
    const QString folder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/two-documents-menu.png")));

    w.document().modified = 1;
    DocumentsListWindow list(w.documentCommands().logic(), [] {}, &w);
    list.show();
    QTest::qWait(50);
    EXPECT_TRUE(list.grab().save(folder + QStringLiteral("/documents-list.png")));
    for (const auto& d : w.documents().documents())
        d->modified = 0;
}

} // namespace
} // namespace zeva::ui
