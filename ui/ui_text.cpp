#include "ui/ui_text.h"

namespace zeva::ui {

Mnemonics::Mnemonics(const QString& taken) {
    for (QChar c : taken)
        used_.insert(c.toLower());
}

QString Mnemonics::mark(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" is a plain ampersand
            continue;
        }
        used_.insert(caption[i + 1].toLower());
        return caption;
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (!c.isLetterOrNumber() || used_.contains(c.toLower())) continue;
        used_.insert(c.toLower());
        QString marked = caption;
        marked.insert(i, QLatin1Char('&'));
        return marked;
    }
    return caption;
}

} // namespace zeva::ui
