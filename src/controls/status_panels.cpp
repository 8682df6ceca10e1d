#include "controls/status_panels.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace zor {

namespace {
constexpr int kGap = 2;       // between two panels
constexpr int kMinPixels = 8; // the smallest font fitFont goes down to
constexpr int kTextMargin = 10;
} // namespace

StatusPanels::StatusPanels(QWidget* parent, const QString& name, QRect rect, const QList<int>& widths, LastPanel last)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
    int x = kGap / 2;
    for (int i = 0; i < widths.size(); ++i) {
        const bool fills = last == LastPanel::Fills && i + 1 == widths.size();
        const int w = fills ? std::max(1, rect.width() - x - kGap / 2) : widths[i];
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setGeometry(x, 2, w, rect.height() - 3);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        panels_ << l;
        x += w + kGap;
    }
}

void StatusPanels::setPanel(int i, const QString& text)
{
    if (i < 0 || i >= panels_.size() || panels_[i]->text() == text)
        return;
    panels_[i]->setText(text);
}

QString StatusPanels::panel(int i) const
{
    return i >= 0 && i < panels_.size() ? panels_[i]->text() : QString();
}

bool StatusPanels::fits(const QFont& font) const
{
    const QFontMetrics fm(font);
    for (const QLabel* l : panels_) {
        if (fm.horizontalAdvance(l->text()) + kTextMargin > l->width())
            return false;
    }
    return true;
}

void StatusPanels::fitFont()
{
    QFont f = font();
    if (f.pixelSize() <= 0)
        f.setPixelSize(std::max(kMinPixels, QFontInfo(f).pixelSize()));
    while (!fits(f) && f.pixelSize() > kMinPixels)
        f.setPixelSize(f.pixelSize() - 1);
    for (QLabel* l : panels_)
        l->setFont(f);
}

void StatusPanels::mouseMoveEvent(QMouseEvent*)
{
    emit mouseMoved();
}

void StatusPanels::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xF4, 0xF2, 0xEC));
    g.setColorAt(1, QColor(0xD8, 0xD4, 0xCA));
    p.fillRect(rect(), g);
    p.setPen(QColor(0xA0, 0x9C, 0x92));
    p.drawLine(0, 0, width(), 0);
}

} // namespace zor
