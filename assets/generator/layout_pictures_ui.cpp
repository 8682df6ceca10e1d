// The menu's button bar and drop-up panel, the loading screen's backdrop, the warning dialog's
// sign and background, and the small painting helpers they share with the scene.
#include "generator.h"
#include "layout_pictures_common.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace assetgen::layoutpics {

QFont pixelFont(const QString& family, qreal pixelSize, int weight)
{
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

QColor blend(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void paintGlow(QPainter& p, const QRectF& r, const QColor& c)
{
    QRadialGradient g(0.5, 0.5, 0.5);
    g.setCoordinateMode(QGradient::ObjectMode);
    QColor mid = c;
    QColor half = c;
    half.setAlphaF(c.alphaF() * 0.45f);
    QColor none = c;
    none.setAlpha(0);
    g.setColorAt(0, mid);
    g.setColorAt(0.45, half);
    g.setColorAt(1, none);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

void paintChip(QPainter& p, QPointF c, double r, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    const double ry = r * 0.62;
    // Edge of the chip below its face.
    p.setBrush(colour.darker(170));
    p.drawEllipse(c + QPointF(0, 1.4), r, ry);
    QRadialGradient g(c - QPointF(r * 0.3, ry * 0.4), r * 1.1);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawEllipse(c, r, ry);
    // White inserts round the rim.
    p.setBrush(QColor(250, 250, 250, 220));
    for (int i = 0; i < 6; ++i) {
        const double a = i * 3.14159265 / 3 + 0.3;
        p.drawEllipse(c + QPointF(std::cos(a) * r * 0.8, std::sin(a) * ry * 0.8), r * 0.14, ry * 0.16);
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), std::max(0.5, r * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.5, ry * 0.5);
    p.restore();
}

namespace {

const QString kSuits[4] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"), QStringLiteral("\u2666"),
                           QStringLiteral("\u2663")};

QColor suitColour(int suit)
{
    return suit == 1 || suit == 2 ? QColor(200, 10, 20) : QColor(20, 20, 25);
}

} // namespace

void paintCard(QPainter& p, const QRectF& r, const QString& rank, int suit, double angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    const double radius = std::max(1.0, r.width() * 0.12);
    // Shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(local.translated(0.8, 1.0), radius, radius);
    if (suit < 0) {
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(local, radius, radius);
        QLinearGradient g(local.topLeft(), local.bottomRight());
        g.setColorAt(0, QColor(190, 20, 30));
        g.setColorAt(1, QColor(110, 0, 10));
        QPainterPath back;
        back.addRoundedRect(local.adjusted(1, 1, -1, -1), radius * 0.6, radius * 0.6);
        p.fillPath(back, g);
        p.setClipPath(back, Qt::IntersectClip);
        p.setPen(QPen(QColor(255, 200, 200, 90), 0.5));
        for (double d = -local.height(); d < local.width(); d += 2.5) {
            p.drawLine(QPointF(local.left() + d, local.top()), QPointF(local.left() + d + local.height(), local.bottom()));
            p.drawLine(QPointF(local.left() + d + local.height(), local.top()), QPointF(local.left() + d, local.bottom()));
        }
    } else {
        p.setBrush(QColor(252, 252, 248));
        p.setPen(QPen(QColor(150, 150, 150), 0.5));
        p.drawRoundedRect(local, radius, radius);
        const QColor ink = suitColour(suit);
        p.setPen(ink);
        if (!rank.isEmpty() && r.width() >= 11) {
            p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), std::max(5.0, r.height() * 0.3), QFont::Bold));
            p.drawText(QRectF(local.left() + 0.5, local.top(), r.width() * 0.55, r.height() * 0.34), Qt::AlignCenter, rank);
        }
        p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), std::max(5.0, r.height() * 0.5)));
        p.drawText(local.adjusted(0, r.height() * 0.15, 0, 0), Qt::AlignCenter, kSuits[suit % 4]);
    }
    p.restore();
}

