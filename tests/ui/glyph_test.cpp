#include "qt_app.h"

#include "ui/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace zeva::ui {
namespace {

class Glyphs : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }
};

int opaquePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) ++n;
    return n;
}

// Every button of the two tool bars and of the three pop-up panels, in the window's order.
constexpr std::string_view kButtons[] = {
    "B_MuePan", "B_zoom", "B_pancom", "B_todoelem", "B_pasopaso", "B_lista", "B_op_gen",
    "B_copia_port", "B_anim", "B_traza", "B_redefpun", "B_MacCon", "B_N_longdist", "B_N_area",
    "B_N_angulo", "B_N_pend", "B_N_calcular", "B_N_ejes", "B_N_ecoord", "B_puncoord",
    "B_rep_pun", "B_N_cuadricula", "B_N_parametro", "B_N_funcion", "B_N_rep_fun",
    "B_doc_nuevo", "B_doc_abrir", "B_doc_guardar", "B_doc_print", "B_doc_ant", "B_doc_sig",
    "B_doc_cerrar", "Sel", "B_Punto", "B_Punto_Inter", "B_Segmento", "B_Poligono", "B_Polireg",
    "B_Recta", "B_Rayo", "B_Conica_5p", "B_Circunf", "B_Circ2pr", "B_arco3p", "B_Angulo",
    "B_Recta_Para", "B_Recta_Perp", "B_2_Sectriz", "B_2_div_seg", "B_Mediatriz", "B_Lugar_G",
    "B_punto_desp", "B_Punto_Sim", "B_sim_ax", "B_traslac", "B_giro", "B_homotec",
    "B_inversion", "B_comp_1", "B_elimelem", "B_vernover", "B_color", "B_color_relleno",
    "B_edit_forma_punto", "B_edit_forma_linea", "B_edit_forma_angulo", "B_font", "B_inbitmap",
    "B_Texto", "B_N_tabla", "B_vernoverbot", "B_editelem", "B_comp_par", "B_comp_per",
    "B_comp_pert", "B_comp_eq", "B_comp_3pa", "B_rgb", "B_colorpar", "B_edit_pnor",
    "B_edit_pcruz", "B_edit_pgran", "B_edit_pgran2", "B_edit_linor", "B_edit_lipun",
    "B_edit_lipray", "B_edit_ligran", "B_edit_ang1", "B_edit_ang2", "B_edit_ang3"};

TEST_F(Glyphs, EveryButtonHasExactlyOneEntryAndNothingElseIsListed) {
    std::set<std::string_view> names;
    for (const GlyphEntry& e : kGlyphTable)
        EXPECT_TRUE(names.insert(e.control).second) << "listed twice: " << e.control;
    const std::set<std::string_view> expected(std::begin(kButtons), std::end(kButtons));
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(glyphIcon("B_rojo").isNull()) << "colour buttons are painted, not drawn";
}

