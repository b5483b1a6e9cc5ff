#include "ui/picture_dialog.h"

#include "platform/picture_codec.h"

#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>

namespace zeva::ui {

std::optional<model::Picture> loadPictureFile(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return std::nullopt;
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    model::Picture picture = platform::encodePicture(flat);
    if (picture.bmp.empty()) return std::nullopt;
    return picture;
}

QStringList pictureNameFilters() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return {QStringLiteral("BMP (*.bmp *.BMP)"),
            patterns.join(QLatin1Char(' ')) + QStringLiteral(" (") +
                patterns.join(QLatin1Char(' ')) + QStringLiteral(")"),
            QStringLiteral("*.* (*)")};
}

void openPictureDialog(QWidget* parent, std::function<void(const PictureAnswer&)> done) {
    const QString folder = QDir::currentPath();
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(pictureNameFilters());
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done, folder](int result) {
        QDir::setCurrent(folder);
        PictureAnswer answer;
        const QStringList files = dialog->selectedFiles();
        if (result != QDialog::Accepted || files.isEmpty()) {
            done(answer);
            return;
        }
        if (auto picture = loadPictureFile(files.front())) {
            answer.outcome = PictureAnswer::Outcome::Loaded;
            answer.picture = std::move(*picture);
        } else {
            answer.outcome = PictureAnswer::Outcome::Unreadable;
        }
        done(answer);
    });
    dialog->open();
}

} // namespace zeva::ui
