#include "platform/figure_export.h"

#include "platform/qt_canvas.h"
#include "render/renderer.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdlib>

namespace zeva::platform {

namespace {

constexpr int kScreenDpi = 96;

QString toQString(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const std::string& path) {
    const QString ext = QFileInfo(toQString(path)).suffix().toLower();
    if (ext == QLatin1String("png")) return ExportFormat::Png;
    if (ext == QLatin1String("bmp")) return ExportFormat::Bmp;
    if (ext == QLatin1String("svg")) return ExportFormat::Svg;
    if (ext == QLatin1String("pdf")) return ExportFormat::Pdf;
    return std::nullopt;
}

std::string exportFigure(const render::RenderContext& ctx, const QImage& bitmap,
                         const std::string& path, int width, int height) {
    return exportFigure(ctx, bitmap, path, QRect(0, 0, width, height));
}

QRect exportRegion(const render::ViewTransform& view,
                   const std::optional<render::WorldRect>& pendingRectangle, int bitmapWidth,
                   int bitmapHeight) {
    if (!pendingRectangle)
        return QRect(0, 0, std::max(0, bitmapWidth - 1), std::max(0, bitmapHeight - 1));
    const render::IPoint a = render::worldToScreen(view, pendingRectangle->a);
    const render::IPoint b = render::worldToScreen(view, pendingRectangle->b);
    const int width = std::max(0, std::abs(b.x - a.x) - 1);
    const int height = std::max(0, std::abs(b.y - a.y) - 1);
    return QRect(std::min(a.x, b.x) + 1, std::min(a.y, b.y) + 1, width, height);
}

QImage exportPicture(const render::RenderContext& ctx, const QImage& bitmap) {
    const QRect region =
        exportRegion(*ctx.view, ctx.state.pendingRectangle, bitmap.width(), bitmap.height());
    return bitmap.copy(region);
}

std::string exportFigure(const render::RenderContext& ctx, const QImage& bitmap,
                         const std::string& path, QRect region) {
    const int width = region.width();
    const int height = region.height();
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format) return "unknown picture format (use .png, .bmp, .svg or .pdf): " + path;
    const QString file = toQString(path);
    // An existing read-only file is replaced, as a save over it would be.
    if (QFileInfo::exists(file))
        QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOwner);
    render::RenderContext vector = ctx;
    vector.traceCanvas = nullptr;

    switch (*format) {
    case ExportFormat::Png:
    case ExportFormat::Bmp: {
        const QImage picture = bitmap.copy(region);
        if (!picture.save(file, *format == ExportFormat::Png ? "PNG" : "BMP"))
            return "cannot write " + path;
        return {};
    }
    case ExportFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(kScreenDpi);
        svg.setTitle(QStringLiteral("ZEVA"));
        {
            QtCanvas canvas(svg, render::CanvasRole::Main, width, height, kScreenDpi);
            if (!canvas.painter().isActive()) return "cannot write " + path;
            canvas.setSmooth(ctx.options.smooth);
            canvas.painter().translate(-region.x(), -region.y());
            render::redrawAll(vector, canvas);
        }
        return {};
    }
    case ExportFormat::Pdf: {
        QPdfWriter pdf(file);
        pdf.setResolution(kScreenDpi);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / kScreenDpi, height * 72.0 / kScreenDpi),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setCreator(QStringLiteral("ZEVA"));
        {
            QtCanvas canvas(pdf, render::CanvasRole::Main, width, height, kScreenDpi);
            if (!canvas.painter().isActive()) return "cannot write " + path;
            canvas.setSmooth(ctx.options.smooth);
            canvas.painter().translate(-region.x(), -region.y());
            render::redrawAll(vector, canvas);
        }
        return {};
    }
    }
    return {};
}

} // namespace zeva::platform
