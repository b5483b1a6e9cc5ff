#include "ui/splash_window.h"

#include "ui/about_dialog.h"
#include "ui/glyphs.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace zeva::ui {

bool splashWanted() {
    const char* off = std::getenv("ZEVA_NO_SPLASH");
    if (off && std::strcmp(off, "1") == 0) return false;
    return isatty(STDIN_FILENO) != 0;
}

QWidget* showSplash() {
    if (!splashWanted()) return nullptr;
    auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint |
                                            Qt::WindowStaysOnTopHint);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setObjectName(QStringLiteral("Splash"));
    auto* row = new QHBoxLayout(splash);
    row->setContentsMargins(24, 20, 32, 20);
    row->setSpacing(20);
    auto* icon = new QLabel(splash);
    icon->setPixmap(applicationIcon().pixmap(64, 64));
    row->addWidget(icon);
    auto* texts = new QVBoxLayout;
    auto* name = new QLabel(QStringLiteral("ZEVA"), splash);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    texts->addWidget(name);
    texts->addWidget(new QLabel(programVersion(), splash));
    row->addLayout(texts);
    splash->adjustSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = splash->frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        splash->move(r.topLeft());
    }
    splash->show();
    QTimer::singleShot(kSplashMs, splash, &QWidget::close);
    return splash;
}

} // namespace zeva::ui
