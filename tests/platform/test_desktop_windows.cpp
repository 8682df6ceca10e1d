// How the program's windows meet the desktop: every screen is a fixed-size window whose title
// bar offers no maximise; a maximise or full screen the desktop applies anyway is undone and the
// fixed size comes back; dialogs and message boxes belong to the window that opens them.
//
// Run offscreen and, by the Wayland end-to-end run, under a real compositor, where each screen
// shows in a frame with the program's own title bar: the window a screen shows in is window().
#include "app/screens.h"
#include "controls/form.h"
#include "controls/window_frame.h"
#include "fakes.h"
#include "games/blackjack/blackjack_table.h"
#include "platform/desktop.h"
#include "settings/config_screen.h"
#include "settings/store.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace zor;

namespace {

// Every screen the program makes: the 24 of the start-up, the main menu and a Blackjack table.
QList<QDialog*> allScreens()
{
    QList<QDialog*> screens;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QWidget* content = framedContent(w);
        if (auto* d = qobject_cast<QDialog*>(content); d && !qobject_cast<QMessageBox*>(content))
            screens.append(d);
    }
    return screens;
}

// The window system's window a screen shows in.
QWindow* handleOf(QWidget* screen) { return screen->window()->windowHandle(); }


} // namespace

class DesktopWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

private slots:
    void initTestCase()
    {
        initApplication();
        keepFixedWindowsUnmaximised();
        followWindowOrder();
    }

    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().set(Setting::msg, "n");
        createScreens();
        createMainMenu();
        frm_bj = new Tfrm_bj;
    }

    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    // No screen offers maximise, each keeps its close box, and each is fixed at its size (on X11
    // the window manager then offers no maximise either).
    void everyScreenIsFixedWithoutMaximise()
    {
        const QList<QDialog*> screens = allScreens();
        QCOMPARE(screens.size(), 26);
        for (QDialog* d : screens) {
            QWidget* window = d->window();
            const Qt::WindowFlags f = window->windowFlags();
            const QByteArray name = d->objectName().toUtf8();
            QVERIFY2(!(f & Qt::WindowMaximizeButtonHint), name);
            QVERIFY2(!(f & Qt::WindowFullscreenButtonHint), name);
            if (window == d) {
                QVERIFY2(f & Qt::WindowCloseButtonHint, name);
                QVERIFY2(f & Qt::CustomizeWindowHint, name); // no default buttons added by the toolkit
            } else {
                // The toolkit draws no title bar; the program's own names no maximise.
                QVERIFY2(f & Qt::FramelessWindowHint, name);
                const QStringList buttons = zortest::titleBarButtons(window);
                QVERIFY2(buttons.contains(QStringLiteral("titleBarClose")), name);
                for (const QString& b : buttons)
                    QVERIFY2(!b.contains(QLatin1String("Maxim")), name);
            }
            QVERIFY2(window->minimumSize() == window->maximumSize(), name);
        }
    }

    // What a desktop's own key or a window manager that ignores the flags does: the window's
    // state becomes maximised or full screen. The state is undone and the size comes back, the
    // limits with it.
    void aMaximisedOrFullScreenWindowComesBack_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("maximised") << int(Qt::WindowMaximized);
        QTest::newRow("full screen") << int(Qt::WindowFullScreen);
    }
    void aMaximisedOrFullScreenWindowComesBack()
    {
        QFETCH(int, state);
        frm_Jogos->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_Jogos->window()));
        const QSize client = frm_Jogos->size();
        const QSize fixed = frm_Jogos->window()->size();
        QWindow* window = handleOf(frm_Jogos);
        window->setWindowStates(Qt::WindowStates(state));
        QTRY_COMPARE(window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen), Qt::WindowStates());
        QTRY_COMPARE(window->size(), fixed);
        QTRY_COMPARE(frm_Jogos->window()->size(), fixed);
        QCOMPARE(frm_Jogos->size(), client);
        QCOMPARE(window->minimumSize(), fixed);
        QCOMPARE(window->maximumSize(), fixed);
        QVERIFY(frm_Jogos->isVisible());
        // It happens again the next time too.
        window->setWindowStates(Qt::WindowMaximized);
        QTRY_COMPARE(window->windowStates() & Qt::WindowMaximized, Qt::WindowStates());
        QTRY_COMPARE(frm_Jogos->window()->size(), fixed);
    }

    // A dialog opened modally belongs to its opener while it is open: the screen on top, then,
    // inside it, the dialog that opens the next one.
    void dialogsBelongToTheirOpener()
    {
        QtDialogs dialogs;
        frm_Menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_Menu->window()));
        QPointer<QWindow> outerParent, innerParent;
        QTimer::singleShot(0, this, [&] {
            outerParent = handleOf(frm_conf) ? handleOf(frm_conf)->transientParent() : nullptr;
            QTimer::singleShot(0, this, [&] {
                innerParent = handleOf(ajudaconf) ? handleOf(ajudaconf)->transientParent() : nullptr;
                ajudaconf->reject();
            });
            dialogs.showModal(ajudaconf);
            frm_conf->reject();
        });
        dialogs.showModal(frm_conf);
        QCOMPARE(outerParent.data(), handleOf(frm_Menu));
        QCOMPARE(innerParent.data(), handleOf(frm_conf));
        // Closed, it belongs to nobody: the next screen to open it is its opener then.
        QCOMPARE(handleOf(frm_conf)->transientParent(), nullptr);
        QCOMPARE(handleOf(ajudaconf)->transientParent(), nullptr);
    }

    // With no active window (a compositor that has not focused any yet), the screen shown last
    // opens the dialog; a hidden screen never does.
    void withNoActiveWindowTheScreenShownLastOpens()
    {
        QtDialogs dialogs;
        frm_Menu->show();
        frm_Jogos->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_Jogos->window()));
        frm_Jogos->hide();
        QVERIFY(!frm_Jogos->window()->isVisible());
        QApplication::setActiveWindow(nullptr);
        QCOMPARE(openerFor(Alerta), frm_Menu->window());
        QPointer<QWindow> parent;
        QTimer::singleShot(0, this, [&] {
            parent = handleOf(Alerta)->transientParent();
            Alerta->reject();
        });
        QApplication::setActiveWindow(nullptr);
        dialogs.showModal(Alerta);
        QCOMPARE(parent.data(), handleOf(frm_Menu));
        QCOMPARE(openerFor(frm_Menu), nullptr); // nothing else is on screen
    }

    // A message box is a child of the window it reports to, even with no window active.
    void messageBoxesBelongToTheScreenOnTop()
    {
        QtDialogs dialogs;
        frm_Jogos->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm_Jogos->window()));
        QApplication::setActiveWindow(nullptr);
        QPointer<QWidget> boxParent;
        QPointer<QWindow> boxTransient;
        bool sawBox = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(framedContent(QApplication::activeModalWidget()));
            sawBox = box != nullptr;
            if (!box)
                return;
            boxParent = box->window()->parentWidget();
            boxTransient = handleOf(box) ? handleOf(box)->transientParent() : nullptr;
            box->accept();
        });
        dialogs.warning(QStringLiteral("Aviso de teste"));
        QVERIFY(sawBox);
        QCOMPARE(boxParent.data(), frm_Jogos->window());
        QCOMPARE(boxTransient.data(), handleOf(frm_Jogos));
    }
};

QTEST_MAIN(DesktopWindows)
#include "test_desktop_windows.moc"
