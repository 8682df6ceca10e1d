#pragma once
// The settings store: 22 named in-memory text buffers, each the mirror of one file of the
// Config tree. Screens read and change the buffers; a file is read only by an explicit Load and
// written only by an explicit Save. A buffer holds its file's whole text (line breaks as CR LF).
#include <QString>
#include <array>
#include <initializer_list>

namespace zor {

enum class Setting {
    som, msg, animacao, musica, memo,
    modo, dinheiro, apostas, ganhou, perdeu, nome, valor, coc,
    nomecn, design, dinheirocn, ganhoucn, perdeucn, duasiguais, tresiguais, nenhuma, apostascn,
};
constexpr int kSettingCount = 22;

class SettingsStore {
public:
    SettingsStore();

    QString get(Setting s) const { return buffers_[index(s)]; }
    void set(Setting s, const QString& text)
    {
        buffers_[index(s)] = text;
        unset_[index(s)] = false;
    }
    // Whether the buffer still holds its placeholder: it was neither loaded nor set since the
    // start (or a reset). A value equal to the placeholder's text ("nomecn" typed as a name)
    // is a real value.
    bool holdsPlaceholder(Setting s) const { return unset_[index(s)]; }
    // Reads the file into the buffer (see readTextFile). One line break at the very end of the
    // file (CR LF, LF or CR, as text editors add) is not part of the value and is dropped. On
    // failure throws the "Cannot open file" AppError and keeps the buffer's text.
    void load(Setting s);
    // Writes the buffer to its file (see writeTextFile). Throws the "Cannot create file" AppError.
    // A buffer still holding its placeholder is not written, nor anything once the program is
    // ending on request.
    void save(Setting s);
    // Writes the buffers to their files as one set (see writeTextFiles): after a failure, and
    // after a kill at any instant followed by recoverInterruptedSave, either every file holds
    // its new text or every file its old one. A failure throws the "Cannot create file" AppError
    // of the first file that could not be written, with no file changed. Buffers holding their
    // placeholders are left out. Returns false, writing nothing, once the program is ending on
    // request: the caller then reports nothing either.
    bool saveSet(std::initializer_list<Setting> set);
    // At start-up, before the first load: finishes the set a killed saveSet had committed and
    // removes the temporaries of saves killed before their commit, so every set is whole, old
    // or new. Throws the "Cannot create file" AppError if a committed set cannot be finished.
    void recoverInterruptedSave();
    // Removes the temporary files that saves killed before their rename left beside the
    // store's files (and nothing else). Returns how many were removed.
    int removeStaleTemporaries();
    // The journal of a set being saved; it exists only while saveSet renames.
    static QString journalPath();
    // The start-up load: every buffer in table order; the first failure stops it, leaving the
    // buffers after it untouched.
    void loadAll();
    // Puts every buffer back to its placeholder.
    void reset();

    // Buffer name ("som") and the file path as the program spells it ("Config/som.txt").
    static QString name(Setting s);
    static QString path(Setting s);
    static QString placeholder(Setting s);
    // The path on disk: the directory names Config, Jogos, coc and cn are matched whatever
    // their letter case ("Config/jogos/cn/x" and "Config/Jogos/cn/x" are one file).
    static QString diskPath(const QString& path);

    static constexpr Setting kAll[kSettingCount] = {
        Setting::som, Setting::msg, Setting::animacao, Setting::musica, Setting::memo,
        Setting::modo, Setting::dinheiro, Setting::apostas, Setting::ganhou, Setting::perdeu,
        Setting::nome, Setting::valor, Setting::coc, Setting::nomecn, Setting::design,
        Setting::dinheirocn, Setting::ganhoucn, Setting::perdeucn, Setting::duasiguais,
        Setting::tresiguais, Setting::nenhuma, Setting::apostascn,
    };

private:
    static int index(Setting s) { return int(s); }
    std::array<QString, kSettingCount> buffers_;
    std::array<bool, kSettingCount> unset_;
};

// The one store of the program, alive for the whole run.
SettingsStore& settings();

// Shorthands of the readers.
inline QString setting(Setting s) { return settings().get(s); }
// Switches compare the whole text exactly.
inline bool isOn(Setting s) { return settings().get(s) == QLatin1String("s"); }
inline bool isOff(Setting s) { return settings().get(s) == QLatin1String("n"); }

} // namespace zor