void paintLogoText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize)
{
    QFont f = pixelFont(QStringLiteral("Bebas Neue"), pixelSize, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.06);
    const QFontMetricsF fm(f);
    QPainterPath path;
    const double w = fm.horizontalAdvance(text);
    const double baseline = r.center().y() + (fm.ascent() - fm.descent()) / 2 - fm.ascent() * 0.06;
    path.addText(r.center().x() - w / 2, baseline, f, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillPath(path.translated(1.2, 1.6), QColor(0, 0, 0, 150));
    p.setPen(QPen(QColor(60, 10, 0), std::max(1.0, pixelSize * 0.07), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient g(0, baseline - fm.ascent() * 0.75, 0, baseline);
    g.setColorAt(0, QColor(255, 250, 210));
    g.setColorAt(0.45, QColor(250, 205, 90));
    g.setColorAt(0.5, QColor(215, 150, 40));
    g.setColorAt(1, QColor(255, 220, 120));
    p.fillPath(path, g);
    p.restore();
}

namespace {

QLinearGradient vgrad(double y0, double y1, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient goldRim(double y0, double y1, bool bright)
{
    QLinearGradient g(0, y0, 0, y1);
    if (bright) {
        g.setColorAt(0, QColor(255, 250, 200));
        g.setColorAt(0.5, QColor(255, 210, 80));
        g.setColorAt(1, QColor(200, 130, 20));
    } else {
        g.setColorAt(0, QColor(245, 215, 130));
        g.setColorAt(0.5, QColor(190, 135, 40));
        g.setColorAt(1, QColor(120, 75, 15));
    }
    return g;
}

// A rounded plate with a gold rim; `state` 0 resting, 1 highlighted, 2 pressed.
void paintPlate(QPainter& p, const QRectF& r, double radius, const QColor& body, int state)
{
    QPainterPath outer;
    outer.addRoundedRect(r, radius, radius);
    p.fillPath(outer, goldRim(r.top(), r.bottom(), state == 1));
    const QRectF in = r.adjusted(2, 2, -2, -2);
    QPainterPath inner;
    inner.addRoundedRect(in, radius - 1.5, radius - 1.5);
    QLinearGradient g(0, in.top(), 0, in.bottom());
    if (state == 2) {
        g.setColorAt(0, body.darker(220));
        g.setColorAt(1, body.darker(110));
    } else {
        const QColor b = state == 1 ? body.lighter(140) : body;
        g.setColorAt(0, b.lighter(150));
        g.setColorAt(0.48, b);
        g.setColorAt(0.52, b.darker(125));
        g.setColorAt(1, b.darker(170));
    }
    p.fillPath(inner, g);
    if (state != 2) {
        // Glassy highlight over the upper half.
        QPainterPath shine;
        shine.addRoundedRect(QRectF(in.left() + 3, in.top() + 1, in.width() - 6, in.height() * 0.42), radius - 3, radius - 3);
        p.fillPath(shine, vgrad(in.top(), in.top() + in.height() * 0.45, QColor(255, 255, 255, state == 1 ? 110 : 70),
                                QColor(255, 255, 255, 5)));
    } else {
        p.fillPath(inner, vgrad(in.top(), in.top() + 6, QColor(0, 0, 0, 120), QColor(0, 0, 0, 0)));
    }
}

QColor glyphColour(int state)
{
    return state == 1 ? QColor(255, 255, 235) : QColor(250, 215, 120);
}

void paintArrow(QPainter& p, QPointF c, double size, bool up, const QColor& colour)
{
    QPainterPath t;
    const double s = up ? -1 : 1;
    t.moveTo(c.x(), c.y() + s * size * 0.55);
    t.lineTo(c.x() + size * 0.6, c.y() - s * size * 0.35);
    t.lineTo(c.x() - size * 0.6, c.y() - s * size * 0.35);
    t.closeSubpath();
    p.fillPath(t.translated(0.8, 1), QColor(0, 0, 0, 120));
    p.fillPath(t, colour);
}

void paintCaption(QPainter& p, const QRectF& r, const QString& text, qreal px, int state, qreal spacing = 2)
{
    QFont f = pixelFont(QStringLiteral("Bebas Neue"), px, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(r.translated(1, 1.2), Qt::AlignCenter, text);
    p.setPen(glyphColour(state));
    p.drawText(r, Qt::AlignCenter, text);
}

void paintGear(QPainter& p, QPointF c, double r, const QColor& colour)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i - 0.5) * 3.14159265 / teeth;
        const double a1 = (i + 0.5) * 3.14159265 / teeth;
        const double rad = i % 2 ? r * 0.74 : r;
        const QPointF p0 = c + QPointF(std::cos(a0) * rad, std::sin(a0) * rad);
        const QPointF p1 = c + QPointF(std::cos(a1) * rad, std::sin(a1) * rad);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.32, r * 0.32);
    gear = gear.subtracted(hole);
    p.fillPath(gear.translated(0.8, 1), QColor(0, 0, 0, 120));
    p.fillPath(gear, colour);
}

// A round bar button: gold ring, dark lacquer face (gold face while highlighted).
// The highlight's glow stays inside `hoverArea`, the rectangle of the highlighted picture.
void paintRoundButton(QPainter& p, QPointF c, double r, int state, const QColor& face, const QRectF& hoverArea)
{
    if (state == 1) {
        p.save();
        p.setClipRect(hoverArea);
        paintGlow(p, QRectF(c.x() - r - 5, c.y() - r - 5, 2 * r + 10, 2 * r + 10), QColor(255, 210, 90, 200));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(goldRim(c.y() - r, c.y() + r, state == 1));
    p.drawEllipse(c, r, r);
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.4), r * 1.2);
    const QColor f = state == 1 ? face.lighter(170) : face;
    g.setColorAt(0, f.lighter(160));
    g.setColorAt(0.6, f);
    g.setColorAt(1, f.darker(200));
    p.setBrush(g);
    p.drawEllipse(c, r - 2.2, r - 2.2);
    QPainterPath shine;
    shine.addEllipse(QRectF(c.x() - r * 0.6, c.y() - r * 0.82, r * 1.2, r * 0.7));
    p.fillPath(shine, vgrad(c.y() - r * 0.82, c.y() - r * 0.1, QColor(255, 255, 255, state == 1 ? 120 : 70),
                            QColor(255, 255, 255, 0)));
}

} // namespace

void paintButtonBar(QPainter& p, BarButton hi)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The bar itself: black lacquer under a gold rail.
    p.fillRect(QRectF(0, 476, 801, 53), vgrad(476, 529, QColor(50, 14, 16), QColor(10, 2, 3)));
    p.fillRect(QRectF(0, 474, 801, 4), goldRim(474, 478, false));
    p.fillRect(QRectF(0, 478, 801, 4), vgrad(478, 482, QColor(0, 0, 0, 140), QColor(0, 0, 0, 0)));
    p.fillRect(QRectF(0, 524, 801, 1), QColor(120, 80, 30, 120));

    // Ornaments in the gaps between the buttons.
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 13));
    const QString suits[4] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"), QStringLiteral("\u2666"),
                              QStringLiteral("\u2663")};
    for (int i = 0; i < 4; ++i) {
        p.setPen(i == 1 || i == 2 ? QColor(190, 40, 40, 200) : QColor(200, 160, 80, 200));
        p.drawText(QRectF(172 + i * 24, 494, 20, 20), Qt::AlignCenter, suits[i]);
    }
    p.setFont(pixelFont(QStringLiteral("DejaVu Serif"), 11, QFont::Bold));
    p.setPen(QColor(200, 160, 80, 170));
    p.drawText(QRectF(368, 494, 94, 20), Qt::AlignCenter, QStringLiteral("· Boa Sorte ·"));
    for (double x : {526.0, 615.0, 697.0}) {
        QPainterPath d;
        d.moveTo(x, 498);
        d.lineTo(x + 4, 504);
        d.lineTo(x, 510);
        d.lineTo(x - 4, 504);
        d.closeSubpath();
        p.fillPath(d, QColor(200, 160, 80, 170));
    }

    // Menu button: resting, highlighted, or pressed while the panel is open.
    {
        const int state = hi == BarButton::Menu ? 1 : hi == BarButton::MenuOpen ? 2 : 0;
        const QRectF r = state == 0 ? QRectF(2.5, 484.5, 154, 34)
                         : state == 1 ? QRectF(1.5, 483.5, 155, 36)
                                      : QRectF(1.5, 485.5, 156, 35);
        paintPlate(p, r, 9, QColor(140, 14, 30), state);
        const double dy = state == 2 ? 1 : 0;
        paintArrow(p, QPointF(r.left() + 22, r.center().y() + dy), 14, state != 2, glyphColour(state));
        paintArrow(p, QPointF(r.right() - 22, r.center().y() + dy), 14, state != 2, glyphColour(state));
        paintCaption(p, r.translated(0, dy + 1), QStringLiteral("MENU"), 25, state);
    }
    // Start button.
    {
        const int state = hi == BarButton::Start ? 1 : 0;
        const QRectF r = state ? QRectF(275.5, 487.5, 92, 33) : QRectF(278.5, 487.5, 86, 32);
        if (state) {
            p.save();
            p.setClipRect(QRectF(275, 487, 93, 35));
            paintGlow(p, r.adjusted(-4, -4, 4, 4), QColor(120, 255, 140, 110));
            p.restore();
        }
        paintPlate(p, r, 15.5, QColor(20, 130, 60), state);
        QPainterPath play;
        const QPointF pc(r.left() + (state ? 17 : 15), r.center().y());
        play.moveTo(pc.x() - 4, pc.y() - 6);
        play.lineTo(pc.x() + 6, pc.y());
        play.lineTo(pc.x() - 4, pc.y() + 6);
        play.closeSubpath();
        p.fillPath(play.translated(0.8, 1), QColor(0, 0, 0, 120));
        p.fillPath(play, glyphColour(state));
        // The help names this button "Escolher Jogo": two lines of the bar's lettering.
        const QRectF caption = r.adjusted(state ? 24 : 22, 2, -4, -2);
        const double half = caption.height() / 2;
        paintCaption(p, QRectF(caption.left(), caption.top(), caption.width(), half + 1.5), QStringLiteral("ESCOLHER"),
                     14.5, state, 0.6);
        paintCaption(p, QRectF(caption.left(), caption.top() + half - 1.5, caption.width(), half + 1.5),
                     QStringLiteral("JOGO"), 14.5, state, 0.6);
    }
    // Round buttons: configuration, help, minimise, close.
    {
        const int state = hi == BarButton::Config ? 1 : 0;
        const QPointF c(480, 504.5);
        paintRoundButton(p, c, 15.5, state, QColor(70, 20, 25), QRectF(463, 488, 34, 34));
        paintGear(p, c, 9.5, glyphColour(state));
    }
    {
        const int state = hi == BarButton::Help ? 1 : 0;
        const QPointF c(573, 504);
        paintRoundButton(p, c, 15.5, state, QColor(25, 40, 100), QRectF(556, 488, 35, 33));
        QFont f = pixelFont(QStringLiteral("DejaVu Serif"), 21, QFont::Bold);
        p.setFont(f);
        p.setPen(QColor(0, 0, 0, 140));
        p.drawText(QRectF(c.x() - 15, c.y() - 15, 31, 31).translated(0.8, 1), Qt::AlignCenter, QStringLiteral("?"));
        p.setPen(glyphColour(state));
        p.drawText(QRectF(c.x() - 15, c.y() - 15, 31, 31), Qt::AlignCenter, QStringLiteral("?"));
    }
    {
        const int state = hi == BarButton::Minimise ? 1 : 0;
        const QPointF c(656, 504.5);
        paintRoundButton(p, c, 15.5, state, QColor(40, 40, 48), QRectF(639, 488, 34, 34));
        p.fillRect(QRectF(c.x() - 7.2, c.y() + 3.8, 15.4, 4.2), QColor(0, 0, 0, 120));
        p.fillRect(QRectF(c.x() - 8, c.y() + 3, 15.4, 4), glyphColour(state));
    }
    {
        const int state = hi == BarButton::Close ? 1 : 0;
        const QPointF c(737.5, 504);
        paintRoundButton(p, c, 15.5, state, QColor(150, 15, 20), QRectF(720, 488, 36, 34));
        for (int pass = 0; pass < 2; ++pass) {
            const QPointF o = pass == 0 ? QPointF(0.8, 1) : QPointF(0, 0);
            p.setPen(QPen(pass == 0 ? QColor(0, 0, 0, 130) : glyphColour(state), 3.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + o + QPointF(-6, -6), c + o + QPointF(6, 6));
            p.drawLine(c + o + QPointF(6, -6), c + o + QPointF(-6, 6));
        }
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

namespace {

struct PanelRow {
    double top, bottom;
    const char* caption;
    int suit;
};

// Entries of the drop-up panel at the rows of their hotspots.
const PanelRow kRows[] = {
    {332, 350, "Escolher Jogo", 1}, {350, 369, "Ajuda", 0},         {369, 387, "Configurações", 3},
    {400, 418, "Desenvolvedores", 2}, {418, 436, "O Cassino ZOR", 1}, {448, 466, "Minimizar", 0},
    {466, 484, "Sair do Jogo", 3},
};

void paintPanelIcon(QPainter& p, const QRectF& r, PanelIcon icon)
{
    const QPointF c = r.center();
    const double rad = 6.0;
    p.save();
    p.setPen(Qt::NoPen);
    QColor face;
    switch (icon) {
    case PanelIcon::Developers: face = QColor(40, 120, 60); break;
    case PanelIcon::About: face = QColor(30, 80, 190); break;
    case PanelIcon::Minimise: face = QColor(70, 70, 80); break;
    case PanelIcon::Exit: face = QColor(200, 20, 25); break;
    case PanelIcon::None: break;
    }
    p.setBrush(goldRim(c.y() - rad, c.y() + rad, true));
    p.drawEllipse(c, rad, rad);
    QRadialGradient g(c + QPointF(-2, -2.5), rad * 1.3);
    g.setColorAt(0, face.lighter(170));
    g.setColorAt(1, face.darker(150));
    p.setBrush(g);
    p.drawEllipse(c, rad - 1.3, rad - 1.3);
    const QColor ink(255, 250, 230);
    switch (icon) {
    case PanelIcon::Developers:
        p.setBrush(ink);
        p.drawEllipse(c + QPointF(0, -2), 1.9, 1.9);
        p.drawChord(QRectF(c.x() - 3.6, c.y() + 0.6, 7.2, 6.4), 0, 180 * 16);
        break;
    case PanelIcon::About:
        p.setBrush(ink);
        p.drawEllipse(c + QPointF(0, -3), 1.1, 1.1);
        p.drawRoundedRect(QRectF(c.x() - 1, c.y() - 1, 2, 5), 0.6, 0.6);
        break;
    case PanelIcon::Minimise:
        p.setBrush(ink);
        p.drawRect(QRectF(c.x() - 3.5, c.y() + 1.5, 7, 1.8));
        break;
    case PanelIcon::Exit:
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-2.7, -2.7), c + QPointF(2.7, 2.7));
        p.drawLine(c + QPointF(2.7, -2.7), c + QPointF(-2.7, 2.7));
        break;
    case PanelIcon::None:
        break;
    }
    p.restore();
}

} // namespace

