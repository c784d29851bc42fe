#pragma once

#include "language.h"
#include "rows.h"

#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace mk {

class PictureKey;

// The texts a screen's controls take from its tables (tooltips, label
// texts, role names, descriptions of a state), written anew on every change
// of language.
class LanguageBinding
{
public:
    void bindTip(QWidget *control, const LangTexts *tip);
    void bindTip(QWidget *control, IndexedText tip, int index);
    void bindText(QLabel *label, const LangTexts *text);
    // The role name of a key without a tooltip.
    void bindName(PictureKey *key, const LangTexts *name);
    void bindName(PictureKey *key, IndexedText name, int index);
    // A key whose picture shows a state says it in its description.
    void bindState(QWidget *control, std::function<bool()> isOn, const LangTexts *on, const LangTexts *off);
    void describeStates();

    // The texts of the current language; a code outside the six, or a cell
    // that a language lacks, leaves what is shown.
    void apply();

private:
    enum class Writes { Tip, Text, Name };
    struct Binding
    {
        QWidget *control;
        const LangTexts *texts;
        IndexedText indexed;
        int index;
        Writes writes;
    };
    struct State
    {
        QWidget *control;
        std::function<bool()> isOn;
        const LangTexts *on;
        const LangTexts *off;
    };

    std::vector<Binding> m_bindings;
    std::vector<State> m_states;
};

} // namespace mk
