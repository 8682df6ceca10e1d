// Layout of the name dialog.
#include "shell/name_dialog.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"
#include "platform/textfile.h"

void Tfrm_nome::layout()
{
    zor::setupForm(this, QStringLiteral("frm_nome"), QStringLiteral("Digite seu Nome"), QSize(270, 82));

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(0, 0, 270, 82));
    graconf->setLayoutPicture(QStringLiteral("help/nome.jpg"));
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    Label1 = new zor::Label(this, QStringLiteral("Label1"), QStringLiteral("Digite seu nome:"), QRect(12, 12, 160, 16));
    Label1->setFont(zor::verdana(8, true));

    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(QStringLiteral("Digite seu nome"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 34, 160, 23);
    Edit1->setFont(zor::verdana(8));
    // A name may be as long as a value file holds (Windows-1252: one byte a letter), so that
    // every name typed can be saved and read back.
    Edit1->setMaxLength(int(zor::kMaxValueFileBytes));

    Button1 = new zor::Button(this, QStringLiteral("Button1"), QStringLiteral("Salvar !"), QRect(182, 33, 76, 25));
    Button1->setCursor(Qt::PointingHandCursor);
    // Enter in the name field presses it.
    Button1->setDefault(true);
    zor::on(Button1, &zor::Button::mouseMoved, this, [this] { Button1MouseMove(); });
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    new zor::FocusRing(this);
}
