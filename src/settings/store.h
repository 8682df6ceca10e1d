#pragma once
// The settings store: 22 named in-memory text buffers, each the mirror of one file of the
// Config tree. Screens read and change the buffers; a file is read only by an explicit Load and
// written only by an explicit Save. A buffer holds its file's whole text (line breaks as CR LF).
#include <QString>
#include <array>

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
    void set(Setting s, const QString& text) { buffers_[index(s)] = text; }
    // Reads the file into the buffer. On failure throws the "Cannot open file" AppError and
    // keeps the buffer's text.
    void load(Setting s);
    // Writes the buffer to its file (see writeTextFile). Throws the "Cannot create file" AppError.
    // A buffer still holding its placeholder is not written, nor anything once the program is
    // ending on request.
    void save(Setting s);
    // Removes the temporary files that saves killed before their rename left beside the
    // store's files (and nothing else). Returns how many were removed.
    int removeStaleTemporaries();
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
};

// The one store of the program, alive for the whole run.
SettingsStore& settings();

// Shorthands of the readers.
inline QString setting(Setting s) { return settings().get(s); }
// Switches compare the whole text exactly.
inline bool isOn(Setting s) { return settings().get(s) == QLatin1String("s"); }
inline bool isOff(Setting s) { return settings().get(s) == QLatin1String("n"); }

} // namespace zor