TEST_F(Glyphs, EveryGlyphRendersSharpAtBothButtonSizesAndBothPixelRatios) {
    std::set<std::string_view> seenResources;
    std::set<size_t> distinctPictures;
    for (const GlyphEntry& e : kGlyphTable) {
        SCOPED_TRACE(std::string(e.control));
        const QIcon icon = glyphIcon(e.control);
        ASSERT_FALSE(icon.isNull());
        // Half-width buttons get a picture half as wide; all others fill the square.
        const bool half = e.control == "B_doc_sig";
        for (int size : {22, 28}) {
            for (qreal dpr : {1.0, 2.0}) {
                const QPixmap pm = icon.pixmap(QSize(size, size), dpr);
                const int device = qRound(size * dpr);
                EXPECT_EQ(pm.height(), device);
                EXPECT_EQ(pm.width(), half ? device / 2 : device);
                EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
                // Something drawn, and not a filled square.
                const int ink = opaquePixels(pm.toImage());
                EXPECT_GT(ink, pm.width() * pm.height() / 20);
                EXPECT_LT(ink, pm.width() * pm.height());
            }
        }
        // Distinct buttons show distinct pictures, unless they share a resource on purpose.
        if (seenResources.insert(e.resource).second) {
            const QImage img = icon.pixmap(QSize(22, 22), 1.0).toImage();
            const auto bytes = static_cast<size_t>(img.sizeInBytes());
            EXPECT_TRUE(distinctPictures.insert(qHashBits(img.constBits(), bytes)).second)
                << "looks the same as another glyph";
        }
        // A disabled button shows the same shape without colour.
        const QImage disabled = icon.pixmap(QSize(22, 22), 1.0, QIcon::Disabled).toImage();
        for (int y = 0; y < disabled.height(); ++y)
            for (int x = 0; x < disabled.width(); ++x) {
                const QRgb p = disabled.pixel(x, y);
                ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            }
    }
    // Painting straight onto a twice-dense surface draws at device resolution, centred.
    QImage surface(88, 88, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(2.0);
    surface.fill(Qt::transparent);
    {
        QPainter p(&surface);
        glyphIcon("B_doc_sig").paint(&p, QRect(0, 0, 44, 44));
    }
    EXPECT_EQ(opaquePixels(surface.copy(0, 0, 22, 88)), 0) << "half-width glyph is centred";
    EXPECT_GT(opaquePixels(surface.copy(22, 0, 44, 88)), 44 * 88 / 10);
    EXPECT_FALSE(applicationIcon().isNull());
    EXPECT_GT(opaquePixels(applicationIcon().pixmap(64, 64).toImage()), 64 * 64 / 2);
}

TEST_F(Glyphs, CursorsCoverTheNumbersOneToTwentyFourWithTheHotSpotOnTheirPicture) {
    ASSERT_EQ(kCursorTable.size(), 24u);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(kCursorTable[i].number, i + 1);
    std::set<std::string_view> resources;
    for (const CursorEntry& e : kCursorTable) {
        SCOPED_TRACE(std::string(e.resource));
        EXPECT_TRUE(resources.insert(e.resource).second);
        for (qreal dpr : {1.0, 1.5, 2.0}) {
            const QCursor c = toolCursor(e.number, dpr);
            ASSERT_EQ(c.shape(), Qt::BitmapCursor);
            const QPixmap pm = c.pixmap();
            EXPECT_EQ(pm.width(), qRound(kCursorGrid * dpr));
            EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
            const QPoint hot = c.hotSpot();
            ASSERT_TRUE(QRect(0, 0, kCursorGrid, kCursorGrid).contains(hot));
            // The hot spot is on the drawing (within a pixel), not in empty space.
            const QImage img = pm.toImage();
            const QPoint deviceHot = (QPointF(hot) * dpr).toPoint();
            int near = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (img.valid(deviceHot + QPoint(dx, dy)) &&
                        qAlpha(img.pixel(deviceHot + QPoint(dx, dy))) > 0)
                        ++near;
            EXPECT_GT(near, 0);
        }
    }
    EXPECT_EQ(toolCursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(toolCursor(25).shape(), Qt::ArrowCursor);
}

TEST_F(Glyphs, ColourSwatchIsABlackSquareFilledInsetWithTheColour) {
    // 0x00BBGGRR: 0xC08000 is the marine blue of the colour panel.
    const QRgb marine = qRgb(0x00, 0x80, 0xC0);
    const QImage small = colorSwatchIcon(0xC08000, 18).pixmap(QSize(18, 18), 1.0).toImage();
    ASSERT_EQ(small.size(), QSize(18, 18));
    EXPECT_EQ(small.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(small.pixel(2, 2), marine);
    EXPECT_EQ(small.pixel(15, 15), marine);
    EXPECT_EQ(small.pixel(16, 16), qRgb(0, 0, 0));
    const QImage large = colorSwatchIcon(255, 23).pixmap(QSize(23, 23), 1.0).toImage();
    EXPECT_EQ(large.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(large.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(large.pixel(19, 19), qRgb(255, 0, 0));
    EXPECT_EQ(large.pixel(20, 20), qRgb(0, 0, 0));
    // In a bigger button the swatch keeps its size, centred; at twice the pixel ratio it has
    // twice the pixels.
    const QImage hidpi = colorSwatchIcon(0x00FF00, 18).pixmap(QSize(22, 22), 2.0).toImage();
    ASSERT_EQ(hidpi.size(), QSize(44, 44));
    EXPECT_EQ(qAlpha(hidpi.pixel(3, 3)), 0);
    EXPECT_EQ(hidpi.pixel(4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(hidpi.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_EQ(hidpi.pixel(8, 8), qRgb(0, 255, 0));
    EXPECT_EQ(hidpi.pixel(35, 35), qRgb(0, 255, 0));
    EXPECT_EQ(hidpi.pixel(36, 36), qRgb(0, 0, 0));
}

} // namespace
} // namespace zeva::ui
