// Layout of the design screen.
#include "settings/design_screen.h"
#include "controls/accessible.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"

#include <QIcon>

namespace {

// One swatch of the layout: its frame and preview (named by place), its radio button (named by
// theme) and the radio button's colour.
struct Swatch {
    int theme;
    const char* shape;
    const char* image;
    QPoint tile;
    QRect radio;
    QColor colour;
    const char* colourName;
};

const Swatch kSwatches[] = {
    {1, "Shape1", "Image2", {11, 32}, {98, 119, 17, 17}, QColor(0, 0, 202), "azul"},
    {2, "Shape2", "Image3", {131, 32}, {218, 119, 17, 17}, QColor(255, 255, 0), "amarelo"},
    {5, "Shape3", "Image6", {11, 160}, {98, 247, 17, 17}, QColor(255, 0, 255), "magenta"},
    {3, "Shape5", "Image4", {131, 160}, {218, 249, 17, 15}, QColor(255, 62, 255), "rosa"},
    {4, "Shape4", "Image5", {11, 288}, {98, 375, 17, 17}, QColor(0, 128, 0), "verde"},
    {6, "Shape6", "Image7", {130, 288}, {217, 375, 17, 17}, QColor(0, 0, 159), "azul-marinho"},
    {7, "Shape7", "Image8", {11, 408}, {98, 495, 17, 17}, QColor(0, 202, 202), "ciano"},
};
constexpr int kTile = 105;

} // namespace

