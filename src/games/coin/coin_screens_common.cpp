#include "games/coin/coin_screens_common.h"

#include "app/screens.h"
#include "controls/accessible.h"
#include "platform/services.h"
#include "settings/config_screen.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>


namespace zor::coin {

QString windowCaption()
{
    return QStringLiteral("Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—");
}

void Gear::enter()
{
    if (state != 2)
        return;
    playCue(kHoverCue);
    config2->show();
    config2->raise();
    state = 1;
}

void Gear::leave()
{
    if (state != 1)
        return;
    config2->hide();
    state = 2;
}

void Gear::open()
{
    clickCue();
    dialogs().showModal(frm_conf);
}

Gear makeGear(QWidget* parent, int width)
{
    Gear g;
    const QRect r(width - 58, 8, 50, 50);
    g.config = new Picture(parent, QStringLiteral("config"), r);
    g.config->setLayoutPicture(QStringLiteral("coin/config.png"));
    g.config->setCursor(Qt::PointingHandCursor);
    g.config->setToolTip(QStringLiteral("Configurações"));
    g.config2 = new Picture(parent, QStringLiteral("config2"), r);
    g.config2->setLayoutPicture(QStringLiteral("coin/config2.png"));
    g.config2->setCursor(Qt::PointingHandCursor);
    g.config2->setToolTip(QStringLiteral("Configurações"));
    g.config2->hide();
    for (Picture* p : {g.config, g.config2})
        setAccessibleButton(p, QStringLiteral("Configurações"), {}, [] { Gear::open(); });
    return g;
}

void loadCoinFace(Picture* picture, const QString& fileName)
{
    // The file's picture as it is (its dense twin where the screen is dense); the control cuts
    // the round itself when it paints, at whatever pixel ratio the screen has.
    picture->loadFromFile(fileName);
    picture->setRound(true);
}

std::pair<qsizetype, qsizetype> GapLabel::run() const
{
    const QString t = text();
    const qsizetype start = t.indexOf(QLatin1String("  "));
    if (start < 0)
        return {-1, -1};
    qsizetype end = start;
    while (end < t.size() && t.at(end) == u' ')
        ++end;
    return {start, end};
}

void GapLabel::setGapWidth(int width)
{
    if (gapWidth_ == width)
        return;
    gapWidth_ = width;
    updateGeometry();
    update();
}

QRect GapLabel::gapRect() const
{
    const auto [start, end] = run();
    if (start < 0)
        return QRect();
    const QFontMetricsF m(font());
    const qreal left = m.horizontalAdvance(text().left(start));
    const qreal natural = m.horizontalAdvance(text().left(end)) - left;
    const QRect r = contentsRect();
    const int x = r.left() + int(std::floor(left));
    return QRect(x, r.top(), gapWidth_ > 0 ? gapWidth_ : int(std::ceil(natural)), r.height());
}

QSize GapLabel::sizeHint() const
{
    QSize hint = zor::Label::sizeHint();
    const auto [start, end] = run();
    if (start >= 0 && gapWidth_ > 0) {
        const QFontMetricsF m(font());
        const qreal natural = m.horizontalAdvance(text().left(end)) - m.horizontalAdvance(text().left(start));
        hint.rwidth() += std::max(0, gapWidth_ - int(std::floor(natural)));
    }
    return hint;
}

void GapLabel::paintEvent(QPaintEvent* e)
{
    const auto [start, end] = run();
    if (start < 0 || gapWidth_ <= 0) {
        zor::Label::paintEvent(e);
        return;
    }
    // The words before the run, then those after it, each where the run leaves them.
    QPainter p(this);
    const QRect r = contentsRect();
    const QRect gap = gapRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    style()->drawItemText(&p, r, flags, palette(), isEnabled(), text().left(start), foregroundRole());
    style()->drawItemText(&p, r.adjusted(gap.right() + 1 - r.left(), 0, 0, 0), flags, palette(), isEnabled(),
                          text().mid(end), foregroundRole());
}

void fitWordInGap(GapLabel* sentence, QLabel* word, const QStringList& words)
{
    qreal widest = 0;
    const QFontMetricsF wordMetrics(word->font());
    for (const QString& w : words)
        widest = std::max(widest, wordMetrics.horizontalAdvance(w));
    const qreal blank = QFontMetricsF(sentence->font()).horizontalAdvance(u' ');
    const int needed = int(std::ceil(widest + 2 * blank));
    if (sentence->gapRect().width() < needed)
        sentence->setGapWidth(needed);
    sentence->adjustSize();
    const QRect gap = sentence->gapRect().translated(sentence->pos());
    word->setGeometry(gap.x(), word->y(), gap.width(), word->height());
    word->setAlignment(Qt::AlignHCenter | (word->alignment() & Qt::AlignVertical_Mask));
}

void setLabelStyle(QLabel* label, bool bold, bool underline, bool italic)
{
    QFont f = label->font();
    if (f.bold() == bold && f.underline() == underline && f.italic() == italic)
        return;
    f.setBold(bold);
    f.setUnderline(underline);
    f.setItalic(italic);
    label->setFont(f);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) == colour)
        return;
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace zor::coin
