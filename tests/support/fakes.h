#pragma once
// Test doubles of the desktop services. They record what they were asked to do.
#include "platform/services.h"

#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zor {
class Picture;
}

namespace zortest {

struct PlayedCue {
    QString file;
    bool wait;
};

class FakeSound final : public zor::SoundCues {
public:
    void play(const QString& file, bool wait) override { played.append({file, wait}); }
    void stop() override { ++stops; }
    QStringList files() const;
    QList<PlayedCue> played;
    int stops = 0;
};

// A music player that records its calls ("open", "play", "stop", "rewind").
class FakeMusic final : public zor::MusicPlayer {
public:
    explicit FakeMusic(QStringList* log, bool openSucceeds) : log_(log), openOk_(openSucceeds) {}
    bool open(const QString& file) override;
    bool isOpen() const override { return open_; }
    void play() override { if (open_) log_->append(QStringLiteral("play")); }
    void stop() override { if (open_) log_->append(QStringLiteral("stop")); }
    void rewind() override { if (open_) log_->append(QStringLiteral("rewind")); }

private:
    QStringList* log_;
    bool openOk_;
    bool open_ = false;
};

// Draws come from a script; an empty script draws 0.
class FakeRandom final : public zor::RandomSource {
public:
    void reseed() override { ++reseeds; }
    int draw(int n) override;
    QList<int> script;
    QList<int> drawnFrom; // the n of every draw
    int reseeds = 0;
};

struct Message {
    QString kind; // "message", "warning", "error"
    QString text;
};

// Message boxes are recorded instead of shown. showModal shows the dialog, runs the script
// installed for its object name (which plays the player's part: ticks a box, presses a button)
// and, if the dialog is still open afterwards, closes it as the close box would.
class FakeDialogs final : public zor::Dialogs {
public:
    void message(const QString& text) override { messages.append({QStringLiteral("message"), text}); }
    void warning(const QString& text) override { messages.append({QStringLiteral("warning"), text}); }
    void error(const QString& text) override { messages.append({QStringLiteral("error"), text}); }
    int showModal(QDialog* dialog) override;
    void beep(zor::Beep kind) override { beeps.append(kind); }

    QStringList texts(const QString& kind) const;
    QList<Message> messages;
    QList<zor::Beep> beeps;
    QStringList modalShown; // object names, in order
    QMap<QString, std::function<void(QDialog*)>> scripts;
};

// Installs the doubles into zor::services(), switches timers to manual mode and makes a
// temporary working directory holding a copy of the initial Config tree (and, where asked, the
// generated game files). The destructor restores the previous working directory.
class TestEnv {
public:
    enum Assets { NoAssets, WithGameFiles };
    explicit TestEnv(Assets assets = NoAssets);
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    // Writes bytes to a file under the working directory (directories created as needed).
    void writeFile(const QString& relPath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relPath) const;
    bool exists(const QString& relPath) const;
    bool remove(const QString& relPath) const;
    QString dir() const { return dir_; }

    // Shows a screen modally through the dialogs double; the script plays the player's part
    // while it is open.
    int openModal(QDialog* dialog, std::function<void(QDialog*)> script = {});

    std::shared_ptr<FakeSound> sound = std::make_shared<FakeSound>();
    std::shared_ptr<FakeRandom> random = std::make_shared<FakeRandom>();
    std::shared_ptr<FakeDialogs> dialogs = std::make_shared<FakeDialogs>();
    QStringList musicLog;      // every music player's calls, "open casino.mid" included
    bool musicOpens = true;    // whether the next player's open succeeds
    int quits = 0;
    int minimises = 0;

private:
    QString dir_;
    QString oldCwd_;
};

// The named control of a form; a name the form does not have ends the test run.
template <typename T = QWidget>
T* control(QWidget* form, const QString& name)
{
    T* w = form->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// The names, of those given, whose control is not hidden.
QStringList shownOf(QWidget* form, const QStringList& names);

// Sends a mouse move onto point `at` of the control, as the pointer would.
void moveOver(QWidget* w, QPoint at = QPoint(4, 4));
// Whether the picture control shows exactly the given picture file.
bool shows(const zor::Picture* p, const QString& file);

// A key event as the desktop sends it, with its time stamp in ms.
void sendKey(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 stamp);
// The repeats of a key pressed at `from` ms and held: `pairs` release and press pairs 40 ms
// apart with one time stamp each, flagged as repeats or not, as X sends them.
void repeatKey(QWidget* to, Qt::Key key, quint64 from, int pairs, bool flagged);

// The rows of a held deal key: columns "key" (Space or Enter) and "flagged" (whether the
// repeats carry Qt's auto-repeat flag, which X does not always set).
void addHeldDealKeyRows();

// The process's resident memory in KiB (VmRSS), or -1 where it cannot be read.
long residentKiB();

// The initial Config tree and generated game files, as the build lays them out.
QString sourceConfigDir();
QString generatedGameDir();

// The object names of the buttons of the program's own title bar on the window w shows in
// (none where the window is not framed), left to right.
QStringList titleBarButtons(QWidget* w);

} // namespace zortest
