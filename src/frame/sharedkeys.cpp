#include "sharedkeys.h"

#include "appstate.h"
#include "keytexts.h"
#include "names.h"
#include "picturewidgets.h"
#include "screenkit.h"
#include "sound.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>

namespace mk {

PictureKey *ScreenKit::addEar(const Place &place, const LangTexts *tip)
{
    PictureKey *ear = addKey({place, names::kEarOn, {}, Feedback::CursorOnly, tip, &keytexts::kEar});
    m_texts.bindState(ear, [] { return app().settings.audioStatus != 1; }, &keytexts::kSoundOn, &keytexts::kSoundOff);
    QObject::connect(ear, &PictureKey::clicked, m_window, [this, ear] {
        toggleSound(ear);
        m_texts.describeStates();
    });
    return ear;
}

PictureKey *ScreenKit::addHelp(const KeyRow &key, const HelpRow &page, const HelpTexts &texts)
{
    PictureKey *helpKey = addKey(key);
    if (!key.name)
        m_texts.bindName(helpKey, &keytexts::kHelp);
    m_help = std::make_unique<HelpPage>(m_window, page, texts);
    m_texts.bindState(helpKey, [this] { return m_help->isOpen(); }, &keytexts::kHelpOpen, &keytexts::kHelpClosed);
    m_help->onOpenOrClose([this] { m_texts.describeStates(); });
    QObject::connect(helpKey, &PictureKey::clicked, m_window, [this, helpKey] { m_help->toggle(helpKey); });
    return helpKey;
}

PictureKey *ScreenKit::addLeave(const KeyRow &key, QDialog *screen)
{
    PictureKey *leave = addKey(key, [screen] { leaveScreen(screen); });
    if (!key.name)
        m_texts.bindName(leave, &keytexts::kLeave);
    return leave;
}

std::vector<PictureKey *> ScreenKit::addBrushes(const std::array<Place, 4> &places, Feedback feedback,
                                                IndexedText tip)
{
    m_hasBrushes = true;
    return addGroup(groupRow(places, brushPicture, nullptr, feedback, tip, keytexts::brushName),
                    [this](int i) { chooseColour(i); });
}

void ScreenKit::colourWithBrush(QLabel *label)
{
    m_coloured.push_back(label);
}

void ScreenKit::chooseColour(int farbe)
{
    if (const auto colour = brushColour(farbe)) {
        for (QLabel *label : m_coloured)
            setTextColour(label, *colour);
    }
    changeSettings([farbe](Settings &s) { s.farbe = static_cast<qint16>(farbe); });
}

void toggleSound(PictureKey *ear)
{
    if (app().settings.audioStatus == 1) {
        ear->setPicture(names::kEarOnPressed.toString());
        // Sound is on again by the time the bang plays; the file comes last.
        changeSettings([](Settings &s) {
            s.audioStatus = 0;
            playSoundFile(QStringLiteral("sBang.wav"));
        });
    } else {
        ear->setPicture(names::kEarOffPressed.toString());
        changeSettings([](Settings &s) { s.audioStatus = 1; });
    }
}

void leaveScreen(QDialog *screen)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    playSoundFile(QStringLiteral("sSlam.wav"));
    screen->accept();
    QGuiApplication::restoreOverrideCursor();
}

std::optional<QColor> brushColour(int farbe)
{
    if (farbe < 0 || farbe >= static_cast<int>(names::kBrushCount))
        return std::nullopt;
    return colours::toQColor(names::kBrushes[static_cast<std::size_t>(farbe)].colour);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QString brushPicture(int index)
{
    return names::kBrushes[static_cast<std::size_t>(index)].picture.toString();
}

} // namespace mk
