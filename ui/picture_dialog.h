#pragma once
// Pictures for the picture tool: a file dialog offering BMP files first and every image format
// the platform reads, and the loading of the chosen file into the BMP image documents keep.

#include "ui/host.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace zeva::ui {

// The file as a picture: any readable image, flattened onto white where it is transparent and
// stored as a 24-bit BMP image; none when the file does not hold a readable, non-empty image.
std::optional<model::Picture> loadPictureFile(const QString& path);

// The name filters of the dialog: BMP, every readable image format, every file.
QStringList pictureNameFilters();

// Opens the file dialog window-modal over `parent` and returns at once; `done` gets what was
// chosen and loaded. The process's current folder is the same afterwards.
void openPictureDialog(QWidget* parent, std::function<void(const PictureAnswer&)> done);

} // namespace zeva::ui