void paintMenuPanel(QPainter& p, PanelEntry hi, PanelIcon icon)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(4, 331, 153, 154);
    QPainterPath shape;
    const double rr = 8;
    shape.moveTo(area.left(), area.bottom());
    shape.lineTo(area.left(), area.top() + rr);
    shape.quadTo(area.left(), area.top(), area.left() + rr, area.top());
    shape.lineTo(area.right() - rr, area.top());
    shape.quadTo(area.right(), area.top(), area.right(), area.top() + rr);
    shape.lineTo(area.right(), area.bottom());
    shape.closeSubpath();
    p.fillPath(shape, goldRim(area.top(), area.bottom(), false));
    QPainterPath inner;
    const QRectF in = area.adjusted(1.6, 1.6, -1.6, 0);
    inner.moveTo(in.left(), in.bottom());
    inner.lineTo(in.left(), in.top() + rr - 1);
    inner.quadTo(in.left(), in.top(), in.left() + rr - 1, in.top());
    inner.lineTo(in.right() - rr + 1, in.top());
    inner.quadTo(in.right(), in.top(), in.right(), in.top() + rr - 1);
    inner.lineTo(in.right(), in.bottom());
    inner.closeSubpath();
    p.fillPath(inner, vgrad(in.top(), in.bottom(), QColor(70, 10, 18), QColor(22, 3, 6)));
    // Faint suit watermark.
    p.save();
    p.setClipPath(inner);
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 90));
    p.setPen(QColor(255, 255, 255, 10));
    p.drawText(QRectF(40, 350, 140, 130), Qt::AlignCenter, QStringLiteral("\u2660"));
    p.restore();

    // Separators between the three groups.
    for (double y : {393.5, 442.0}) {
        p.fillRect(QRectF(14, y - 0.5, 133, 1), vgrad(y - 0.5, y + 0.5, QColor(230, 180, 80, 200), QColor(150, 100, 30, 200)));
        QPainterPath d;
        d.moveTo(80.5, y - 3.5);
        d.lineTo(84, y);
        d.lineTo(80.5, y + 3.5);
        d.lineTo(77, y);
        d.closeSubpath();
        p.fillPath(d, QColor(240, 200, 100));
    }

    // One size for every entry, the largest at which the longest still clears the icons.
    QFont text = pixelFont(QStringLiteral("DejaVu Sans"), 12, QFont::DemiBold);
    for (int px = 12; px >= 8; --px) {
        text = pixelFont(QStringLiteral("DejaVu Sans"), px, QFont::DemiBold);
        const QFontMetricsF fm(text);
        double widest = 0;
        for (const PanelRow& row : kRows)
            widest = std::max(widest, fm.horizontalAdvance(QString::fromUtf8(row.caption)));
        if (widest <= 110)
            break;
    }
    const QFont bullet = pixelFont(QStringLiteral("DejaVu Sans"), 11);
    for (int i = 0; i < 7; ++i) {
        const PanelRow& row = kRows[i];
        const bool lit = (hi == PanelEntry::Start && i == 0) || (hi == PanelEntry::Help && i == 1) ||
                         (hi == PanelEntry::Config && i == 2);
        const QRectF band(6, row.top + 0.6, 149, row.bottom - row.top - 1.2);
        if (lit) {
            QPainterPath hl;
            hl.addRoundedRect(band, 4, 4);
            QLinearGradient g(0, band.top(), 0, band.bottom());
            g.setColorAt(0, QColor(255, 245, 190));
            g.setColorAt(0.5, QColor(245, 195, 70));
            g.setColorAt(1, QColor(190, 120, 20));
            p.fillPath(hl, g);
        }
        p.setFont(bullet);
        p.setPen(row.suit == 1 || row.suit == 2 ? QColor(lit ? 170 : 230, lit ? 10 : 60, lit ? 20 : 60)
                                                 : (lit ? QColor(40, 10, 10) : QColor(220, 180, 90)));
        p.drawText(QRectF(9, band.top(), 14, band.height()), Qt::AlignCenter, kSuits[row.suit]);
        p.setFont(text);
        if (!lit) {
            p.setPen(QColor(0, 0, 0, 160));
            p.drawText(QRectF(26.8, band.top() + 1, 120, band.height()), Qt::AlignVCenter | Qt::AlignLeft,
                       QString::fromUtf8(row.caption));
        }
        p.setPen(lit ? QColor(60, 8, 8) : QColor(250, 236, 200));
        p.drawText(QRectF(26, band.top(), 120, band.height()), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(row.caption));
    }

    // The hover icon at the right end of its entry.
    const struct {
        PanelIcon icon;
        double top;
    } icons[] = {{PanelIcon::Developers, 400}, {PanelIcon::About, 418}, {PanelIcon::Minimise, 448}, {PanelIcon::Exit, 466}};
    for (const auto& ic : icons)
        if (ic.icon == icon)
            paintPanelIcon(p, QRectF(141, ic.top, 12, 18), icon);
    p.restore();
}

