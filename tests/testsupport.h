#pragma once

#include "frame/settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>

namespace mk::test {

// A fresh working directory holding the built BTN/ and DTA/ (DTA as a real
// folder, so a test can put or remove its own 1x1.ini), made current and
// taken as the program's folders. The shared state starts from scratch.
class WorkDir
{
public:
    enum class Content { Full, NoBtn, NoDta, Empty };
    explicit WorkDir(Content content = Content::Full);
    ~WorkDir();

    QString path() const { return m_dir.path(); }
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

} // namespace mk::test
