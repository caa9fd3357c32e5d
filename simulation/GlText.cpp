#include "simulation/GlText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <vector>

namespace {

// Glyphs are taken at this size and scaled to one em, as the lists use them.
constexpr double kEmPixels = 256.0;

using TContour = std::vector<std::array<double, 3>>;

QFont LetteringFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(kEmPixels));
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

std::vector<TContour> GlyphContours(const QFont& font, char c)
{
    QPainterPath path;
    path.addText(0.0, 0.0, font, QString(QChar(c)));
    std::vector<TContour> contours;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        TContour contour;
        for (int i = 0; i + 1 < polygon.size(); ++i)
            contour.push_back({polygon[i].x() / kEmPixels, -polygon[i].y() / kEmPixels, 0.0});
        if (contour.size() >= 3)
            contours.push_back(std::move(contour));
    }
    return contours;
}

void TessVertex(void* data)
{
    glVertex3dv(static_cast<const double*>(data));
}

void TessCombine(double coords[3], void*[4], float[4], void** out, void* user)
{
    auto* extra = static_cast<std::vector<std::array<double, 3>>*>(user);
    // Reserved up front, so earlier pointers stay valid.
    extra->push_back({coords[0], coords[1], coords[2]});
    *out = extra->back().data();
}

// The glyph's face at depth z, its normal along +z or -z.
void DrawGlyphFace(GLUtesselator* tess, std::vector<TContour>& contours, double z, bool front)
{
    std::vector<std::array<double, 3>> extra;
    extra.reserve(4096);
    for (TContour& contour : contours)
        for (auto& p : contour)
            p[2] = z;
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<_GLUfuncptr>(glBegin));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(glEnd));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<_GLUfuncptr>(TessVertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(TessCombine));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0.0, 0.0, front ? 1.0 : -1.0);
    glNormal3d(0.0, 0.0, front ? 1.0 : -1.0);
    gluTessBeginPolygon(tess, &extra);
    for (TContour& contour : contours) {
        gluTessBeginContour(tess);
        for (auto& p : contour)
            gluTessVertex(tess, p.data(), p.data());
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
}

void DrawGlyphSides(const std::vector<TContour>& contours, double depth)
{
    glBegin(GL_QUADS);
    for (const TContour& contour : contours) {
        const size_t n = contour.size();
        for (size_t i = 0; i < n; ++i) {
            const auto& a = contour[i];
            const auto& b = contour[(i + 1) % n];
            glNormal3d(b[1] - a[1], a[0] - b[0], 0.0);
            glVertex3d(a[0], a[1], 0.0);
            glVertex3d(a[0], a[1], -depth);
            glVertex3d(b[0], b[1], -depth);
            glVertex3d(b[0], b[1], 0.0);
        }
    }
    glEnd();
}

void BuildFontSet(unsigned base, double depth)
{
    const QFont font = LetteringFont();
    const QFontMetricsF metrics(font);
    GLUtesselator* tess = gluNewTess();
    for (int c = 0; c < 128; ++c) {
        std::vector<TContour> contours;
        if (c > 32 && c < 127)
            contours = GlyphContours(font, static_cast<char>(c));
        glNewList(base + c, GL_COMPILE);
        if (!contours.empty()) {
            glEnable(GL_NORMALIZE);
            DrawGlyphFace(tess, contours, 0.0, true);
            DrawGlyphFace(tess, contours, -depth, false);
            DrawGlyphSides(contours, depth);
        }
        const double advance = c >= 32 ? metrics.horizontalAdvance(QChar(c)) / kEmPixels : 0.0;
        glTranslated(advance, 0.0, 0.0);
        glEndList();
    }
    gluDeleteTess(tess);
}

} // namespace

void BuildSceneFonts()
{
    BuildFontSet(gltext::kThickBase, 5.0);
    BuildFontSet(gltext::kThinBase, 1.0);
}

void DrawText3D(unsigned listBase, std::string_view text)
{
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}
