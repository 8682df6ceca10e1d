#pragma once
// Helpers every screen uses on its QDialog: the fixed window of the layouts and centring.
#include <QDialog>
#include <QFont>
#include <functional>

class QShowEvent;

namespace zor {

enum class TitleButtons { CloseOnly, MinimiseAndClose, CloseAndHelp };

// Caption, fixed client size, title-bar buttons, "Verdana" 8 point, white background unless
// told otherwise. Windows start hidden.
void setupForm(QDialog* form, const QString& objectName, const QString& caption, QSize client,
               TitleButtons buttons = TitleButtons::CloseOnly, const QColor& colour = Qt::white);

// The show handler of a screen runs for the program's own show() only, centred first: a window
// the desktop merely restores (a spontaneous show) runs nothing. The handler runs in the guard.
void runShowHandler(QDialog* form, QShowEvent* e, const std::function<void()>& formShow);

// Puts the window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// The layouts' "Verdana" in points.
QFont verdana(int points, bool bold = false);

} // namespace zor
