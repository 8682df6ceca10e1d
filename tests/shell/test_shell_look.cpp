// How the shell screens look under each of the seven themes: every screen is shown as the
// program shows it, photographed into the build folder's screenshots/themes/, and the picture
// behind each line of dark text is measured: under every theme the text must stand out from it
// by a contrast of at least 7:1.
#include "app/loading.h"
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/desktop.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"
#include "shell/name_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>

using namespace zor;

namespace {

// Relative luminance of an sRGB colour.
double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The colour a text control writes in: its style sheet's colour if it names one, else its
// palette's.
QColor inkOf(QWidget* w)
{
    static const QRegularExpression colour(QStringLiteral("(?:^|;|\\s)color:\\s*([^;]+);"));
    const QRegularExpressionMatch m = colour.match(w->styleSheet());
    if (m.hasMatch())
        return QColor(m.captured(1).trimmed());
    return w->palette().color(w->foregroundRole());
}

// Where the text of a control lies, in the form's coordinates.
QRect textRect(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const QFontMetrics fm(l->font());
        const QRect r = l->contentsRect();
        const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment(),
                                               fm.size(Qt::TextSingleLine, l->text()).boundedTo(r.size()), r);
        return QRect(l->mapTo(l->window(), text.topLeft()), text.size());
    }
    if (auto* b = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect r = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b);
        return QRect(b->mapTo(b->window(), r.topLeft()), r.size());
    }
    return {};
}

// Text controls that write dark text straight onto the screen (buttons and fields bring their
// own background).
QList<QWidget*> darkText(QWidget* form)
{
    QList<QWidget*> out;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const bool text = (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().trimmed().isEmpty())
            || (qobject_cast<QCheckBox*>(w) && !static_cast<QCheckBox*>(w)->text().isEmpty());
        if (text && luminance(inkOf(w).rgb()) < 0.05)
            out << w;
    }
    return out;
}

struct Measured {
    QString where;
    double ratio;
};

// The contrast of each dark text line against the mean of what lies behind it, the screen
// photographed with its text taken away.
QList<Measured> measureText(QWidget* form)
{
    const QList<QWidget*> lines = darkText(form);
    for (QWidget* w : lines)
        w->hide();
    const QImage bare = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QWidget* w : lines)
        w->show();
    const double scale = bare.width() / double(form->width());
    QList<Measured> out;
    for (QWidget* w : lines) {
        const QRect r = textRect(w).intersected(form->rect());
        if (r.isEmpty())
            continue;
        double sum = 0;
        int n = 0;
        for (int y = int(r.top() * scale); y <= int(r.bottom() * scale); ++y)
            for (int x = int(r.left() * scale); x <= int(r.right() * scale); ++x, ++n)
                sum += luminance(bare.pixel(x, y));
        out << Measured{form->objectName() + u'/' + w->objectName(),
                        contrast(sum / n, luminance(inkOf(w).rgb()))};
    }
    return out;
}

QString shotDir()
{
    const QByteArray env = qgetenv("ZOR_SCREENSHOTS");
    const QString dir = env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots")
                                      : QString::fromLocal8Bit(env);
    return QDir(dir).absoluteFilePath(QStringLiteral("themes"));
}

} // namespace

