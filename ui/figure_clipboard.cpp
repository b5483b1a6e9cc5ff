#include "ui/figure_clipboard.h"

#include "platform/picture_codec.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace zeva::ui {

namespace {

QClipboard* systemClipboard() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::clipboard()
                                                                     : nullptr;
}

} // namespace

void FigureClipboard::copied(document::DocumentSet& set, const document::Document& source,
                             std::vector<uint8_t> bytes) {
    set.startPasteCounts(source);
    last_ = std::move(bytes);
    if (QClipboard* clipboard = systemClipboard()) {
        auto* data = new QMimeData;
        data->setData(kFigureMimeType,
                      QByteArray(reinterpret_cast<const char*>(last_.data()),
                                 static_cast<qsizetype>(last_.size())));
        clipboard->setMimeData(data);
    }
}

std::optional<std::vector<uint8_t>> FigureClipboard::onSystemClipboard() const {
    QClipboard* clipboard = systemClipboard();
    if (!clipboard) return std::nullopt;
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasFormat(kFigureMimeType)) return std::nullopt;
    const QByteArray bytes = data->data(kFigureMimeType);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool FigureClipboard::canPaste() const {
    return !last_.empty() || onSystemClipboard().has_value();
}

std::optional<std::vector<uint8_t>> FigureClipboard::toPaste(document::DocumentSet& set) {
    std::optional<std::vector<uint8_t>> bytes = onSystemClipboard();
    if (!bytes || bytes->empty()) {
        if (last_.empty()) return std::nullopt;
        return last_;
    }
    if (*bytes != last_) {
        // Copied by another program: no document here is its source.
        for (const auto& d : set.documents())
            d->pasteCount = 0;
        last_ = *bytes;
    }
    return bytes;
}

void putPictureOnClipboard(const QImage& picture) {
    if (QClipboard* clipboard = systemClipboard()) clipboard->setImage(picture);
}

model::Picture pictureOnClipboard() {
    QClipboard* clipboard = systemClipboard();
    if (!clipboard) return {};
    return platform::encodePicture(clipboard->image());
}

bool clipboardHasPicture() {
    QClipboard* clipboard = systemClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasImage();
}

} // namespace zeva::ui
