// The status bar of the layouts: panels of the given widths in order, the last one filling the
// bar when asked, texts written only when they change, the font shrunk until fixed captions fit,
// and the pointer over any panel counted as over the bar.
#include "controls/status_panels.h"

#include <QSignalSpy>
#include <QTest>

using zor::StatusPanels;

class StatusPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void panelsKeepTheirWidthsInOrder()
    {
        QWidget window;
        window.resize(852, 537);
        StatusPanels bar(&window, QStringLiteral("StatusBar1"), QRect(0, 517, 852, 20), {200, 200, 200, 110});
        QCOMPARE(bar.objectName(), QStringLiteral("StatusBar1"));
        QCOMPARE(bar.geometry(), QRect(0, 517, 852, 20));
        QCOMPARE(bar.count(), 4);
        const int widths[4] = {200, 200, 200, 110};
        for (int i = 0; i < 4; ++i) {
            QLabel* p = bar.panelLabel(i);
            QCOMPARE(p->objectName(), QStringLiteral("StatusBar1_%1").arg(i));
            QCOMPARE(p->width(), widths[i]);
            QCOMPARE(p->textFormat(), Qt::PlainText);
            QCOMPARE(p->alignment(), Qt::AlignCenter);
            QVERIFY(p->height() > 0 && p->geometry().bottom() < bar.height());
            if (i > 0)
                QVERIFY(p->x() > bar.panelLabel(i - 1)->geometry().right()); // side by side, apart
        }
        QCOMPARE(bar.findChildren<QLabel*>().size(), 4);
        QVERIFY(bar.panelLabel(4) == nullptr);
    }

    void theLastPanelMayFillTheBar()
    {
        QWidget window;
        StatusPanels bar(&window, QStringLiteral("bar"), QRect(0, 0, 797, 20), {150, 150, 150, 150, 50},
                         StatusPanels::LastPanel::Fills);
        QLabel* last = bar.panelLabel(4);
        QVERIFY(last->width() > 150);
        QVERIFY(last->geometry().right() < bar.width());
        QVERIFY(last->geometry().right() >= bar.width() - 3);
        QCOMPARE(bar.panelLabel(3)->width(), 150);
    }

    void panelsTakeTheirTextsPlain()
    {
        QWidget window;
        StatusPanels bar(&window, QStringLiteral("bar"), QRect(0, 0, 400, 20), {200, 200});
        bar.setPanel(0, QStringLiteral("Vitórias: 1"));
        QCOMPARE(bar.panel(0), QStringLiteral("Vitórias: 1"));
        QCOMPARE(bar.panel(1), QString());
        bar.setPanel(0, QStringLiteral("Derrotas: 2"));
        QCOMPARE(bar.panel(0), QStringLiteral("Derrotas: 2"));
        // Out of range is no panel: nothing happens.
        bar.setPanel(7, QStringLiteral("x"));
        bar.setPanel(-1, QStringLiteral("x"));
        QCOMPARE(bar.panel(7), QString());
        QCOMPARE(bar.panel(-1), QString());
        // Markup shows as typed.
        bar.setPanel(1, QStringLiteral("<b>x</b>"));
        QCOMPARE(bar.panelLabel(1)->textFormat(), Qt::PlainText);
    }

    void fixedCaptionsFitTheirPanels()
    {
        QWidget window;
        StatusPanels bar(&window, QStringLiteral("bar"), QRect(0, 0, 400, 20), {120, 80});
        QFont big = bar.font();
        big.setPixelSize(30);
        bar.setFont(big);
        bar.setPanel(0, QStringLiteral("Todas Figura Iguais"));
        bar.setPanel(1, QStringLiteral("US$ 10,00"));
        bar.fitFont();
        for (int i = 0; i < 2; ++i) {
            QLabel* p = bar.panelLabel(i);
            QVERIFY2(p->fontMetrics().horizontalAdvance(p->text()) <= p->contentsRect().width(), qPrintable(p->text()));
            QVERIFY(p->font().pixelSize() < 30 && p->font().pixelSize() >= 8);
        }
        // Captions that already fit keep the font.
        StatusPanels roomy(&window, QStringLiteral("roomy"), QRect(0, 0, 400, 20), {300});
        QFont normal = roomy.font();
        normal.setPixelSize(12);
        roomy.setFont(normal);
        roomy.setPanel(0, QStringLiteral("Apostas"));
        roomy.fitFont();
        QCOMPARE(roomy.panelLabel(0)->font().pixelSize(), 12);
    }

    void thePointerOverAPanelIsOverTheBar()
    {
        QWidget window;
        window.resize(400, 60);
        StatusPanels bar(&window, QStringLiteral("bar"), QRect(0, 40, 400, 20), {200, 200});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy moved(&bar, &StatusPanels::mouseMoved);
        QCOMPARE(window.childAt(QPoint(100, 50)), &bar); // the panels let the mouse through
        QTest::mouseMove(&bar, QPoint(100, 10));
        QTRY_VERIFY(moved.count() >= 1);
    }
};

QTEST_MAIN(StatusPanelsTest)
#include "test_status_panels.moc"
