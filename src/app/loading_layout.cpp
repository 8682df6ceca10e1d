// Layout of the loading screen.
#include "app/loading.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"

#include <QStyle>

void TLoading::layout()
{
    zor::setupForm(this, QStringLiteral("Loading"), QStringLiteral("Carregando Cassino ZOR..."), kStepping);
    setCursor(Qt::BusyCursor); // the application-starting cursor

    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(0, 0, 323, 94));
    Image1->setLayoutPicture(QStringLiteral("loading/Image1.jpg"));
    Image1->setCursor(Qt::WaitCursor);

    Label1 = new zor::Label(this, QStringLiteral("Label1"), QStringLiteral("Criando Objetos..."),
                            QRect(10, 38, 302, 16));
    Label1->setFont(zor::verdana(8, true));
    // Colour value 5963776 is blue 0x5B in the layout's BGR order.
    Label1->setStyleSheet(QStringLiteral("color: #00005B; background: transparent;"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(10, 56, 302, 12);
    ProgressBar1->setRange(0, 8);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    BitBtn1 = new zor::Button(this, QStringLiteral("BitBtn1"), QStringLiteral("&Cancelar Entrada"),
                              QRect(96, 72, 130, 22));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setAutoDefault(false);
    zor::on(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    Timer1 = new zor::Timer(this, QStringLiteral("Timer1"), 1529, true);
    zor::on(Timer1, &zor::Timer::timeout, this, [this] { Timer1Timer(); });
    Timer2 = new zor::Timer(this, QStringLiteral("Timer2"), 278, true);
    zor::on(Timer2, &zor::Timer::timeout, this, [this] { Timer2Timer(); });
    new zor::FocusRing(this);
}
