#pragma once

#include "frame/settings.h"
#include "frame/sound.h"

#include <QByteArray>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace mk::test {

// A fresh working directory holding the built BTN/, DTA/ and pages/ (DTA as a real
// folder, so a test can put or remove its own 1x1.ini), made current and
// taken as the program's folders. The shared state starts from scratch.
class WorkDir
{
public:
    enum class Content { Full, NoBtn, NoDta, Empty };
    explicit WorkDir(Content content = Content::Full);
    ~WorkDir();

    QString path() const { return m_dir.path(); }
    // Waits for the settings writes the program asked for, so the file is as it left it.
    QString iniPath() const;
    void writeIni(const QByteArray &bytes) const;
    QByteArray readIni() const;
    bool iniExists() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Records every sound that reaches the platform, in order, as file names
// relative to DTA/.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    QStringList names() const;
    void clear();

private:
    std::shared_ptr<QStringList> m_paths;
};

// Catches the program's exit so a test can see it without ending.
class EndCatcher
{
public:
    EndCatcher();
    ~EndCatcher();
    int count() const { return *m_count; }

private:
    std::shared_ptr<int> m_count;
};

template<typename T = QWidget>
T *child(const QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}

// Fails the running test with the name of a control that is not there, and
// gives a hidden parent for the stand-in that takes its place.
QWidget *missingControl(const QString &name, const char *type);

// The control `name` of type T below `root`, or `root` itself. One that is
// missing (or of another type) fails the test with its name; a stand-in of
// the asked type is returned so that the test reports instead of crashing.
template<typename T = QWidget>
T *control(const QWidget *root, const QString &name)
{
    if (root->objectName() == name)
        if (T *self = qobject_cast<T *>(const_cast<QWidget *>(root)))
            return self;
    if (T *found = root->findChild<T *>(name))
        return found;
    return new T(missingControl(name, T::staticMetaObject.className()));
}

// A screen in a fresh working directory with its sounds recorded: those of
// its load in `loadSounds`, the later ones in `sounds`. `prepare` runs in that
// directory before the screen is built (to put a settings file there or set
// the shared settings).
template<typename Window>
class ScreenFixture
{
public:
    explicit ScreenFixture(const std::function<void(WorkDir &)> &prepare = {},
                           WorkDir::Content content = WorkDir::Content::Full)
        : dir(content)
    {
        if (prepare)
            prepare(dir);
        sounds.clear();
        window = std::make_unique<Window>();
        loadSounds = sounds.names();
        sounds.clear();
    }

    QWidget *operator()(const QString &name) const { return control(window.get(), name); }
    QLabel *label(const QString &name) const { return control<QLabel>(window.get(), name); }
    QString text(const QString &name) const { return label(name)->text(); }
    QString pic(const QString &name) const;
    QString tip(const QString &name) const { return (*this)(name)->toolTip(); }
    void click(const QString &name) const;

    WorkDir dir;
    SoundRecorder sounds;
    std::unique_ptr<Window> window;
    QStringList loadSounds;
};

// A table of controls for a data-driven test: where each one sits, the
// picture it shows (null: not checked), and for a key the picture a press
// shows (null: not a key; empty: the press keeps the picture) and whether the
// press shows the pressing hand. Rows are named after their control.
void controlColumns();
void controlRow(const QString &name, QRect place, const char16_t *normal = nullptr,
                const char16_t *pressed = nullptr, bool hands = true);
// Checks the current row on `w`; `readyForPress` brings a key to where it
// takes presses. The press and release are made with the right button,
// which gives the feedback but does not click.
void checkControl(QWidget *w, const std::function<void()> &readyForPress = {});

// The settings file as the program writes it: eleven lines ended by CR LF,
// the header, then each label and its value (texts quoted, numbers bare).
QByteArray settingsFile(const QString &sign, const QString &language, int row, int audio, int colour);

// A layout place in twips as the pixels it takes (15 twips to the pixel).
QRect pixels(int left, int top, int width, int height);

// Catches every address handed to the browser while it lives, and whether
// the wait cursor was up as it was handed over.
class BrowserCatcher : public QObject
{
    Q_OBJECT
public:
    BrowserCatcher();
    ~BrowserCatcher() override;
    QList<QUrl> urls;
    QList<bool> waiting;

public slots:
    void open(const QUrl &url);
};

// Puts `source` in place of the program's random generator while it lives.
class RandomGuard
{
public:
    explicit RandomGuard(std::function<float()> source);
    // Draws the values in turn, from the first again after the last.
    explicit RandomGuard(std::vector<float> draws);
    ~RandomGuard();
    RandomGuard(const RandomGuard &) = delete;
    RandomGuard &operator=(const RandomGuard &) = delete;
};

// Hears the real player without an audio device: every voice it starts or
// stops is noted, in order, as "start name" or "stop name" (names relative
// to DTA/). The player works on a thread of its own, so wait for the events
// (QTRY_COMPARE). Takes the place of any sound recorder while it lives.
class VoiceLog
{
public:
    VoiceLog();
    ~VoiceLog();
    QStringList events() const;
    VoiceLog(const VoiceLog &) = delete;
    VoiceLog &operator=(const VoiceLog &) = delete;

    struct Events;

private:
    std::shared_ptr<Events> m_events;
};

QString picture(const QWidget *w);
QString cursorFile(const QWidget *w);

void press(QWidget *w, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget *w, Qt::MouseButton button = Qt::LeftButton);
void click(QWidget *w);
void hover(QWidget *w);

// Runs `body` on the modal screen as soon as one is active (it must close
// it), while `open` starts it. Returns the modal screen's object name.
QString withModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body);

Settings settingsOf(const QByteArray &bytes);

template<typename Window>
QString ScreenFixture<Window>::pic(const QString &name) const
{
    return picture((*this)(name));
}

template<typename Window>
void ScreenFixture<Window>::click(const QString &name) const
{
    mk::test::click((*this)(name));
}

} // namespace mk::test
