#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

namespace mk {

// One text in the six languages, in the order D, E, S, F, NL, I.
using LangTexts = std::array<QStringView, 6>;

// The cell of a language that has no such text: the control keeps what it
// shows. An empty text is u"" and is written as such.
inline constexpr QStringView kMissing{};

inline constexpr std::array<QStringView, 6> kLanguageCodes{
    {u"D", u"E", u"S", u"F", u"NL", u"I"}};

// The index of a language code; none for any code outside the six.
inline std::optional<std::size_t> languageIndex(QStringView code)
{
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (kLanguageCodes[i] == code)
            return i;
    }
    return std::nullopt;
}

// The cell of `language`; none for a code outside the six or a cell the
// language lacks (kMissing).
inline std::optional<QString> cell(const LangTexts &texts, std::optional<std::size_t> language)
{
    if (!language || *language >= texts.size() || texts[*language].isNull())
        return std::nullopt;
    return texts[*language].toString();
}

} // namespace mk
