#include "screenkit.h"

#include "appstate.h"
#include "colours.h"
#include "sound.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>

namespace mk {

namespace {

QColor colour(colours::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips)
{
    window->setObjectName(name.toString());
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colour(colours::kWindow));
    pal.setColor(QPalette::WindowText, colour(colours::kText));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

namespace {

template<typename W, typename... Args>
W *placed(QWidget *parent, const Place &place, Args &&...args)
{
    auto *w = new W(parent, std::forward<Args>(args)...);
    w->setObjectName(place.name.toString());
    w->setGeometry(toPixels(place));
    return w;
}

} // namespace

PictureBox *addPictureBox(QWidget *parent, const Place &place)
{
    return placed<PictureBox>(parent, place);
}

PictureKey *addPictureKey(QWidget *parent, const Place &place, PictureKey::Feedback feedback)
{
    return placed<PictureKey>(parent, place, feedback);
}

QLabel *addLabel(QWidget *parent, const Place &place)
{
    auto *label = placed<QLabel>(parent, place);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame *addFrame(QWidget *parent, const Place &place)
{
    auto *frame = placed<QFrame>(parent, place);
    frame->setFrameShape(QFrame::StyledPanel);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, colour(colours::kPanel));
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    return frame;
}

QFrame *addHelpFrame(QWidget *parent, const Place &place)
{
    QFrame *frame = addFrame(parent, place);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(3);
    frame->hide();
    return frame;
}

QLabel *addHelpTitle(QFrame *helpFrame, const Place &place)
{
    QLabel *title = addLabel(helpFrame, place);
    title->setFont(textFont(18, true));
    title->setAlignment(Qt::AlignCenter);
    return title;
}

QString indexedName(QStringView group, int index)
{
    return group.toString() + u'_' + QString::number(index);
}

QFont textFont(int pointSize, bool bold)
{
    // Asking whether the family exists would read every font on the machine;
    // a missing family simply falls back to the next one.
    QFont font;
    font.setFamilies({QStringLiteral("Comic Neue"), QGuiApplication::font().family()});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QString signPicture(const QString &malSymbol)
{
    if (malSymbol == u"x")
        return QStringLiteral("Fläche_malX.jpg");
    if (malSymbol == u"*")
        return QStringLiteral("Fläche_malS.jpg");
    if (malSymbol == u".")
        return QStringLiteral("Fläche_malPunkt.jpg");
    return {};
}

QString brushPicture(int index)
{
    static const std::array<QString, kBrushCount> pictures{
        QStringLiteral("Pinsel_schwarz.jpg"), QStringLiteral("Pinsel_rot.jpg"),
        QStringLiteral("Pinsel_blau.jpg"), QStringLiteral("Pinsel_grün.jpg")};
    return index >= 0 && index < kBrushCount ? pictures[static_cast<std::size_t>(index)] : QString();
}

std::optional<QColor> brushColour(int farbe)
{
    switch (farbe) {
    case 0: return QColor(0, 0, 0);
    case 1: return QColor(255, 0, 0);
    case 2: return QColor(72, 164, 232);
    case 3: return QColor(0, 192, 0);
    default: return std::nullopt;
    }
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QString plain(int n)
{
    return QString::number(n);
}

QString padded(int n)
{
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

void toggleSound(PictureKey *ear)
{
    if (app().settings.audioStatus == 1) {
        ear->setPicture(QStringLiteral("OhrN_gedrückt.jpg"));
        // Sound is on again by the time the bang plays; the file comes last.
        changeSettings([](Settings &s) {
            s.audioStatus = 0;
            playSoundFile(QStringLiteral("sBang.wav"));
        });
    } else {
        ear->setPicture(QStringLiteral("OhrX_gedrückt.jpg"));
        changeSettings([](Settings &s) { s.audioStatus = 1; });
    }
}

bool toggleHelp(QWidget *helpFrame, PictureKey *helpKey)
{
    if (!helpFrame->isHidden()) {
        helpFrame->hide();
        helpKey->setPicture(QStringLiteral("HelpButton.jpg"));
        return false;
    }
    helpFrame->show();
    helpFrame->raise();
    playSoundFile(QStringLiteral("sHallo2.wav"));
    helpKey->setPicture(QStringLiteral("HelpPage_Leave.jpg"));
    return true;
}

void leaveScreen(QDialog *screen)
{
    playSoundFile(QStringLiteral("sSlam.wav"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    screen->accept();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace mk
