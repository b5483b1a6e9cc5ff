#include "platform/drawing_settings.h"

#include <QSettings>

namespace zeva::platform {

namespace {

QSettings store() {
    return QSettings(QStringLiteral("ZEVA"), QStringLiteral("ZEVA3"));
}

const QString kSmoothDrawingKey = QStringLiteral("Options/Smooth Drawing");

} // namespace

bool readSmoothDrawing() {
    return store().value(kSmoothDrawingKey, 0).toInt() != 0;
}

void writeSmoothDrawing(bool on) {
    QSettings s = store();
    s.setValue(kSmoothDrawingKey, on ? 1 : 0);
    s.sync();
}

} // namespace zeva::platform
