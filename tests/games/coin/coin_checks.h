#pragma once
// Checks shared by the coin screens' tests.
#include "controls/picture.h"
#include "games/coin/coin_screens_common.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace zortest {

// How far two pictures of one size are apart: the mean difference of their colour channels,
// 0 (equal) to 255.
inline double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size() || x.isNull())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// A coin face: the control holds the file's picture and shows it inside the round, nothing of
// its square ground outside.
inline bool showsCoin(const zor::Picture* p, const QString& file)
{
    const QImage source = zor::loadPictureFile(file).toImage();
    if (!p->isRound() || p->picture().toImage() != source)
        return false;
    QImage shown(p->size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    const_cast<zor::Picture*>(p)->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    shown = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage scaled = source.scaled(p->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect middle(p->width() / 4, p->height() / 4, p->width() / 2, p->height() / 2);
    return qAlpha(shown.pixel(0, 0)) == 0 && qAlpha(shown.pixel(p->width() - 1, p->height() - 1)) == 0
        && meanDifference(shown.copy(middle), scaled.copy(middle)) < 3;
}

// A key event as the window system delivers it: to the window's focused control, or to the
// window itself when no control has the focus. `repeat` marks the press or release the X
// server sends again and again while a key is held down.
inline void sendKey(QWidget* window, QEvent::Type type, int key, bool repeat = false, quint64 stamp = 0)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const QString text = key == Qt::Key_Return ? QStringLiteral("\r")
        : key == Qt::Key_Space                 ? QStringLiteral(" ")
                                               : QString();
    QKeyEvent e(type, key, Qt::NoModifier, text, repeat);
    e.setTimestamp(stamp);
    QApplication::sendEvent(target, &e);
}

// A key held down for a while: the real press, `repeats` auto-repeated release and press
// pairs, then (unless `release` is false) the real release.
inline void holdKey(QWidget* window, int key, int repeats, bool release = true)
{
    sendKey(window, QEvent::KeyPress, key);
    for (int i = 0; i < repeats; ++i) {
        sendKey(window, QEvent::KeyRelease, key, true);
        sendKey(window, QEvent::KeyPress, key, true);
    }
    if (release)
        sendKey(window, QEvent::KeyRelease, key);
}

// A word label laid over the run of blanks of its sentence label: the sentence, drawn alone,
// leaves the run empty and has ink on either side of it; the widest of `words`, as the word
// label draws it, fits in the run with most of a blank's room on either side. Returns what is
// wrong, or nothing.
inline QString gapFault(zor::coin::GapLabel* sentence, QLabel* word, const QStringList& words)
{
    const QRect gap = sentence->gapRect();
    if (gap.isEmpty())
        return QStringLiteral("no run of blanks");
    QImage ink(sentence->size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    sentence->render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
    auto inkIn = [&](int from, int to) {
        int n = 0;
        for (int x = std::max(0, from); x < std::min(ink.width(), to); ++x)
            for (int y = 0; y < ink.height(); ++y)
                n += qAlpha(ink.pixel(x, y)) > 60;
        return n;
    };
    if (inkIn(gap.left(), gap.right() + 1) != 0 || inkIn(gap.left() - 12, gap.left()) == 0
        || inkIn(gap.right() + 1, gap.right() + 13) == 0)
        return QStringLiteral("the sentence is not drawn around an empty run at %1 to %2").arg(gap.left()).arg(gap.right());
    const qreal gapLeft = sentence->x() + gap.left();
    const qreal gapRight = sentence->x() + gap.right() + 1;
    const qreal blank = QFontMetricsF(word->font()).horizontalAdvance(u' ') * 0.8;
    for (const QString& w : words) {
        const qreal width = QFontMetricsF(word->font()).horizontalAdvance(w);
        // The word as the label draws it, centred in the label.
        const qreal left = word->x() + (word->width() - width) / 2;
        if (left < gapLeft + blank || left + width > gapRight - blank || word->y() != sentence->y())
            return QStringLiteral("\"%1\" at %2 to %3 (top %4); the gap runs from %5 to %6 (top %7), a blank is %8")
                .arg(w).arg(left).arg(left + width).arg(word->y()).arg(gapLeft).arg(gapRight).arg(sentence->y())
                .arg(blank / 0.8);
    }
    return QString();
}

} // namespace zortest
