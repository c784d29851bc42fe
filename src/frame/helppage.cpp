#include "helppage.h"

#include "appstate.h"
#include "colours.h"
#include "names.h"
#include "picturewidgets.h"
#include "screenkit.h"
#include "sound.h"
#include "textfit.h"

#include <QFrame>
#include <QLabel>

namespace mk {

HelpPage::HelpPage(QWidget *window, const HelpRow &row, const HelpTexts &texts) : m_row(row), m_texts(texts)
{
    ScreenKit kit(window);
    m_frame = kit.addFrame(row.frame);
    m_frame->setFrameShape(QFrame::Panel);
    m_frame->setFrameShadow(QFrame::Raised);
    m_frame->setLineWidth(3);
    m_frame->hide();

    m_title = kit.addLabel(row.title, 18, true, m_frame);
    m_title->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < row.paragraphCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_paragraphs[n] = kit.addLabel(row.paragraphs[n], row.paragraphPoints, false, m_frame);
    }
}

void HelpPage::place()
{
    m_frame->move(toPixels(m_row.left, m_row.top, 0, 0).topLeft());
}

void HelpPage::toggle(PictureKey *helpKey)
{
    if (!m_frame->isHidden()) {
        m_frame->hide();
        helpKey->setPicture(names::kHelpKey.toString());
    } else {
        m_frame->show();
        m_frame->raise();
        playSoundFile(QStringLiteral("sHallo2.wav"));
        helpKey->setPicture(names::kHelpKeyOpen.toString());
    }
    if (const auto language = currentLanguage(); !m_written || language != m_written)
        write(language);
    if (m_changed)
        m_changed();
}

void HelpPage::write(std::optional<std::size_t> language)
{
    m_written = language;
    if (const auto title = cell(*m_texts.title, language))
        m_title->setText(*title);
    for (int i = 0; i < m_row.paragraphCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (const auto text = cell(*m_texts.paragraphs[n], language))
            fitText(m_paragraphs[n], *text, m_row.paragraphPoints, m_row.smallestPoints);
    }
}

void HelpPage::hide()
{
    m_frame->hide();
    if (m_changed)
        m_changed();
}

bool HelpPage::isOpen() const
{
    return !m_frame->isHidden();
}

} // namespace mk
