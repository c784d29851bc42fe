#include "lernstand_window.h"

#include "screens/lernstand/lernstand_layout.h"
#include "screens/lernstand/lernstand_looks.h"

#include "frame/appstate.h"
#include "frame/sound.h"

#include <QLabel>

namespace mk {

using namespace Qt::StringLiterals;

namespace {

using namespace lernstand;
namespace lay = lernstand::layout;

const QString kHappy = QStringLiteral("SmileyFroh.jpg");
const QString kSad = QStringLiteral("SmileyTraurig.jpg");
const QString kBlank = QStringLiteral("Fläche_leer.jpg");
constexpr int kMaxTyped = 999;

QString sign()
{
    const QString &s = app().settings.malSymbol;
    return s == u"*" ? QStringLiteral("*") : s == u"." ? QStringLiteral("·") : QStringLiteral("×");
}

QString taskText(Task t)
{
    return plain(t.a) + sign() + plain(t.b);
}

void setLook(QLabel *label, int level)
{
    const Look &look = kLooks[static_cast<std::size_t>(level)];
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colours::toQColor(look.fill));
    pal.setColor(QPalette::WindowText, colours::toQColor(look.ink));
    label->setPalette(pal);
    label->setProperty("level", level);
}

QLabel *cellLabel(ScreenKit &kit, const Place &place, int points)
{
    QLabel *label = kit.addLabel(place, points, true);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

} // namespace

LernstandWindow::LernstandWindow(QWidget *parent) : Screen(parent, lay::kWindow), m_store(app().dirs.iniDir)
{
    buildControls();
    load();
}

void LernstandWindow::buildControls()
{
    m_anzahl = m_kit.addLabel(lay::kAnzahl, 18, true);
    m_anzahl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    buildBoard();
    buildLegend();

    m_kit.addKey(lay::kUebenButton, [this] { practise(); });
    m_kit.addEar(lay::kAudio);
    m_aufgabe = m_kit.addLabel(lay::kAufgabe, 28, true);
    m_aufgabe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_kit.addPicture(lay::kErgebnisTafel, names::kAnswerSign);
    m_eingabe = m_kit.addLabel(lay::kEingabe, 24, true);
    m_eingabe->setAlignment(Qt::AlignCenter);
    m_eingabe->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_smiley = m_kit.addPicture(lay::kSmileyFeld, kBlank);
    m_textFeld = m_kit.addLabel(lay::kTextFeld, 18, true);
    m_textFeld->setAlignment(Qt::AlignCenter);

    m_kit.addGroup(lay::kRechner, [this](int d) { type(d); });
    m_kit.addKey(lay::kRadierer, [this] { erase(); });
    m_kit.addKey(lay::kOKButton, [this] { check(); });
    m_kit.addHelp(lay::kHelpButton, lay::kHelpPage, lay::kHelpTexts);
    m_kit.addLeave(lay::kExitButton, this);
}

void LernstandWindow::buildBoard()
{
    for (int cell = 0; cell < kTasks; ++cell) {
        const Place place{u"Feld", lay::kBoardLeft + lay::kCellStep * (cell % kFactors),
                          lay::kBoardTop + lay::kCellStep * (cell / kFactors), lay::kCellSize, lay::kCellSize};
        QLabel *label = cellLabel(m_kit, place, 11);
        label->setObjectName(indexedName(place.name, cell));
        m_cells.push_back(label);
    }
}

void LernstandWindow::buildLegend()
{
    for (int level = 0; level <= kKnownLevel; ++level) {
        const int top = lay::kLegendTop + lay::kLegendStep * level;
        QLabel *cell = cellLabel(m_kit, {u"Legende", lay::kLegendLeft, top, lay::kLegendCell, lay::kLegendCell}, 10);
        cell->setObjectName(indexedName(u"Legende", level));
        setLook(cell, level);
        cell->setText(kLooks[static_cast<std::size_t>(level)].mark.toString());
        QLabel *text = m_kit.addLabel({u"LegendeText", lay::kLegendTextLeft, top, lay::kLegendTextWidth, lay::kLegendCell}, 12);
        text->setObjectName(indexedName(u"LegendeText", level));
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_kit.bindText(text, &kLevelNames[static_cast<std::size_t>(level)]);
    }
}

void LernstandWindow::loadState()
{
    for (int cell = 0; cell < kTasks; ++cell)
        showCell(cell);
    showKnownCount();
    showTask();
    showTyped();
    if (const auto hint = inLanguage(kStartHint))
        m_textFeld->setText(*hint);
}

void LernstandWindow::practise()
{
    playSoundFile(QStringLiteral("sTennisBall.wav"));
    m_round = Round(m_store.progress(), QDate::currentDate(), app().settings.malReihe);
    m_typed = 0;
    m_anyTyped = false;
    m_smiley->setPicture(kBlank);
    showTask();
    showTyped();
    // Every task was answered right today and none is due: say so.
    const auto message = inLanguage(kNothingToPractise);
    m_textFeld->setText(m_round.isOver() && message ? *message : QString());
}

void LernstandWindow::type(int digit)
{
    playSoundFile(QStringLiteral("sDrop1.wav"));
    if (!m_round.current() || m_typed * 10 + digit > kMaxTyped)
        return;
    m_typed = m_typed * 10 + digit;
    m_anyTyped = true;
    showTyped();
}

void LernstandWindow::erase()
{
    playSoundFile(QStringLiteral("sBang.wav"));
    m_typed = 0;
    m_anyTyped = false;
    showTyped();
}

void LernstandWindow::check()
{
    playSoundFile(QStringLiteral("sBoingLow.wav"));
    const auto task = m_round.current();
    if (!task)
        return;
    // Nothing typed is the number 0 and wrong, as on the series screen.
    const bool right = m_anyTyped && m_typed == task->product();
    m_store.record(*task, right, QDate::currentDate());
    m_round.answered(right);
    m_smiley->setPicture(right ? kHappy : kSad);
    showCell(cellOf(*task));
    showKnownCount();
    // The right result stays in view, so a wrong answer teaches it.
    m_textFeld->setText(taskText(*task) + u" = "_s + plain(task->product()));
    if (m_round.isOver()) {
        if (const auto praise = inLanguage(kPraise))
            m_textFeld->setText(m_textFeld->text() + u"\n\n"_s + *praise);
    }
    m_typed = 0;
    m_anyTyped = false;
    showTask();
    showTyped();
}

void LernstandWindow::showCell(int cell)
{
    QLabel *label = m_cells[static_cast<std::size_t>(cell)];
    const int level = m_store.progress().level(cell);
    const Task task = taskOf(cell);
    setLook(label, level);
    const QString mark = kLooks[static_cast<std::size_t>(level)].mark.toString();
    label->setText(mark.isEmpty() ? taskText(task) : taskText(task) + u'\n' + mark);
    if (const auto lang = currentLanguage()) {
        const auto k = *lang;
        label->setAccessibleName(plain(task.a) + u' ' + kTimes[k].toString() + u' ' + plain(task.b) + u": "_s
                                 + kLevelNames[static_cast<std::size_t>(level)][k].toString());
    }
}

void LernstandWindow::showKnownCount()
{
    if (const auto text = inLanguage(kKnownCount))
        m_anzahl->setText(text->arg(m_store.progress().knownCount()));
}

void LernstandWindow::showTask()
{
    const auto task = m_round.current();
    m_aufgabe->setProperty("faktorA", task ? task->a : 0);
    m_aufgabe->setProperty("faktorB", task ? task->b : 0);
    m_aufgabe->setText(task ? taskText(*task) + u" ="_s : QString());
}

void LernstandWindow::showTyped()
{
    m_eingabe->setText(m_anyTyped ? plain(m_typed) : QString());
}

} // namespace mk
