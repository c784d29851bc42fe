#include "calculator_window.h"

#include "screens/calculator/calculator_layout.h"
#include "screens/calculator/calculator_texts.h"

#include "frame/appstate.h"
#include "frame/screenkit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace mk {

namespace {

namespace layout = calculator::layout;
namespace texts = calculator::texts;

QString digitPicture(int digit, QChar state)
{
    return QStringLiteral("%1%2.jpg").arg(digit, 2, 10, QLatin1Char('0')).arg(state);
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget *parent) : QDialog(parent)
{
    buildControls();
    load();
}

void CalculatorWindow::buildControls()
{
    setUpWindow(this, u"B4_Taschenrechner", layout::kWidth, layout::kHeight);
    // The keys of this screen answer without a sound.
    const auto key = [this](const Place &place, const QString &normal, const QString &pressed) {
        PictureKey *k = addPictureKey(this, place);
        k->setPictures(normal, pressed);
        return k;
    };

    m_txtRechner = new QLineEdit(this);
    m_txtRechner->setObjectName(layout::kTxtRechner.name.toString());
    m_txtRechner->setGeometry(toPixels(layout::kTxtRechner));
    m_txtRechner->setReadOnly(true);
    m_txtRechner->setFocusPolicy(Qt::NoFocus);
    m_txtRechner->setContextMenuPolicy(Qt::NoContextMenu);
    m_txtRechner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtRechner->setFont(textFont(22, true));

    for (int d = 0; d < 10; ++d) {
        m_digits[d] = key(layout::kDigits[d], digitPicture(d, u'n'), digitPicture(d, u'g'));
        connect(m_digits[d], &PictureKey::clicked, this, [this, d] { addDigit(d); });
    }
    m_cmdKomma = key(layout::kCmdKomma, QStringLiteral("TasteKomma_normal.jpg"),
                     QStringLiteral("TasteKomma_gedrückt.jpg"));
    m_cmdPlus = key(layout::kCmdPlus, QStringLiteral("TastePlus_normal.jpg"),
                    QStringLiteral("TastePlus_gedrückt.jpg"));
    m_cmdMinus = key(layout::kCmdMinus, QStringLiteral("TasteMinus_normal.jpg"),
                     QStringLiteral("TasteMinus_gedrückt.jpg"));
    m_cmdMultiply = key(layout::kCmdMultiply, QStringLiteral("TasteMal_normal.jpg"),
                        QStringLiteral("TasteMal_gedrückt.jpg"));
    m_cmdDivide = key(layout::kCmdDivide, QStringLiteral("TasteTeilen_normal.jpg"),
                      QStringLiteral("TasteTeilen_gedrückt.jpg"));
    m_cmdReslutat = key(layout::kCmdReslutat, QStringLiteral("TasteResultatBreit_normal.jpg"),
                        QStringLiteral("TasteResultatBreit_gedrückt.jpg"));
    m_cmdClear = key(layout::kCmdClear, QStringLiteral("TasteC_normal.jpg"),
                     QStringLiteral("TasteC_gedrückt.jpg"));
    m_cmdClearEntry = key(layout::kCmdClearEntry, QStringLiteral("TasteCE_normal.jpg"),
                          QStringLiteral("TasteCE_gedrückt.jpg"));
    m_helpButton = key(layout::kHelpButton, QStringLiteral("HelpButton.jpg"),
                       QStringLiteral("HelpButton_gedrückt.jpg"));
    m_exitButton = key(layout::kExitButton, QStringLiteral("ExitButton.jpg"),
                       QStringLiteral("ExitButton_gedrückt.jpg"));
    // The blank key only fills its place: no feedback, no action.
    m_cmdPlusMinus = addPictureKey(this, layout::kCmdPlusMinus, PictureKey::Feedback::None);
    m_cmdPlusMinus->setPictures(QStringLiteral("0leer.jpg"), QString());

    connect(m_cmdKomma, &PictureKey::clicked, this, &CalculatorWindow::addPoint);
    connect(m_cmdPlus, &PictureKey::clicked, this, [this] { chooseOperator(CalcOperator::Plus); });
    connect(m_cmdMinus, &PictureKey::clicked, this, [this] { chooseOperator(CalcOperator::Minus); });
    connect(m_cmdDivide, &PictureKey::clicked, this, [this] { chooseOperator(CalcOperator::Divide); });
    connect(m_cmdMultiply, &PictureKey::clicked, this, [this] { chooseOperator(CalcOperator::Multiply); });
    connect(m_cmdReslutat, &PictureKey::clicked, this, &CalculatorWindow::showResult);
    connect(m_cmdClear, &PictureKey::clicked, this, &CalculatorWindow::clearAll);
    connect(m_cmdClearEntry, &PictureKey::clicked, this, &CalculatorWindow::clearEntry);
    connect(m_helpButton, &PictureKey::clicked, this, &CalculatorWindow::toggleHelpPage);
    connect(m_exitButton, &PictureKey::clicked, this, [this] { leaveScreen(this); });

    // The help page covers the keys, so it comes last.
    m_frame3 = addHelpFrame(this, layout::kFrame3);
    m_label4 = addHelpTitle(m_frame3, layout::kLabel4);
    m_label1 = addLabel(m_frame3, layout::kLabel1);
    m_label1->setFont(textFont(14));
}

void CalculatorWindow::load()
{
    centerForm(this, 4);
    setThickBorder(this);
    m_frame3->move(toPixels(layout::kHelpLeft, layout::kHelpTop, 0, 0).topLeft());

    for (int d = 1; d < 10; ++d)
        m_digits[d]->showNormal();
    for (PictureKey *k : {m_cmdKomma, m_cmdClearEntry, m_cmdClear, m_cmdPlus, m_cmdMinus, m_cmdDivide,
                          m_cmdMultiply, m_cmdReslutat, m_cmdPlusMinus, m_digits[0], m_exitButton,
                          m_helpButton})
        k->showNormal();

    if (const auto tip = inLanguage(texts::kExitTooltip))
        m_exitButton->setToolTip(*tip);
    if (const auto tip = inLanguage(texts::kHelpTooltip))
        m_helpButton->setToolTip(*tip);
    setWindowTitle(inLanguage(texts::kHelpTitle).value_or(QStringLiteral("Malkobold 1x1")));

    showDisplay();
}

void CalculatorWindow::addDigit(int digit)
{
    m_engine.addDigit(digit);
    showDisplay();
}

void CalculatorWindow::addPoint()
{
    m_engine.addPoint();
    showDisplay();
}

void CalculatorWindow::chooseOperator(CalcOperator op)
{
    report(m_engine.setOperator(op));
    showDisplay();
}

void CalculatorWindow::showResult()
{
    report(m_engine.result());
    showDisplay();
}

void CalculatorWindow::clearAll()
{
    m_engine.clear();
    showDisplay();
}

void CalculatorWindow::clearEntry()
{
    m_engine.clearEntry();
    showDisplay();
}

void CalculatorWindow::toggleHelpPage()
{
    toggleHelp(m_frame3, m_helpButton);
    if (const auto title = inLanguage(texts::kHelpTitle))
        m_label4->setText(*title);
    if (const auto text = inLanguage(texts::kHelpText))
        m_label1->setText(*text);
}

void CalculatorWindow::showDisplay()
{
    m_txtRechner->setText(m_engine.display());
}

void CalculatorWindow::report(CalcError error)
{
    if (error == CalcError::None)
        return;
    QMessageBox box(QMessageBox::Information, texts::kErrorTitle.toString(), texts::kErrorText.toString(),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace mk