QImage renderLoadingBackdrop()
{
    QImage img = newCanvas(323, 94);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Light lower area for the step text, the progress bar and the button.
    p.fillRect(QRectF(0, 0, 323, 94), vgrad(36, 94, QColor(255, 253, 246), QColor(238, 228, 205)));
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 44));
    p.setPen(QColor(120, 60, 20, 12));
    p.drawText(QRectF(-6, 40, 60, 54), Qt::AlignCenter, QStringLiteral("\u2666"));
    p.drawText(QRectF(270, 40, 60, 54), Qt::AlignCenter, QStringLiteral("\u2663"));
    // Dark red band with the logo.
    p.fillRect(QRectF(0, 0, 323, 35), vgrad(0, 35, QColor(120, 12, 28), QColor(40, 2, 8)));
    QRadialGradient spot(QPointF(161, 14), 120);
    spot.setColorAt(0, QColor(255, 120, 120, 70));
    spot.setColorAt(1, QColor(255, 120, 120, 0));
    p.fillRect(QRectF(0, 0, 323, 35), spot);
    p.fillRect(QRectF(0, 34, 323, 3), goldRim(34, 37, false));
    p.fillRect(QRectF(0, 37, 323, 3), vgrad(37, 40, QColor(0, 0, 0, 50), QColor(0, 0, 0, 0)));
    // Cards on the left, chips on the right.
    paintCard(p, QRectF(12, 5, 17, 24), QStringLiteral("A"), 0, -14);
    paintCard(p, QRectF(24, 5, 17, 24), QStringLiteral("K"), 1, 8);
    for (int k = 0; k < 4; ++k)
        paintChip(p, QPointF(287, 26 - k * 2.6), 9, k % 2 ? QColor(240, 240, 240) : QColor(210, 25, 30));
    for (int k = 0; k < 2; ++k)
        paintChip(p, QPointF(306, 28 - k * 2.6), 8, k % 2 ? QColor(240, 240, 240) : QColor(30, 90, 200));
    paintLogoText(p, QRectF(50, 1, 223, 33), QStringLiteral("CASSINO ZOR"), 31);
    // Sparkles.
    auto sparkle = [&](QPointF c, double r) {
        QPainterPath s;
        s.moveTo(c.x(), c.y() - r);
        s.quadTo(c.x(), c.y(), c.x() + r, c.y());
        s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
        s.quadTo(c.x(), c.y(), c.x() - r, c.y());
        s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
        p.fillPath(s, QColor(255, 250, 220));
        paintGlow(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QColor(255, 240, 180, 120));
    };
    sparkle(QPointF(70, 8), 5);
    sparkle(QPointF(262, 27), 4);
    sparkle(QPointF(249, 6), 3);
    sparkle(QPointF(52, 28), 3);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage renderWarningSign()
{
    QImage img = newCanvas(31, 32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(15.5, 2.5);
    tri.lineTo(29.5, 28.5);
    tri.lineTo(1.5, 28.5);
    tri.closeSubpath();
    // Soft shadow, black rim, yellow face.
    p.fillPath(tri.translated(0.6, 1.4), QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(40, 30, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
    QLinearGradient g(0, 3, 0, 29);
    g.setColorAt(0, QColor(255, 245, 120));
    g.setColorAt(0.6, QColor(255, 205, 20));
    g.setColorAt(1, QColor(235, 160, 0));
    p.fillPath(tri, g);
    p.setPen(QPen(QColor(255, 255, 220, 180), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.6, 6.5), QPointF(5.2, 24.5));
    // Exclamation mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 0));
    QPainterPath bar;
    bar.moveTo(13.8, 10.5);
    bar.lineTo(17.2, 10.5);
    bar.lineTo(16.4, 20.5);
    bar.lineTo(14.6, 20.5);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(15.5, 24.2), 1.8, 1.8);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage renderWarningBackground()
{
    QImage img = newCanvas(420, 159, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(logicalRect(img), vgrad(0, 159, QColor(214, 232, 252), QColor(246, 250, 255)));
    // A broad diagonal sheen and a darker fold at the bottom.
    QLinearGradient sheen(0, 0, 420, 159);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
    p.fillRect(logicalRect(img), sheen);
    p.fillRect(QRectF(0, 130, 420, 29), vgrad(130, 159, QColor(150, 190, 235, 0), QColor(150, 190, 235, 90)));
    p.fillRect(QRectF(0, 0, 420, 2), QColor(170, 200, 240));
    p.end();
    return img;
}

} // namespace assetgen::layoutpics
