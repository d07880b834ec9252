#include "Beep.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>

#include <QPointer>

#include <map>

namespace {

std::function<void(unsigned)>& Hook()
{
    static std::function<void(unsigned)> hook;
    return hook;
}

bool g_soundOn = true;

QString& Folder()
{
    static QString folder;
    return folder;
}

QString FileOf(unsigned type)
{
    switch (type) {
    case SOUND_TICK: return QStringLiteral("tick.wav");
    case SOUND_TIME_OUT: return QStringLiteral("timeout.wav");
    case SOUND_SOLVED: return QStringLiteral("solved.wav");
    case SOUND_WRONG_LETTER: return QStringLiteral("wrong.wav");
    default: return QStringLiteral("beep.wav");
    }
}

// One effect per file, made when first played and kept (loading again for
// every tick would lag behind the clock); the application owns them.
QSoundEffect* EffectOf(const QString& path)
{
    static std::map<QString, QPointer<QSoundEffect>> effects;
    QPointer<QSoundEffect>& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

QString PathOf(unsigned type)
{
    return QDir(Folder()).filePath(FileOf(type));
}

} // namespace

void AppBeep(unsigned type)
{
    if (!g_soundOn)
        return;
    if (Hook()) {
        Hook()(type);
        return;
    }
    const QString path = PathOf(type);
    if (!QFileInfo::exists(path)) {
        QApplication::beep(); // no sound files: the desktop's bell, where it has one
        return;
    }
    EffectOf(path)->play();
}

void SetSoundOn(bool on)
{
    g_soundOn = on;
}

bool SoundOn()
{
    return g_soundOn;
}

void SetSoundFolder(const QString& folder)
{
    Folder() = folder;
    if (Hook())
        return;
    // Loaded now, in the background, so that the first tick is on time.
    for (const unsigned type : {unsigned{SOUND_TICK}, unsigned{SOUND_TIME_OUT}, unsigned{SOUND_SOLVED},
                                unsigned{SOUND_WRONG_LETTER}, unsigned{BEEP_SIMPLE}})
        if (QFileInfo::exists(PathOf(type)))
            EffectOf(PathOf(type));
}

void SetBeepHook(std::function<void(unsigned type)> hook)
{
    Hook() = std::move(hook);
}