void Tdesign::layout()
{
    zor::setupForm(this, QStringLiteral("design"), QStringLiteral("Tela de Design"), QSize(253, 527));
    QFont system(QStringLiteral("Sans Serif"));
    system.setPointSize(8);
    setFont(system);
    setMouseTracking(true);

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(-1, 0, 259, 528));
    graconf->setLayoutPicture(QStringLiteral("design/graconf.jpg"));
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    Label3 = new zor::Label(this, QStringLiteral("Label3"), QStringLiteral("Escolhar uma cor para o seu Cassino: "),
                            QRect(3, 8, 10, 13));
    Label3->setFont(zor::verdana(8, true));
    Label3->adjustSize();

    // Press handlers by theme; the swatch's frame and its radio button both run it.
    using Press = void (Tdesign::*)();
    const Press pressOf[8] = {nullptr,
                              &Tdesign::Shape1MouseDown, &Tdesign::Shape2MouseDown, &Tdesign::Shape5MouseDown,
                              &Tdesign::Shape4MouseDown, &Tdesign::Shape3MouseDown, &Tdesign::Shape6MouseDown,
                              &Tdesign::Shape7MouseDown};

    // Previews first, then the frames over them, so the frames take the mouse.
    std::array<zor::Picture*, 7> images{};
    std::array<zor::Shape*, 7> shapes{};
    for (int i = 0; i < 7; ++i) {
        const Swatch& s = kSwatches[i];
        auto* img = new zor::Picture(this, QString::fromLatin1(s.image), QRect(s.tile, QSize(kTile, kTile)));
        img->setLayoutPicture(QStringLiteral("design/tema%1.png").arg(s.theme));
        img->setCursor(Qt::PointingHandCursor);
        images[i] = img;
    }
    for (int i = 0; i < 7; ++i) {
        const Swatch& s = kSwatches[i];
        auto* frame = new zor::Shape(this, QString::fromLatin1(s.shape), QRect(s.tile, QSize(kTile, kTile)));
        frame->setCursor(Qt::PointingHandCursor);
        const Press press = pressOf[s.theme];
        zor::on(frame, &zor::Shape::pressed, this, [this, press] { (this->*press)(); });
        zor::on(frame, &zor::Shape::released, this, [this] { RadioButton6MouseUp(); });
        if (s.theme == 7)
            zor::on(frame, &zor::Shape::mouseMoved, this, [this] { Shape7MouseMove(); });
        else
            zor::on(frame, &zor::Shape::mouseMoved, this, [this] { ShapeMouseMove(); });
        shapes[i] = frame;
    }
    Image2 = images[0], Image3 = images[1], Image6 = images[2], Image4 = images[3];
    Image5 = images[4], Image7 = images[5], Image8 = images[6];
    Shape1 = shapes[0], Shape2 = shapes[1], Shape3 = shapes[2], Shape5 = shapes[3];
    Shape4 = shapes[4], Shape6 = shapes[5], Shape7 = shapes[6];
    // Image4 lies under its frame; its move handler is bound all the same.
    zor::on(Image4, &zor::Picture::mouseMoved, this, [this] { ShapeMouseMove(); });

    // The radio buttons, each filled with its theme's colour. They are siblings, so Qt keeps them
    // one exclusive group. Their presses (any mouse button) are caught by eventFilter.
    for (const Swatch& s : kSwatches) {
        auto* radio = new zor::RadioButton(this, QStringLiteral("RadioButton%1").arg(s.theme), QString(), s.radio);
        QPalette pal = radio->palette();
        pal.setColor(QPalette::Window, s.colour);
        pal.setColor(QPalette::Button, s.colour);
        radio->setPalette(pal);
        radio->setAutoFillBackground(true);
        radio->installEventFilter(this);
        zor::on(radio, &zor::RadioButton::released, this, [this] {
            mouseOnRadio_ = false;
            RadioButton6MouseUp();
        });
        const int theme = s.theme;
        zor::on(radio, &QAbstractButton::clicked, this, [this, theme] {
            if (!mouseOnRadio_)
                keyboardChoice(theme);
        });
        radios_[s.theme - 1] = radio;
    }
    RadioButton1 = radios_[0], RadioButton2 = radios_[1], RadioButton3 = radios_[2], RadioButton4 = radios_[3];
    RadioButton5 = radios_[4], RadioButton6 = radios_[5], RadioButton7 = radios_[6];
    RadioButton6->setChecked(true);

    // For screen readers each swatch is a button named after its theme and colour, which ticks
    // its radio button as the keyboard does.
    for (int i = 0; i < 7; ++i) {
        const Swatch& s = kSwatches[i];
        const QString name = QStringLiteral("Tema %1, %2").arg(s.theme).arg(QString::fromUtf8(s.colourName));
        zor::RadioButton* radio = radios_[s.theme - 1];
        radio->setAccessibleName(name);
        zor::setAccessibleButton(images[i], name, QStringLiteral("Escolhe a cor do cassino"), [radio] { radio->click(); });
    }

    BitBtn1 = new zor::Button(this, QStringLiteral("BitBtn1"), QStringLiteral("&Salvar"), QRect(131, 418, 105, 25));
    BitBtn1->setIcon(QIcon(QStringLiteral(":/layout/design/ok.png")));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    BitBtn3 = new zor::Button(this, QStringLiteral("BitBtn3"), QStringLiteral("&Cancelar"), QRect(131, 450, 105, 25));
    BitBtn3->setIcon(QIcon(QStringLiteral(":/layout/design/cancel.png")));
    BitBtn3->setCursor(Qt::PointingHandCursor);
    // Save ends a modal showing with OK, Cancel (and Esc, see keyPressEvent) with Cancel.
    zor::on(BitBtn1, &QPushButton::clicked, this, [this] { runButton(&Tdesign::BitBtn1Click, QDialog::Accepted); });
    zor::on(BitBtn3, &QPushButton::clicked, this, [this] { runButton(&Tdesign::BitBtn3Click, QDialog::Rejected); });
    zor::on(BitBtn1, &zor::Button::mouseMoved, this, [this] { BitBtn1MouseMove(); });
    zor::on(BitBtn3, &zor::Button::mouseMoved, this, [this] { BitBtn3MouseMove(); });

    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(156, 477, 67, 55));
    Image1->setLayoutPicture(QStringLiteral("design/Image1.png"));
    zor::on(Image1, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });
    new zor::FocusRing(this);
}
