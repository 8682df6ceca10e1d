#pragma once
// A status bar of the layouts: a row of panels along the bottom of a window, each a centred line
// of plain text in a sunken frame, on a light bar. The panels keep the widths the layout gives
// them, in order from the left, 2 pixels apart; the last one either keeps its width or takes the
// rest of the bar (LastPanel::Fills).
//
//     StatusBar1 = new zor::StatusPanels(this, "StatusBar1", QRect(0, 517, 852, 20), {200, 200, 110});
//     StatusBar1->setPanel(0, "Apostas = US$ 10,00");
//     StatusBar1->fitFont(); // fixed captions: shrink the font until each one fits
//
// The panels are QLabels, children of the bar, named "<bar name>_<index>"; they let the mouse
// through, so a move anywhere over the bar is the bar's mouseMoved.
#include <QLabel>
#include <QList>
#include <QRect>
#include <QWidget>

namespace zor {

class StatusPanels : public QWidget {
    Q_OBJECT
public:
    enum class LastPanel { KeepsWidth, Fills };

    StatusPanels(QWidget* parent, const QString& name, QRect rect, const QList<int>& widths,
                 LastPanel last = LastPanel::KeepsWidth);

    // Writes a panel's text; a text equal to the one shown changes nothing (no repaint).
    void setPanel(int i, const QString& text);
    QString panel(int i) const;
    int count() const { return int(panels_.size()); }
    QLabel* panelLabel(int i) const { return panels_.value(i); }

    // Makes the panels' font smaller, one pixel at a time down to 8 pixels, until every panel's
    // text fits its panel with this desktop's font. For bars whose captions do not change.
    void fitFont();

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool fits(const QFont& font) const;
    QList<QLabel*> panels_;
};

} // namespace zor
