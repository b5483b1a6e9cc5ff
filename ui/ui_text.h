#pragma once
// Texts between the text table (UTF-8 std::string) and Qt, colours between 0x00BBGGRR and
// QColor, and keyboard mnemonics for captions that come without one.

#include "settings/text_table.h"

#include <QColor>
#include <QSet>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace zeva::ui {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8Text(const QString& s) {
    const QByteArray bytes = s.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
// A message of the program's text table (key 1000 + slot).
inline QString messageText(int slot) {
    return qtText(settings::texts().message(slot));
}

inline QColor qtColour(int32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}
inline int32_t colorRefOf(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// Gives the captions of one window distinct mnemonics: a caption that has one ("&Archivo")
// keeps it; another gets "&" before its first letter or digit not yet taken (ignoring case);
// a caption left without a free letter stays as it is.
class Mnemonics {
  public:
    // Letters already taken, e.g. by the window's OK and Cancel buttons.
    explicit Mnemonics(const QString& taken = QString());
    QString mark(const QString& caption);

  private:
    QSet<QChar> used_;
};

} // namespace zeva::ui
