// The program's own title bar (Wayland): a framed window shows, hides, closes, is modal and is
// sized with its frame, the bar offers only the buttons the window names and never maximises,
// keys with no control focused still reach the window, and the real screens play framed.
#include "app/screens.h"
#include "controls/focus_ring.h"
#include "controls/form.h"
#include "controls/window_frame.h"
#include "fakes.h"
#include "platform/desktop.h"
#include "settings/store.h"
#include "shell/game_chooser.h"
#include "shell/main_menu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zor;

namespace {

// A screen that counts its closes and keys and may refuse to close.
class CountingDialog final : public QDialog {
public:
    int closes = 0;
    int keys = 0;
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++closes;
        if (refuseClose)
            e->ignore();
        else
            QDialog::closeEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_F7)
            ++keys;
        QDialog::keyPressEvent(e);
    }
};

QAbstractButton* titleButton(QWidget* window, const char* name)
{
    return window->window()->findChild<QAbstractButton*>(QLatin1String(name));
}

QWidget* titleBar(QWidget* window) { return window->window()->findChild<QWidget*>(QStringLiteral("titleBar")); }

std::unique_ptr<CountingDialog> framedDialog(TitleButtons buttons = TitleButtons::CloseOnly)
{
    auto d = std::make_unique<CountingDialog>();
    setupForm(d.get(), QStringLiteral("teste"), QStringLiteral("Janela de teste"), QSize(300, 200), buttons);
    return d;
}

} // namespace

class WindowFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { setOwnTitleBars(true); }
    void cleanup()
    {
        setOwnTitleBars(false);
        // The frames of the test's windows, deleted after them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The frame is the window: the screen below its bar, the caption and size its own, shown and
    // hidden with the screen, whatever moves or resizes the screen.
    void theFrameFollowsItsWindow()
    {
        auto d = framedDialog();
        QWidget* frame = d->window();
        QVERIFY(frame != d.get());
        QVERIFY(frame->isWindow());
        QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(framedContent(frame), d.get());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Janela de teste"));
        QCOMPARE(frame->size(), QSize(300, 200 + kTitleBarHeight));
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        QCOMPARE(d->pos(), QPoint(0, kTitleBarHeight));
        QVERIFY(!frame->isVisible());

        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(d->isVisible());
        d->setWindowTitle(QStringLiteral("Outro título"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Outro título"));
        centreOnScreen(d.get());
        d->move(40, 50);
        QCOMPARE(d->pos(), QPoint(0, kTitleBarHeight));
        d->setFixedSize(420, 250);
        QCOMPARE(frame->size(), QSize(420, 250 + kTitleBarHeight));
        QCOMPARE(titleBar(d.get())->width(), 420);
        QCOMPARE(titleButton(d.get(), "titleBarClose")->geometry().right(), 419);

        d->hide();
        QVERIFY(!frame->isVisible());
        d->show();
        QVERIFY(frame->isVisible());
    }

    // Only the buttons the window's flags name, none of them a maximise, none taking the focus.
    void theBarOffersOnlyTheNamedButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("close") << int(TitleButtons::CloseOnly) << QStringList{"titleBarClose"};
        QTest::newRow("minimise") << int(TitleButtons::MinimiseAndClose)
                                  << QStringList{"titleBarMinimise", "titleBarClose"};
        QTest::newRow("help") << int(TitleButtons::CloseAndHelp) << QStringList{"titleBarHelp", "titleBarClose"};
    }
    void theBarOffersOnlyTheNamedButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, names);
        auto d = framedDialog(TitleButtons(buttons));
        QCOMPARE(zortest::titleBarButtons(d.get()), names);
        for (const QString& name : names) {
            auto* b = titleButton(d.get(), name.toLatin1().constData());
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
            QVERIFY(!b->accessibleName().isEmpty());
        }
    }

    // The bar's close and the compositor's close are the window's own close, which it may refuse.
    void closingTheFrameClosesTheWindow()
    {
        auto d = framedDialog();
        QWidget* frame = d->window();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));

        d->refuseClose = true;
        QTest::mouseClick(titleButton(d.get(), "titleBarClose"), Qt::LeftButton);
        QCOMPARE(d->closes, 1);
        QVERIFY(d->isVisible());
        QVERIFY(frame->isVisible());
        frame->close();
        QCOMPARE(d->closes, 2);
        QVERIFY(frame->isVisible());

        d->refuseClose = false;
        QTest::mouseClick(titleButton(d.get(), "titleBarClose"), Qt::LeftButton);
        QCOMPARE(d->closes, 3);
        QVERIFY(!d->isVisible());
        QVERIFY(!frame->isVisible());
        d->show();
        frame->close(); // the compositor's close
        QCOMPARE(d->closes, 4);
        QVERIFY(!frame->isVisible());
    }

    void theMinimiseButtonMinimisesAndADoubleClickKeepsTheSize()
    {
        auto d = framedDialog(TitleButtons::MinimiseAndClose);
        QWidget* frame = d->window();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        const QSize size = frame->size();
        QTest::mouseDClick(titleBar(d.get()), Qt::LeftButton, {}, QPoint(60, kTitleBarHeight / 2));
        QVERIFY(!(frame->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)));
        QCOMPARE(frame->size(), size);
        QTest::mouseClick(titleButton(d.get(), "titleBarMinimise"), Qt::LeftButton);
        QTRY_VERIFY(frame->isMinimized());
        QVERIFY(d->isVisible());
    }

    // exec() makes the frame modal while it runs; a later plain show() does not.
    void aModalWindowHasAModalFrame()
    {
        auto d = framedDialog();
        QWidget* frame = d->window();
        Qt::WindowModality during = Qt::NonModal;
        QWidget* modal = nullptr;
        QTimer::singleShot(0, this, [&] {
            during = frame->windowModality();
            modal = QApplication::activeModalWidget();
            d->accept();
        });
        QCOMPARE(d->exec(), int(QDialog::Accepted));
        QCOMPARE(during, Qt::ApplicationModal);
        QCOMPARE(modal, frame);
        QVERIFY(!frame->isVisible());
        d->show();
        QCOMPARE(frame->windowModality(), Qt::NonModal);
    }

    // Keys go to the window when none of its controls has the focus, and once only when a focused
    // control leaves them.
    void keysReachTheWindowOnce()
    {
        auto d = framedDialog();
        QWidget* frame = d->window();
        d->show();
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key_F7);
        QCOMPARE(d->keys, 1);

        auto* edit = new QLineEdit(d.get());
        edit->show();
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_F7);
        QCOMPARE(d->keys, 2);
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(d->keys, 2);
    }

    // A window deleted, directly or by its close, takes its frame with it.
    void theFrameGoesWithItsWindow()
    {
        auto d = framedDialog();
        QPointer<QWidget> frame = d->window();
        d.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame.isNull());

        auto* closing = framedDialog().release();
        closing->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> closingFrame = closing->window();
        closing->show();
        closing->close();
        QTRY_VERIFY(closingFrame.isNull());
    }

    // What the screens place in their own coordinates stays so: the focus ring frames a control
    // where it is on its screen, not where it is in the frame.
    void aFocusRingFramesControlsInTheScreensCoordinates()
    {
        auto d = framedDialog();
        auto* button = new QPushButton(QStringLiteral("Ok"), d.get());
        button->setGeometry(50, 60, 80, 24);
        new FocusRing(d.get());
        QCOMPARE(FocusRing::frameFor(button).topLeft(), QPoint(50, 60));
    }

    // A message box is framed and its frame takes the size the box gives itself when shown.
    void messageBoxesAreFramed()
    {
        auto box = makeMessageBox(QMessageBox::Warning, QStringLiteral("Um aviso de teste"), nullptr);
        QWidget* frame = box->window();
        QVERIFY(frame != box.get());
        QTimer::singleShot(0, this, [&] {
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->size(), box->size() + QSize(0, kTitleBarHeight));
            box->accept();
        });
        box->exec();
        QVERIFY(!frame->isVisible());
    }

    // Where windows are not framed (X11, offscreen) nothing changes.
    void windowsStayAsTheyAreWithoutOwnTitleBars()
    {
        setOwnTitleBars(false);
        auto d = framedDialog();
        QCOMPARE(d->window(), d.get());
        QCOMPARE(d->size(), QSize(300, 200));
    }

    // The real screens framed: Enter on the main menu (no control focused) opens the chooser,
    // whose close goes back to the menu, and everything goes at the end.
    void theScreensPlayFramed()
    {
        zortest::TestEnv env(zortest::TestEnv::WithGameFiles);
        initApplication();
        settings().set(Setting::msg, "n");
        createScreens();
        createMainMenu();
        QPointer<QWidget> menuFrame = frm_Menu->window();
        QVERIFY(menuFrame != frm_Menu);
        frm_Menu->show();
        QApplication::setActiveWindow(menuFrame);
        QVERIFY(QTest::qWaitForWindowActive(menuFrame));
        QTest::keyClick(menuFrame, Qt::Key_Return);
        QTRY_VERIFY(frm_Jogos->isVisible());
        QVERIFY(frm_Jogos->window()->isVisible());
        QVERIFY(!menuFrame->isVisible());
        QTest::mouseClick(titleButton(frm_Jogos, "titleBarClose"), Qt::LeftButton);
        QTRY_VERIFY(frm_Menu->isVisible());
        QVERIFY(!frm_Jogos->window()->isVisible());
        destroyScreens();
        QVERIFY(menuFrame.isNull());
    }
};

QTEST_MAIN(WindowFrameTest)
#include "test_window_frame.moc"
