// Layout of the configuration screen.
#include "settings/config_screen.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"

namespace {

// A label that says whether its box is ticked. The layout gives "ON" an 18-pixel box; it is
// widened so that "OFF" in bold is not cut off.
zor::Label* stateLabel(QWidget* parent, const QString& name, int left, int top)
{
    auto* l = new zor::Label(parent, name, QStringLiteral("ON"), QRect(left, top, 28, 13));
    l->setFont(zor::verdana(8, true));
    return l;
}

// A label sized to its text, as the layout's auto-sized labels are.
zor::Label* textLabel(QWidget* parent, const QString& name, const QString& text, int left, int top)
{
    auto* l = new zor::Label(parent, name, text, QRect(left, top, 10, 13));
    l->adjustSize();
    return l;
}

} // namespace

void Tfrm_conf::layout()
{
    zor::setupForm(this, QStringLiteral("frm_conf"), QStringLiteral("Configurações"), QSize(238, 285));

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(0, 0, 237, 286));
    graconf->setLayoutPicture(QStringLiteral("config/graconf.jpg"));
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    // The four switches, each with the label that shows its state. The boxes start ticked, as
    // their "ON" labels say; the show handler sets them from the buffers.
    auto box = [this](const QString& name, const QString& caption, QRect rect) {
        auto* b = new zor::CheckBox(this, name, caption, rect);
        b->setCursor(Qt::PointingHandCursor);
        b->setChecked(true);
        zor::on(b, &zor::CheckBox::mouseMoved, this, [this] { CheckBoxMouseMove(); });
        return b;
    };
    CheckBox1 = box(QStringLiteral("CheckBox1"), QStringLiteral("Música de Fundo: "), QRect(10, 16, 119, 17));
    Label1 = stateLabel(this, QStringLiteral("Label1"), 208, 17);
    CheckBox5 = box(QStringLiteral("CheckBox5"), QStringLiteral("Efeitos de Som: "), QRect(10, 48, 111, 17));
    Label8 = stateLabel(this, QStringLiteral("Label8"), 208, 48);
    CheckBox2 = box(QStringLiteral("CheckBox2"), QStringLiteral("Animação do Jogo:"), QRect(10, 80, 127, 17));
    Label2 = stateLabel(this, QStringLiteral("Label2"), 208, 81);
    CheckBox4 = box(QStringLiteral("CheckBox4"), QStringLiteral("Exibir alertas e avisos: "), QRect(10, 112, 150, 17));
    Label7 = stateLabel(this, QStringLiteral("Label7"), 208, 113);

    // A click on a box toggles it first, then runs its handler; a click on its state label runs
    // the same handler without touching the box.
    zor::on(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    zor::on(Label1, &zor::Label::clicked, this, [this] { CheckBox1Click(); });
    zor::on(CheckBox5, &QCheckBox::clicked, this, [this] { CheckBox5Click(); });
    zor::on(Label8, &zor::Label::clicked, this, [this] { CheckBox5Click(); });
    zor::on(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    zor::on(Label2, &zor::Label::clicked, this, [this] { CheckBox2Click(); });
    zor::on(CheckBox4, &QCheckBox::clicked, this, [this] { CheckBox4Click(); });
    zor::on(Label7, &zor::Label::clicked, this, [this] { CheckBox4Click(); });

    Shape1 = new zor::Shape(this, QStringLiteral("Shape1"), QRect(10, 151, 214, 2), zor::Shape::Line);
    Shape1->setPen(QPen(QColor(0, 0, 0, 120), 2));

    // The three lines of the note start at one edge, the check boxes' and the separator's.
    Label4 = textLabel(this, QStringLiteral("Label4"), QStringLiteral("Mais configurações específicas estão "), 10, 168);
    Label5 = textLabel(this, QStringLiteral("Label5"), QStringLiteral("localizadas nas suas respectivas janelas"), 10, 184);
    Label6 = textLabel(this, QStringLiteral("Label6"), QStringLiteral("ou jogos, etc."), 10, 200);

    auto button = [this](const QString& name, const QString& caption, QRect rect) {
        auto* b = new zor::Button(this, name, caption, rect);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    Button3 = button(QStringLiteral("Button3"), QStringLiteral("Design"), QRect(41, 224, 75, 25));
    Button1 = button(QStringLiteral("Button1"), QStringLiteral("Salvar !"), QRect(121, 224, 75, 25));
    Button4 = button(QStringLiteral("Button4"), QStringLiteral("Ajuda"), QRect(41, 252, 75, 25));
    Button4->setFont(zor::verdana(8, true));
    Button2 = button(QStringLiteral("Button2"), QStringLiteral("Cancelar"), QRect(121, 253, 75, 25));
    // Enter presses "Cancelar" unless another button has the keyboard focus.
    Button2->setDefault(true);

    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zor::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    zor::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    zor::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    zor::on(Button1, &zor::Button::mouseMoved, this, [this] { Button1MouseMove(); });
    zor::on(Button2, &zor::Button::mouseMoved, this, [this] { Button2MouseMove(); });
    zor::on(Button3, &zor::Button::mouseMoved, this, [this] { Button3MouseMove(); });
    zor::on(Button4, &zor::Button::mouseMoved, this, [this] { Button4MouseMove(); });

    // Keyboard order: the screen from top to bottom, each row from left to right. The show
    // handler puts the focus on the first box, where Enter still presses "Cancelar".
    QWidget::setTabOrder(CheckBox1, CheckBox5);
    QWidget::setTabOrder(CheckBox5, CheckBox2);
    QWidget::setTabOrder(CheckBox2, CheckBox4);
    QWidget::setTabOrder(CheckBox4, Button3);
    QWidget::setTabOrder(Button3, Button1);
    QWidget::setTabOrder(Button1, Button4);
    QWidget::setTabOrder(Button4, Button2);
    CheckBox1->setFocus();
    new zor::FocusRing(this);
}