class ShellLook : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env_;

    // The themed shell screens, each as the player first sees it.
    QList<QDialog*> themedScreens() const
    {
        return {frm_Jogos, frm_conf, design, Alerta, frm_nome, ajudamenu1, ajudacoc, ajudacn, ajudabj,
                ajudaconf, cassino, desen};
    }

    void show(QDialog* d)
    {
        d->show();
        QApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        initApplication();
        env_ = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        createScreens();
        createMainMenu();
        QDir().mkpath(shotDir());
    }

    void cleanupTestCase()
    {
        destroyScreens();
        env_.reset();
    }

    void everyScreenUnderEveryTheme_data()
    {
        QTest::addColumn<int>("theme");
        for (int n = 1; n <= 7; ++n)
            QTest::newRow(qPrintable(QStringLiteral("theme %1").arg(n))) << n;
    }

    void everyScreenUnderEveryTheme()
    {
        QFETCH(int, theme);
        env_->writeFile(QStringLiteral("Config/cor.txt"), QByteArray::number(theme));
        settings().set(Setting::memo, QString::number(theme));
        QStringList faint;
        double worst = 100;
        for (QDialog* d : themedScreens()) {
            show(d);
            if (d == frm_Jogos) {
                // With a banner pointed at, the description and the game's picture are shown.
                frm_Jogos->coc1MouseMove();
                QApplication::processEvents();
            }
            d->grab().save(QStringLiteral("%1/theme%2-%3.png").arg(shotDir()).arg(theme).arg(d->objectName()));
            for (const Measured& m : measureText(d)) {
                worst = std::min(worst, m.ratio);
                if (m.ratio < 7.0)
                    faint << QStringLiteral("%1 %2:1").arg(m.where).arg(m.ratio, 0, 'f', 1);
            }
            if (d == frm_Jogos)
                frm_Jogos->graconfMouseMove();
            d->hide();
        }
        // The loading screen and the main menu keep their own pictures under every theme; they
        // are photographed beside the others all the same. (The loading screen is not shown: its
        // show handler would read the settings and write the desktop launcher.)
        Loading->grab().save(QStringLiteral("%1/theme%2-Loading.png").arg(shotDir()).arg(theme));
        show(frm_Menu);
        frm_Menu->grab().save(QStringLiteral("%1/theme%2-frm_Menu.png").arg(shotDir()).arg(theme));
        frm_Menu->hide();
        qInfo("theme %d: the faintest text stands at %.1f:1", theme, worst);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    // The lines of a text block start at one edge: the chooser's descriptions an even margin
    // inside their frame, the configuration note at the edge of the boxes above it.
    void textBlocksStartAtOneEdge()
    {
        const int frameLeft = frm_Jogos->Shape1->x();
        const int columnLeft = frm_Jogos->Shape3->x();
        QSet<int> lefts;
        for (const char* letter : {"a", "b", "c"}) {
            for (int i = 1; i <= 8; ++i) {
                auto* l = frm_Jogos->findChild<QLabel*>(QStringLiteral("%1%2").arg(letter).arg(i));
                if (!l)
                    continue;
                lefts << l->x();
                const int textRight = l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text().trimmed());
                QVERIFY2(columnLeft - textRight >= 4, qPrintable(l->objectName()));
            }
        }
        QCOMPARE(lefts.size(), 1);
        QVERIFY(*lefts.begin() - frameLeft >= 6);

        QCOMPARE(frm_conf->Label4->x(), frm_conf->CheckBox1->x());
        QCOMPARE(frm_conf->Label5->x(), frm_conf->CheckBox1->x());
        QCOMPARE(frm_conf->Label6->x(), frm_conf->CheckBox1->x());
    }

    // The palette that decorates the design screen runs past the window's lower edge: what it
    // draws lies within the rows the window shows.
    void designPaletteIsWhole()
    {
        Picture* palette = zortest::control<Picture>(design, QStringLiteral("Image1"));
        const QImage img = palette->picture().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        const int shownRows = design->height() - palette->y();
        QVERIFY(shownRows > 0 && shownRows < palette->height());
        const double scale = img.height() / double(palette->height());
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(img.pixel(x, y)) == 0)
                    continue;
                QVERIFY2(y < shownRows * scale, qPrintable(QStringLiteral("drawn at %1,%2").arg(x).arg(y)));
                ++drawn;
            }
        QVERIFY(drawn > img.width() * img.height() / 4);
    }

    // A message box, however short its text, is wide enough for its whole title and the title
    // bar's buttons.
    void messageBoxesKeepTheirTitleWhole()
    {
        setApplicationTitle(QString::fromUtf8(kTitle));
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int title = QFontMetrics(bold).horizontalAdvance(applicationTitle());
        for (const QString& text : {QStringLiteral("Design Cancelado !"), QStringLiteral("x")}) {
            const auto box = makeMessageBox(QMessageBox::NoIcon, text, nullptr);
            box->show();
            QApplication::processEvents();
            QVERIFY2(box->width() >= title + 120, qPrintable(QStringLiteral("%1 < %2").arg(box->width()).arg(title + 120)));
            box->grab().save(shotDir() + QStringLiteral("/message-box.png"));
            box->hide();
        }
    }
};

QTEST_MAIN(ShellLook)
#include "test_shell_look.moc"
