#pragma once
// The asset generator: draws every picture and composes every sound and the music the game
// loads, at build time, so that no binary asset is kept in the source tree.
#include <QDir>
#include <QStringList>

namespace assetgen {

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
