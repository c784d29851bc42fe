#include "weblinks_window.h"

#include "screens/weblinks/weblinks_layout.h"
#include "screens/weblinks/weblinks_links.h"
#include "screens/weblinks/weblinks_texts.h"

#include "frame/sharedkeys.h"
#include "frame/sound.h"
#include "frame/window.h"

#include <QLabel>

namespace mk {

namespace layout = weblinks::layout;
namespace texts = weblinks::texts;

WeblinksWindow::WeblinksWindow(QWidget *parent) : Screen(parent, layout::kWindow)
{
    QLabel *heading = m_kit.addLabel(layout::kLabel1, 18, true);
    heading->setText(texts::kHeading.toString());

    m_text1 = m_kit.addLabel(layout::kText1, 13);
    m_kit.bindText(m_text1, &texts::kIntro);

    for (std::size_t i = 0; i < weblinks::kLinks.size(); ++i) {
        const weblinks::Link &link = weblinks::kLinks[i];
        const Place &place = layout::kWebadressen[i];
        KeyLabel *entry = m_kit.addKeyLabel(place, 11, [this, &link] { openInBrowser(this, weblinks::address(link)); });
        entry->setObjectName(indexedName(place.name, static_cast<int>(i)));
        if (link.caption) {
            // German stays for a language outside the six.
            entry->setText(link.caption->front().toString());
            m_kit.bindText(entry, link.caption);
        } else {
            entry->setText(weblinks::siteCaption(link));
        }
        entry->setWordWrap(false);
        QFont font = entry->font();
        font.setUnderline(true);
        entry->setFont(font);
        setTextColour(entry, QColor(20, 60, 190));
        const QString description = link.description.toString();
        connect(entry, &KeyLabel::mouseMoved, this, [this, description] { m_text1->setText(description); });
    }

    m_exitButton = m_kit.addLeave(layout::kExitButton, this);
    load();
}

void WeblinksWindow::loadState()
{
    playSoundFile(QStringLiteral("sGitarre"));
    m_exitButton->setPicture(layout::kExitAtLoad.toString());
    // The German introduction stays for a language outside the six.
    m_text1->setText(texts::kIntro[0].toString());
}

} // namespace mk
