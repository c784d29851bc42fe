#include "frame/appstate.h"
#include "frame/userfolder.h"
#include "frame/version.h"
#include "screens/start/start_window.h"
#include "screens/weblinks/weblinks_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

void say(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

struct Options
{
    bool userData = false;
    bool links = false;
};

// Read before the application object exists: --help, --version and a
// mistyped option need no display and never open a window. Gives the exit
// status where the program ends here.
std::optional<int> readOptions(int argc, char *argv[], Options &options)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(u"Malkobold teaches young children the multiplication table."_s);
    // Qt's own help option would also offer --help-all with the toolkit's
    // options, which this program does not take.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and end."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version and end."_s);
    const QCommandLineOption userData(
        u"user-data"_s,
        u"Keep the choices in a folder of your own ($XDG_DATA_HOME/malkobold) and run there."_s);
    const QCommandLineOption links(u"links"_s, u"Open only the page of web links; leaving it ends the program."_s);
    parser.addOptions({help, version, userData, links});
    if (!parser.parse(arguments)) {
        say(stderr, u"malkobold: %1 Try 'malkobold --help'.\n"_s.arg(parser.errorText()));
        return 2;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        say(stderr, u"malkobold: Unexpected argument '%1'. Try 'malkobold --help'.\n"_s.arg(extra.first()));
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        say(stdout, parser.helpText().replace(u"<executable_name>"_s, u"malkobold"_s));
        return 0;
    }
    if (parser.isSet(version)) {
        say(stdout, u"malkobold %1\n"_s.arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    options = {parser.isSet(userData), parser.isSet(links)};
    return std::nullopt;
}

// The start screen takes its folders from the working directory.
void enterUserFolder()
{
    const mk::UserFolder folder = mk::prepareUserFolder(
        mk::installedDataFolder(QCoreApplication::applicationDirPath()), mk::defaultUserFolder());
    if (!folder.problem.isEmpty())
        say(stderr, u"malkobold: %1\n"_s.arg(folder.problem));
    if (!folder.runIn.isEmpty() && !QDir::setCurrent(folder.runIn))
        say(stderr, u"malkobold: cannot enter %1\n"_s.arg(folder.runIn));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(u"malkobold"_s);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(mk::kVersion));
    Options options;
    if (const auto status = readOptions(argc, argv, options))
        return *status;

    QApplication app(argc, argv);
    if (options.userData)
        enterUserFolder();
    if (options.links) {
        // The page alone: the folders and choices as the start-up finds
        // them, and, like the page itself, nothing written.
        mk::setDirectories(QDir::currentPath());
        mk::loadSettings();
        mk::WeblinksWindow page;
        page.exec();
        return 0;
    }
    mk::StartWindow start;
    start.show();
    return QApplication::exec();
}
