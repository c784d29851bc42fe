// A floor for the program's start-up: the least a Qt Widgets program does to
// show a window, one label in it. Built with MK_FLOOR_SOUND it also plays the
// short sound named on its command line, as soon as the sound is ready.

#include <QApplication>
#include <QLabel>
#ifdef MK_FLOOR_SOUND
#include <QSoundEffect>
#include <QUrl>
#endif

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("7 x 8 = 56"));
    label.resize(400, 200);
#ifdef MK_FLOOR_SOUND
    QSoundEffect click;
    QObject::connect(&click, &QSoundEffect::statusChanged, &click, [&click] {
        if (click.status() == QSoundEffect::Ready)
            click.play();
    });
    if (argc > 1)
        click.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
#endif
    label.show();
    return QApplication::exec();
}
