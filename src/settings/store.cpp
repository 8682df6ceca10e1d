#include "settings/store.h"

#include "platform/errors.h"
#include "platform/signals.h"
#include "platform/textfile.h"

#include <QStringList>

namespace zor {

namespace {

struct Entry {
    const char* name;
    const char* path;
    const char* placeholder;
};

// In start-up load order. Placeholders are none of the values their setting takes.
constexpr Entry kEntries[kSettingCount] = {
    {"som", "Config/som.txt", "som"},
    {"msg", "Config/alerta.txt", "msg"},
    {"animacao", "Config/animacao.txt", "anima\r\ncao"},
    {"musica", "Config/musica.txt", "music\r\na"},
    {"memo", "Config/cor.txt", "memo"},
    {"modo", "Config/Jogos/coc/modo.txt", "m\r\nod\r\no"},
    {"dinheiro", "Config/Jogos/coc/dinheiro.txt", "M\r\ne\r\nm\r\no\r\n1"},
    {"apostas", "Config/Jogos/coc/apostas.txt", "M\r\ne\r\nm\r\no\r\n1"},
    {"ganhou", "Config/Jogos/coc/ganhou.txt", "M\r\ne\r\nm\r\no\r\n1"},
    {"perdeu", "Config/Jogos/coc/perdeu.txt", "M\r\ne\r\nm\r\no\r\n1"},
    {"nome", "Config/Jogos/coc/nome.txt", "M\r\ne\r\nm\r\no\r\n1"},
    {"valor", "Config/Jogos/coc/valor.txt", "v\r\na\r\nl\r\no\r\nr"},
    {"coc", "Config/Jogos/coc/coc.txt", "v\r\na\r\nl\r\no\r\nr"},
    {"nomecn", "Config/Jogos/cn/nome.txt", "nomecn"},
    {"design", "Config/Jogos/cn/design.txt", "nomecn"},
    {"dinheirocn", "Config/jogos/cn/dinheiro.txt", "nomecn"},
    {"ganhoucn", "Config/Jogos/cn/ganhou.txt", "nomecn"},
    {"perdeucn", "Config/Jogos/cn/perdeu.txt", "nomecn"},
    {"duasiguais", "Config/Jogos/cn/duasiguais.txt", "nomecn"},
    {"tresiguais", "Config/Jogos/cn/tresiguais.txt", "nomecn"},
    {"nenhuma", "Config/Jogos/cn/nenhuma.txt", "nomecn"},
    {"apostascn", "Config/Jogos/cn/apostas.txt", "nomecn"},
};

} // namespace

SettingsStore::SettingsStore()
{
    reset();
}

void SettingsStore::reset()
{
    for (Setting s : kAll) {
        buffers_[index(s)] = placeholder(s);
        unset_[index(s)] = true;
    }
}

QString SettingsStore::name(Setting s) { return QString::fromLatin1(kEntries[int(s)].name); }
QString SettingsStore::path(Setting s) { return QString::fromLatin1(kEntries[int(s)].path); }
QString SettingsStore::placeholder(Setting s) { return QString::fromLatin1(kEntries[int(s)].placeholder); }

QString SettingsStore::diskPath(const QString& path)
{
    static const QStringList canonical = {QStringLiteral("Config"), QStringLiteral("Jogos"),
                                          QStringLiteral("coc"), QStringLiteral("cn")};
    QStringList parts = path.split(u'/');
    // Every part but the file name is a directory.
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        for (const QString& c : canonical) {
            if (parts[i].compare(c, Qt::CaseInsensitive) == 0) {
                parts[i] = c;
                break;
            }
        }
    }
    return parts.join(u'/');
}

void SettingsStore::load(Setting s)
{
    QString text = readTextFile(diskPath(path(s)));
    // Line breaks are CR LF by now: a CR or LF alone at the end has become one.
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    buffers_[index(s)] = text;
    unset_[index(s)] = false;
}

void SettingsStore::save(Setting s)
{
    // A buffer that was never loaded nor set still holds its placeholder, which is no value
    // of its setting: its file keeps what it has. Once the program is ending on request,
    // nothing more is written.
    if (unset_[index(s)] || endRequested())
        return;
    writeTextFile(diskPath(path(s)), buffers_[index(s)]);
}

bool SettingsStore::saveSet(std::initializer_list<Setting> set)
{
    if (endRequested())
        return false;
    QList<TextFileWrite> files;
    for (Setting s : set) {
        if (!unset_[index(s)])
            files.append({diskPath(path(s)), buffers_[index(s)]});
    }
    writeTextFiles(files, diskPath(journalPath()));
    return true;
}

QString SettingsStore::journalPath()
{
    return QStringLiteral("Config/salvando.lst");
}

void SettingsStore::recoverInterruptedSave()
{
    // The committed set first: its temporaries are the new files, not leftovers.
    finishInterruptedWrites(diskPath(journalPath()));
    removeStaleTemporaries();
}

int SettingsStore::removeStaleTemporaries()
{
    int removed = removeSaveTemporaries(diskPath(journalPath()));
    for (Setting s : kAll)
        removed += removeSaveTemporaries(diskPath(path(s)));
    return removed;
}

void SettingsStore::loadAll()
{
    for (Setting s : kAll)
        load(s);
}

SettingsStore& settings()
{
    static SettingsStore store;
    return store;
}

} // namespace zor
