// Layout of the warning dialog.
#include "shell/alerta.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"

void TAlerta::layout()
{
    zor::setupForm(this, QStringLiteral("Alerta"), QStringLiteral("Aviso"), QSize(420, 159));

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(0, 0, 420, 159));
    graconf->setLayoutPicture(QStringLiteral("alerta/graconf.jpg"));

    imgAlerta = new zor::Picture(this, QStringLiteral("imgAlerta"), QRect(5, 42, 31, 32));
    imgAlerta->setLayoutPicture(QStringLiteral("alerta/imgAlerta.png"));

    auto line = [this](const QString& name, const QString& text, int top) {
        auto* l = new zor::Label(this, name, text, QRect(44, top, 370, 16));
        l->setStyleSheet(QStringLiteral("background: transparent;"));
        return l;
    };
    Label2 = line(QStringLiteral("Label2"), QStringLiteral("Se na Tela Principal do Jogo o computador estiver lento, ou"), 22);
    Label3 = line(QStringLiteral("Label3"), QStringLiteral("as animações estiverem piscando, clique em Configurações, e"), 40);
    Label1 = line(QStringLiteral("Label1"),
                  QStringLiteral("em seguida, mude a opção \"Animação do Jogo\" para OFF,"), 58);
    Label4 = line(QStringLiteral("Label4"), QStringLiteral("assim a tela principal ficará imóvel sem que pisque as imagens."), 76);

    CheckBox1 = new zor::CheckBox(this, QStringLiteral("CheckBox1"), QStringLiteral("Não exibir avisos e alertas"),
                                  QRect(12, 124, 200, 20));
    CheckBox1->setCursor(Qt::PointingHandCursor);
    zor::on(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });

    Button1 = new zor::Button(this, QStringLiteral("Button1"), QStringLiteral("Fechar"), QRect(320, 120, 88, 27));
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setDefault(true);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    new zor::FocusRing(this);
}
