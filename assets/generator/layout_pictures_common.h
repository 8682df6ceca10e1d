#pragma once
// Shared between the layout picture sources only: the main menu scene renderer and its state,
// the button bar and drop-up panel painters, and the small pictures of the loading screen and
// the warning dialog.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace assetgen::layoutpics {

// The scene picture is placed 72 pixels above the menu's client area; everything below is
// drawn in client coordinates and shifted by this much when the picture is made.
inline constexpr int kSceneOffsetY = 72;
inline constexpr int kSceneWidth = 801;
inline constexpr int kSceneHeight = 601;

enum class BarButton { None, Menu, MenuOpen, Start, Config, Help, Minimise, Close };
enum class PanelEntry { None, Start, Help, Config };
enum class PanelIcon { None, Developers, About, Minimise, Exit };

// Every animated element of the scene in its resting state (false / 0) or its alternative
// pose. The menu shows each alternative as a separate picture cut out of a render in which
// only that element differs, so all of an element's changes stay inside its own rectangle.
struct SceneState {
    double wheelTurn = 0;          // degrees the wheel of the left machine has turned
    bool bonusLamp = false;        // lamp on top of the left machine is lit
    bool chandelierLit = false;    // chandelier at the top right is lit
    bool marqueeSwap = false;      // the sign's bulbs swap and its letters brighten
    bool leftReelsWin = false;     // left machine shows a win
    bool leverPulled = false;      // lever of the back right machine is pulled
    bool middleReelsWin = false;   // middle machine shows a win
    bool beaconOn = false;         // beacon on the back right machine flashes
    bool dealerTurned = false;     // the dealer looks at the player on his left
    bool bystanderNods = false;    // the man at the back nods
    bool waitressTurned = false;   // the waitress looks the other way
    bool playerTurned = false;     // the lady at the table turns her head
    bool cheerArmUp = false;       // the lady at the back raises her glass
    bool cardArmUp = false;        // the player on the right shows his cards
    bool chipArmUp = false;        // the lady at the table lifts her chips

    BarButton bar = BarButton::None;
    bool panelOpen = false;
    PanelEntry panelEntry = PanelEntry::None;
    PanelIcon panelIcon = PanelIcon::None;
};

// The 801x601 menu picture for the given state.
QImage renderScene(const SceneState& state);

// Button bar along the bottom of the menu and the drop-up panel; client coordinates.
void paintButtonBar(QPainter& p, BarButton highlighted);
void paintMenuPanel(QPainter& p, PanelEntry highlighted, PanelIcon icon);

QImage renderLoadingBackdrop();   // 323x94
QImage renderWarningSign();       // 31x32, transparent
QImage renderWarningBackground(); // 420x159

// Helpers shared by the painters above.
QFont pixelFont(const QString& family, qreal pixelSize, int weight = QFont::Normal);
QColor blend(const QColor& a, const QColor& b, double t);
// An elliptical glow filling `r`, fading from `c` in the middle to nothing at the edge.
void paintGlow(QPainter& p, const QRectF& r, const QColor& c);
// A casino chip seen from above.
void paintChip(QPainter& p, QPointF centre, double radius, const QColor& colour);
// A playing card face with a corner index and a big pip.
void paintCard(QPainter& p, const QRectF& r, const QString& rank, int suit, double angle = 0);
// The gold "Cassino ZOR" lettering, centred in `r`.
void paintLogoText(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize);

} // namespace assetgen::layoutpics
