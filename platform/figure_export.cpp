#include "platform/figure_export.h"

#include "platform/qt_canvas.h"
#include "render/renderer.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

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
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format) return "unknown picture format (use .png, .bmp, .svg or .pdf): " + path;
    const QString file = toQString(path);
    render::RenderContext vector = ctx;
    vector.traceCanvas = nullptr;

    switch (*format) {
    case ExportFormat::Png:
    case ExportFormat::Bmp: {
        const QImage picture = bitmap.copy(0, 0, width, height);
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
            render::redrawAll(vector, canvas);
        }
        return {};
    }
    }
    return {};
}

} // namespace zeva::platform
