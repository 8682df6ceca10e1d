#include "shell/player_name.h"

#include "app/screens.h"
#include "platform/services.h"
#include "platform/signals.h"
#include "shell/name_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

namespace zor {

QString namePrompt()
{
    return QStringLiteral("Clique aqui para Editar o seu Nome");
}

QString shownName(const QString& name, const QFont& font, int width)
{
    qsizetype end = name.size();
    for (QChar stop : {QChar(u'\r'), QChar(u'\n')}) {
        const qsizetype at = name.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    const bool cut = end > kShownNameChars;
    QString line = name.left(std::min<qsizetype>(end, kShownNameChars));
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u' ';
    }
    // A name cut at its character limit ends in "…" however wide the label may be.
    if (cut)
        line.append(QChar(0x2026));
    return QFontMetrics(font).elidedText(line, Qt::ElideRight, width);
}

PlayerName::Game PlayerName::coinTable()
{
    return {kNomeCaraOuCoroa, Setting::nome};
}

PlayerName::Game PlayerName::slotMachine()
{
    return {kNomeCacaNiquel, Setting::nomecn};
}

PlayerName::PlayerName(QLabel* label, QWidget* strip, Game game)
    : label_(label), strip_(strip), game_(game)
{
    label_->setTextFormat(Qt::PlainText);
    setCaption(namePrompt());
}

void PlayerName::setCaption(const QString& text)
{
    caption_ = text;
    const QString shown = shownName(text, label_->font());
    const int width = label_->fontMetrics().horizontalAdvance(shown) + 6;
    if (label_->text() != shown)
        label_->setText(shown);
    if (label_->width() != width)
        label_->resize(width, label_->height());
    if (strip_ && strip_->width() != width + 3)
        strip_->resize(width + 3, strip_->height());
}

QString PlayerName::fromBuffer() const
{
    const QString name = settings().get(game_.buffer);
    if (name.isEmpty() || settings().holdsPlaceholder(game_.buffer))
        return namePrompt();
    return name;
}

void PlayerName::ask()
{
    nomeChamador = game_.caller;
    dialogs().showModal(frm_nome);
    setCaption(fromBuffer());
}

bool PlayerName::askIfUnset()
{
    if (isSet())
        return true;
    ask();
    if (endRequested())
        return false;
    label_->show();
    if (strip_)
        strip_->show();
    return true;
}

void PlayerName::afterSave()
{
    if (isSet() || !settings().get(game_.buffer).isEmpty()) {
        settings().load(game_.buffer);
        setCaption(fromBuffer());
    } else {
        setCaption(namePrompt());
    }
}

void PlayerName::load()
{
    settings().load(game_.buffer);
    setCaption(fromBuffer());
}

} // namespace zor
