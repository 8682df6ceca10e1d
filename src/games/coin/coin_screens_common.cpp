#include "games/coin/coin_screens_common.h"

#include "app/screens.h"
#include "platform/services.h"
#include "settings/config_screen.h"

#include <QPainter>
#include <QPainterPath>

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
    return g;
}

void loadCoinFace(Picture* picture, const QString& fileName)
{
    const QPixmap square = loadPictureFile(fileName);
    QImage round(square.size(), QImage::Format_ARGB32_Premultiplied);
    round.fill(Qt::transparent);
    QPainter p(&round);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(square.rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    p.setClipPath(disc);
    p.drawPixmap(0, 0, square);
    p.end();
    picture->setPicture(QPixmap::fromImage(std::move(round)));
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
