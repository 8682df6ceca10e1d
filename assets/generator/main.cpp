// zor-assetgen --game DIR --layout DIR [--icons DIR --icon-name NAME]
// Writes the game's data files into DIR (game), the layout pictures plus layout.qrc into
// DIR (layout) and the application icon's hicolor tree into DIR (icons). Runs with the offscreen platform so that fonts are available without a display.
#include "generator.h"

#include <QGuiApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QString gameDir, layoutDir, iconsDir, iconName;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--game"))
            gameDir = args[i + 1];
        else if (args[i] == QLatin1String("--layout"))
            layoutDir = args[i + 1];
        else if (args[i] == QLatin1String("--icons"))
            iconsDir = args[i + 1];
        else if (args[i] == QLatin1String("--icon-name"))
            iconName = args[i + 1];
    }
    if (gameDir.isEmpty() || layoutDir.isEmpty()) {
        std::fprintf(stderr, "usage: zor-assetgen --game DIR --layout DIR [--icons DIR --icon-name NAME]\n");
        return 2;
    }
    QDir().mkpath(gameDir);
    QDir().mkpath(layoutDir);

    if (!iconsDir.isEmpty() && !iconName.isEmpty()) {
        QDir().mkpath(iconsDir);
        assetgen::writeIcons(QDir(iconsDir), iconName);
    }
    assetgen::writeSounds(QDir(gameDir));
    assetgen::writeMusic(QDir(gameDir));
    // Every picture at 1x, then again at 2x ("NAME@2x.EXT") for dense screens.
    const QDir layout(layoutDir);
    QStringList layoutFiles;
    for (int scale : {1, 2}) {
        assetgen::setRenderScale(scale);
        assetgen::writeGamePictures(QDir(gameDir));
        layoutFiles += assetgen::writeLayoutPictures(layout) + assetgen::writeChooserPictures(layout)
            + assetgen::writeShellScreenPictures(layout) + assetgen::writeSettingsPictures(layout)
            + assetgen::writeCoinScreenPictures(layout, QDir(gameDir))
            + assetgen::writeSlotScreenPictures(layout, QDir(gameDir))
            + assetgen::writeBlackjackScreenPictures(layout, QDir(gameDir));
    }
    assetgen::setRenderScale(1);

    QFile qrc(QDir(layoutDir).filePath(QStringLiteral("layout.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "zor-assetgen: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/layout\">\n";
    for (const QString& f : layoutFiles)
        out << "    <file>" << f << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return 0;
}
