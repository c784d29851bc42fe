#include "cursors.h"
#include "icon.h"
#include "pictures.h"
#include "sounds.h"

#include "frame/names.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void report(const QString &line)
{
    std::fprintf(stderr, "malkobold-artwork: %s\n", line.toLocal8Bit().constData());
}

// What the generator made and the list of its files do not agree on.
QStringList differencesFromList(const QString &listPath, const QDir &out, const QSet<QString> &made)
{
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return {u"cannot read "_s + listPath};
    QSet<QString> declared;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            declared.insert(QString::fromUtf8(line.trimmed()));
    }
    QSet<QString> relative;
    for (const QString &path : made)
        relative.insert(out.relativeFilePath(path));
    QStringList wrong;
    for (const QString &file : relative - declared)
        wrong << u"made but not listed in "_s + listPath + u": "_s + file;
    for (const QString &file : declared - relative)
        wrong << u"listed but not made: "_s + file;
    wrong.sort();
    return wrong;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        report(u"usage: malkobold-artwork <output folder> <list of the files it makes>"_s);
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    if (const QStringList fonts = art::missingFonts(); !fonts.isEmpty()) {
        report(u"fonts not installed: "_s + fonts.join(u", "_s));
        return 1;
    }

    const QDir out(args.at(1));
    const QString btn = out.filePath(u"BTN"_s), dta = out.filePath(u"DTA"_s);
    const QString icons = out.filePath(u"icons"_s);
    if (!QDir().mkpath(btn) || !QDir().mkpath(dta) || !QDir().mkpath(icons)) {
        report(u"cannot create %1, %2 and %3"_s.arg(btn, dta, icons));
        return 1;
    }

    QStringList failed;
    QSet<QString> seen;
    // Two table rows with one name would silently overwrite each other.
    auto claim = [&seen, &failed](const QString &path) {
        if (seen.contains(path)) {
            failed << path + u" (named twice)"_s;
            return false;
        }
        seen.insert(path);
        return true;
    };

    art::Pictures pictures;
    for (art::Pictures part : {art::startPictures(), art::ballsPictures(), art::calculatorPictures(),
                               art::randomPictures(), art::seriesPictures(), art::lernstandPictures()}) {
        std::move(part.begin(), part.end(), std::back_inserter(pictures));
    }
    for (const art::Picture &picture : pictures) {
        for (const int scale : {1, 2}) {
            const QString path = btn + u'/' + (scale == 1 ? picture.file : mk::names::twinName(picture.file));
            if (claim(path) && !art::render(picture, scale).save(path, "JPG", 92))
                failed << path;
        }
    }
    for (const art::Cursor &cursor : art::cursors()) {
        for (const auto &[file, image] : {std::pair{cursor.file, cursor.image}, std::pair{mk::names::twinName(cursor.file), cursor.twin}}) {
            const QString path = btn + u'/' + file;
            if (claim(path) && !image.save(path, "ICO"))
                failed << path;
        }
    }
    for (const art::Sound &sound : art::sounds()) {
        const QString path = dta + u'/' + sound.file;
        if (!claim(path))
            continue;
        QSaveFile file(path);
        const QByteArray bytes = art::wavFile(sound.samples);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            failed << path;
    }

    // Beside BTN/ and DTA/, not in them: only the install uses the icon.
    for (const int size : art::kIconSizes) {
        const QString path = icons + u"/%1.png"_s.arg(size);
        if (claim(path) && !art::appIcon(size).save(path, "PNG"))
            failed << path;
    }

    if (!failed.isEmpty()) {
        for (const QString &path : failed)
            report(u"could not write "_s + path);
        return 1;
    }
    // The build knows the products from the list; it must be the whole truth.
    if (const QStringList wrong = differencesFromList(args.at(2), out, seen); !wrong.isEmpty()) {
        for (const QString &line : wrong)
            report(line);
        return 1;
    }
    std::printf("malkobold-artwork: %lld files in %lld ms\n", static_cast<long long>(seen.size()),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
