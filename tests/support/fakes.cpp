#include "fakes.h"

#include "controls/picture.h"
#include "controls/timer.h"
#include "settings/store.h"
#include "zor_test_paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

namespace zortest {

QStringList FakeSound::files() const
{
    QStringList out;
    for (const auto& c : played)
        out << c.file;
    return out;
}

bool FakeMusic::open(const QString& file)
{
    log_->append(QStringLiteral("open ") + file);
    open_ = openOk_;
    return open_;
}

int FakeRandom::draw(int n)
{
    drawnFrom.append(n);
    if (script.isEmpty())
        return 0;
    return script.takeFirst() % (n > 0 ? n : 1);
}

int FakeDialogs::showModal(QDialog* dialog)
{
    modalShown.append(dialog->objectName());
    dialog->setResult(0);
    dialog->show();
    if (auto it = scripts.find(dialog->objectName()); it != scripts.end())
        (*it)(dialog);
    if (dialog->isVisible())
        dialog->close();
    return dialog->result();
}

QStringList FakeDialogs::texts(const QString& kind) const
{
    QStringList out;
    for (const auto& m : messages) {
        if (kind.isEmpty() || m.kind == kind)
            out << m.text;
    }
    return out;
}

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else // no QFile::copy: it syncs every file to the disk, which made a test wait seconds
            std::filesystem::copy_file(QFile::encodeName(src).toStdString(), QFile::encodeName(dst).toStdString(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

} // namespace

int TestEnv::openModal(QDialog* dialog, std::function<void(QDialog*)> script)
{
    if (script)
        dialogs->scripts[dialog->objectName()] = std::move(script);
    else
        dialogs->scripts.remove(dialog->objectName());
    return zor::services().dialogs->showModal(dialog);
}

QStringList shownOf(QWidget* form, const QStringList& names)
{
    QStringList out;
    for (const QString& n : names) {
        if (!control(form, n)->isHidden())
            out << n;
    }
    return out;
}

void moveOver(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool shows(const zor::Picture* p, const QString& file)
{
    return !p->picture().isNull() && p->picture().toImage() == zor::loadPictureFile(file).toImage();
}

void sendKey(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 stamp)
{
    QString text;
    if (key == Qt::Key_Space)
        text = QStringLiteral(" ");
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QStringLiteral("\r");
    else if (key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QChar(u'a' + (key - Qt::Key_A));
    QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
    e.setTimestamp(stamp);
    QApplication::sendEvent(to, &e);
}

void repeatKey(QWidget* to, Qt::Key key, quint64 from, int pairs, bool flagged)
{
    for (int i = 1; i <= pairs; ++i) {
        sendKey(to, QEvent::KeyRelease, key, flagged, from + 500 + 40 * i);
        sendKey(to, QEvent::KeyPress, key, flagged, from + 500 + 40 * i);
    }
}

void addHeldDealKeyRows()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("flagged");
    QTest::newRow("Space flagged") << int(Qt::Key_Space) << true;
    QTest::newRow("Space not flagged") << int(Qt::Key_Space) << false;
    QTest::newRow("Enter flagged") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter not flagged") << int(Qt::Key_Return) << false;
}

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

QString sourceConfigDir() { return QStringLiteral(ZOR_SOURCE_CONFIG_DIR); }
QString generatedGameDir() { return QStringLiteral(ZOR_GENERATED_GAME_DIR); }

TestEnv::TestEnv(Assets assets)
{
    static int counter = 0;
    dir_ = QDir::tempPath() + QStringLiteral("/zor-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    QDir(dir_).removeRecursively();
    QDir().mkpath(dir_);
    if (assets == WithGameFiles)
        copyTree(generatedGameDir(), dir_);
    copyTree(sourceConfigDir(), dir_ + QStringLiteral("/Config"));
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_);

    zor::Services& s = zor::services();
    s.sound = sound;
    s.random = random;
    s.dialogs = dialogs;
    s.makeMusic = [this] { return std::make_unique<FakeMusic>(&musicLog, musicOpens); };
    s.quit = [this] { ++quits; };
    s.minimise = [this] { ++minimises; };
    zor::Timer::setManualMode(true);
    zor::settings().reset();
}

TestEnv::~TestEnv()
{
    QDir::setCurrent(oldCwd_);
    QDir(dir_).removeRecursively();
}

void TestEnv::writeFile(const QString& relPath, const QByteArray& bytes) const
{
    const QString path = dir_ + u'/' + relPath;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

QByteArray TestEnv::readFile(const QString& relPath) const
{
    QFile f(dir_ + u'/' + relPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

bool TestEnv::exists(const QString& relPath) const
{
    return QFileInfo::exists(dir_ + u'/' + relPath);
}

bool TestEnv::remove(const QString& relPath) const
{
    const QString path = dir_ + u'/' + relPath;
    if (QFileInfo(path).isDir())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

QStringList titleBarButtons(QWidget* w)
{
    QStringList names;
    for (QAbstractButton* b : w->window()->findChildren<QAbstractButton*>()) {
        if (b->objectName().startsWith(QLatin1String("titleBar")))
            names.append(b->objectName());
    }
    return names;
}

} // namespace zortest
