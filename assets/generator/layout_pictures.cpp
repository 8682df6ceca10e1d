// Writes the pictures held by the screen layouts: the loading screen's backdrop, the main
// menu's scene with its button highlights, drop-up panel and animation frames, and the warning
// dialog's sign and background.
//
// The animation frames and highlights are cut out of whole renders of the menu scene in which
// only one element differs from the resting scene, so each frame lines up with the picture
// under it to the pixel.
#include "generator.h"
#include "layout_pictures_common.h"

#include <QFileInfo>
#include <QRect>
#include <cstdio>
#include <functional>

namespace assetgen {

using namespace layoutpics;

namespace {

struct Cutout {
    const char* file;
    QRect client; // left, top, width, height in the menu's client area
    std::function<void(SceneState&)> change;
};

// The menu's animation pictures at their client rectangles, each in its alternative pose.
const Cutout kAnimationFrames[] = {
    {"menu/roletaover.png", QRect(0, 197, 89, 82), [](SceneState& s) { s.wheelTurn = 118; }},
    {"menu/roletaover2.png", QRect(0, 199, 89, 80), [](SceneState& s) { s.wheelTurn = 241; }},
    {"menu/luz.png", QRect(15, 276, 35, 30), [](SceneState& s) { s.bonusLamp = true; }},
    {"menu/head.png", QRect(454, 251, 39, 31), [](SceneState& s) { s.dealerTurned = true; }},
    {"menu/braco1.png", QRect(384, 185, 34, 43), [](SceneState& s) { s.cheerArmUp = true; }},
    {"menu/braco2.png", QRect(558, 286, 47, 41), [](SceneState& s) { s.cardArmUp = true; }},
    {"menu/head3.png", QRect(674, 336, 32, 29), [](SceneState& s) { s.waitressTurned = true; }},
    {"menu/head4.png", QRect(302, 239, 33, 40), [](SceneState& s) { s.playerTurned = true; }},
    {"menu/luz2.png", QRect(710, 20, 67, 49), [](SceneState& s) { s.chandelierLit = true; }},
    {"menu/makina2.png", QRect(651, 174, 26, 74), [](SceneState& s) { s.leverPulled = true; }},
    {"menu/braco3.png", QRect(311, 287, 46, 51), [](SceneState& s) { s.chipArmUp = true; }},
    {"menu/luzes.png", QRect(357, 82, 131, 57), [](SceneState& s) { s.marqueeSwap = true; }},
    {"menu/makina.png", QRect(6, 308, 49, 61), [](SceneState& s) { s.leftReelsWin = true; }},
    {"menu/makina3.png", QRect(137, 259, 62, 54), [](SceneState& s) { s.middleReelsWin = true; }},
    {"menu/head2.png", QRect(256, 187, 25, 26), [](SceneState& s) { s.bystanderNods = true; }},
    {"menu/makina4.png", QRect(567, 150, 34, 26), [](SceneState& s) { s.beaconOn = true; }},
};

// Highlighted buttons of the bar, the open panel, its highlighted entries and its icons.
const Cutout kControlPictures[] = {
    {"menu/menuover.png", QRect(1, 483, 157, 38), [](SceneState& s) { s.bar = BarButton::Menu; }},
    {"menu/menuclick.png", QRect(1, 484, 158, 38), [](SceneState& s) { s.bar = BarButton::MenuOpen; }},
    {"menu/escolherover.png", QRect(275, 487, 93, 35), [](SceneState& s) { s.bar = BarButton::Start; }},
    {"menu/configover.png", QRect(463, 488, 34, 34), [](SceneState& s) { s.bar = BarButton::Config; }},
    {"menu/ajudaover.png", QRect(556, 488, 35, 33), [](SceneState& s) { s.bar = BarButton::Help; }},
    {"menu/minover.png", QRect(639, 488, 34, 34), [](SceneState& s) { s.bar = BarButton::Minimise; }},
    {"menu/closeover.png", QRect(720, 488, 36, 34), [](SceneState& s) { s.bar = BarButton::Close; }},
    {"menu/menuprincipal.png", QRect(4, 331, 153, 154), [](SceneState&) {}},
    {"menu/escolher2over.png", QRect(4, 332, 153, 18), [](SceneState& s) { s.panelEntry = PanelEntry::Start; }},
    {"menu/ajuda2over.png", QRect(5, 350, 152, 19), [](SceneState& s) { s.panelEntry = PanelEntry::Help; }},
    {"menu/config2over.png", QRect(5, 369, 152, 18), [](SceneState& s) { s.panelEntry = PanelEntry::Config; }},
    {"menu/icon1.png", QRect(141, 400, 16, 18), [](SceneState& s) { s.panelIcon = PanelIcon::Developers; }},
    {"menu/icon2.png", QRect(141, 418, 16, 18), [](SceneState& s) { s.panelIcon = PanelIcon::About; }},
    {"menu/icone1.png", QRect(141, 448, 16, 18), [](SceneState& s) { s.panelIcon = PanelIcon::Minimise; }},
    {"menu/icone2.png", QRect(141, 466, 16, 18), [](SceneState& s) { s.panelIcon = PanelIcon::Exit; }},
};

constexpr int kJpegQuality = 90;

} // namespace

QStringList writeLayoutPictures(const QDir& layoutDir)
{
    QStringList written;
    auto save = [&](const QImage& image, const QString& relative) {
        written << writePicture(image, layoutDir, relative, kJpegQuality);
    };
    auto cut = [](const QImage& scene, const QRect& client) {
        return scene.copy(scaledRect(client.translated(0, kSceneOffsetY)));
    };

    save(renderLoadingBackdrop(), QStringLiteral("loading/Image1.jpg"));

    // Text drawn through a fresh font engine comes out a shade different until the engine's
    // glyph caches are filled, so render until two renders agree: then the base scene and
    // every cut-out match to the pixel.
    QImage scene = renderScene(SceneState{});
    for (int attempt = 0; attempt < 5; ++attempt) {
        QImage again = renderScene(SceneState{});
        const bool settled = again == scene;
        scene = again;
        if (settled)
            break;
    }
    save(scene, QStringLiteral("menu/fundo.jpg"));
    for (const Cutout& frame : kAnimationFrames) {
        SceneState state;
        frame.change(state);
        save(cut(renderScene(state), frame.client), QString::fromLatin1(frame.file));
    }
    for (const Cutout& control : kControlPictures) {
        SceneState state;
        control.change(state);
        // Everything that belongs to the panel is drawn with the panel open over the pressed
        // menu button, as the menu shows it.
        if (control.client.top() < 483) {
            state.panelOpen = true;
            state.bar = BarButton::MenuOpen;
        }
        save(cut(renderScene(state), control.client), QString::fromLatin1(control.file));
    }

    save(renderWarningSign(), QStringLiteral("alerta/imgAlerta.png"));
    save(renderWarningBackground(), QStringLiteral("alerta/graconf.jpg"));
    return written;
}

} // namespace assetgen
