// The floor for start-up timings: the smallest Qt Widgets program that maps a titled dialog.
// scripts/bench times how long this takes to appear on the same X server as the game, so the
// game's figure can be judged against what the toolkit itself costs on this machine.
// It shows one QDialog and quits on its own after a few seconds.
#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bench floor"));
    dialog.setFixedSize(322, 96);
    dialog.show();
    QTimer::singleShot(4000, &app, &QApplication::quit);
    return QApplication::exec();
}
