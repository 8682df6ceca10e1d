// Layout of the bet dialog.
#include "games/blackjack/bet_dialog.h"

#include "controls/form.h"
#include "controls/key_repeats.h"
#include "platform/guard.h"

#include <QIcon>
#include <QLineEdit>

namespace {

QFont pixelVerdana(int px, bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

} // namespace

void Taposta::setupLayout()
{
    zor::setupForm(this, QStringLiteral("aposta"), QStringLiteral("Faça sua aposta"), QSize(272, 156));

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(0, 0, 272, 156));
    graconf->setLayoutPicture(QStringLiteral("blackjack/aposta_fundo.jpg"));

    Label2 = new zor::Label(this, QStringLiteral("Label2"), QStringLiteral("€$"), QRect(6, 24, 70, 58));
    Label2->setFont(pixelVerdana(48, false));
    Label2->setStyleSheet(QStringLiteral("background: transparent;"));

    cn = new zor::bj::BetField(this, QStringLiteral("cn"), QRect(74, 22, 118, 62));
    cn->setFont(pixelVerdana(47, true));
    cn->setAccessibleName(QStringLiteral("Valor da aposta, €$"));
    QPalette pal = cn->palette();
    pal.setColor(QPalette::Text, QColor(0x00, 0x80, 0x00));
    cn->setPalette(pal);
    cn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label1 = new zor::Label(this, QStringLiteral("Label1"), QStringLiteral(",00"), QRect(194, 24, 76, 58));
    Label1->setFont(pixelVerdana(48, false));
    Label1->setStyleSheet(QStringLiteral("background: transparent;"));

    BitBtn1 = new zor::Button(this, QStringLiteral("BitBtn1"), QStringLiteral("Apostar"), QRect(81, 106, 110, 34));
    BitBtn1->setIcon(QIcon(QStringLiteral(":/layout/blackjack/apostar.png")));
    BitBtn1->setIconSize(QSize(22, 22));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    BitBtn1->installEventFilter(this);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(0, 0, 1, 1);
    Edit1->hide();

    // Event wiring. The mouse press and release on "Apostar" reach the handlers through the
    // dialog's event filter.
    zor::on(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    zor::on(BitBtn1, &zor::Button::mouseMoved, this, [this] { FormMouseMove(); });
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    // The keys that bet act once however long they are held (a deal key held down on the table
    // repeats into this dialog); the other keys edit the amount as in any field.
    zor::ignoreKeyRepeats(this, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape});
}
