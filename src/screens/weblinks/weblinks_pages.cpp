#include "weblinks_pages.h"

#include "frame/appstate.h"

#include <QFileInfo>
#include <QUrl>

#include <array>

namespace mk {

QString pageAddress(const QString &file)
{
    const QString path = app().dirs.appDir + QStringLiteral("pages/") + file;
    const QString real = QFileInfo(path).canonicalFilePath();
    return QUrl::fromLocalFile(real.isEmpty() ? path : real).toString(QUrl::FullyEncoded);
}

QString homePage()
{
    // In the order of the program's languages: D, E, S, F, NL, I.
    static constexpr std::array<const char16_t *, 6> kPages{u"de.html", u"en.html", u"es.html",
                                                           u"fr.html", u"nl.html", u"it.html"};
    return pageAddress(QString::fromUtf16(kPages[currentLanguage().value_or(0)]));
}

} // namespace mk
