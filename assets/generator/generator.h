#pragma once
// The asset generator: draws every picture and composes every sound and the music the game
// loads, at build time, so that no binary asset is kept in the source tree.
#include <QDir>
#include <QImage>
#include <QRect>
#include <QStringList>

namespace assetgen {

// Every picture is drawn at 1x and again at 2x for dense screens (scale.cpp). Drawing code
// works in logical coordinates on canvases from newCanvas and writes through writePicture.
int renderScale();
void setRenderScale(int scale);
// A w x h (logical) canvas at the current scale, not yet filled.
QImage newCanvas(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied);
// The whole of a canvas in logical coordinates.
QRectF logicalRect(const QImage& img);
// A logical rectangle of a canvas in its pixels (for QImage::copy).
QRect scaledRect(const QRect& r);
// "menu/fundo.jpg", or at 2x "menu/fundo@2x.jpg".
QString scaledName(const QString& name);
// Writes the picture as dir/scaledName(name): JPEG, bitmap or PNG by the name's extension.
// Returns the name written, relative to dir. A picture that cannot be written ends the
// generator, so that a build never lays out an incomplete game.
QString writePicture(const QImage& img, const QDir& dir, const QString& name, int jpegQuality = 90);

// Data files the game loads by name from its working directory: theme backgrounds, coin faces,
// lever, match banners, reel symbols, card faces and the card back.
void writeGamePictures(const QDir& gameDir);
// "mouse.wav", "click.wav", "escolher.wav", "escolher2.wav", "girando.wav".
void writeSounds(const QDir& gameDir);
// "casino.mid".
void writeMusic(const QDir& gameDir);
// Pictures held by the screen layouts, compiled into the program as Qt resources under
// ":/layout/". Returns the paths written, relative to layoutDir ("menu/fundo.jpg", ...).
QStringList writeLayoutPictures(const QDir& layoutDir);
// Layout pictures of the game chooser ("chooser/...").
QStringList writeChooserPictures(const QDir& layoutDir);
// Layout pictures of the help and about screens and the name dialog ("help/...", "about/...").
QStringList writeShellScreenPictures(const QDir& layoutDir);
// Layout pictures of the configuration and design screens ("config/...", "design/...").
QStringList writeSettingsPictures(const QDir& layoutDir);
// Each game's screens: their layout pictures ("coin/...", "slots/...", "blackjack/...", returned
// as above) and any data files of their own written into gameDir.
QStringList writeCoinScreenPictures(const QDir& layoutDir, const QDir& gameDir);
QStringList writeSlotScreenPictures(const QDir& layoutDir, const QDir& gameDir);
QStringList writeBlackjackScreenPictures(const QDir& layoutDir, const QDir& gameDir);

// The application icon in the hicolor sizes: <iconsDir>/hicolor/NxN/apps/<iconName>.png.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
void writeIcons(const QDir& iconsDir, const QString& iconName);

} // namespace assetgen
