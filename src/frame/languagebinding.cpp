#include "languagebinding.h"

#include "appstate.h"
#include "picturewidgets.h"

#include <QLabel>

namespace mk {

void LanguageBinding::bindTip(QWidget *control, const LangTexts *tip)
{
    m_bindings.push_back({control, tip, nullptr, 0, Writes::Tip});
}

void LanguageBinding::bindTip(QWidget *control, IndexedText tip, int index)
{
    m_bindings.push_back({control, nullptr, tip, index, Writes::Tip});
}

void LanguageBinding::bindText(QLabel *label, const LangTexts *text)
{
    m_bindings.push_back({label, text, nullptr, 0, Writes::Text});
}

void LanguageBinding::bindName(PictureKey *key, const LangTexts *name)
{
    m_bindings.push_back({key, name, nullptr, 0, Writes::Name});
}

void LanguageBinding::bindName(PictureKey *key, IndexedText name, int index)
{
    m_bindings.push_back({key, nullptr, name, index, Writes::Name});
}

void LanguageBinding::bindState(QWidget *control, std::function<bool()> isOn, const LangTexts *on,
                                const LangTexts *off)
{
    m_states.push_back({control, std::move(isOn), on, off});
}

void LanguageBinding::describeStates()
{
    const auto language = currentLanguage();
    for (const State &s : m_states) {
        if (const auto text = cell(s.isOn() ? *s.on : *s.off, language))
            s.control->setAccessibleDescription(*text);
    }
}

void LanguageBinding::apply()
{
    const auto language = currentLanguage();
    if (!language)
        return;
    for (const Binding &b : m_bindings) {
        const std::optional<QString> text = b.indexed ? b.indexed(*language, b.index) : cell(*b.texts, language);
        if (!text)
            continue;
        switch (b.writes) {
        case Writes::Tip:
            b.control->setToolTip(*text);
            break;
        case Writes::Text:
            static_cast<QLabel *>(b.control)->setText(*text);
            break;
        case Writes::Name:
            static_cast<PictureKey *>(b.control)->setRoleName(*text);
            break;
        }
    }
    describeStates();
}

} // namespace mk
