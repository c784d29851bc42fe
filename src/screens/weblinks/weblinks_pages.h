#pragma once

#include <QString>

namespace mk {

// The pages for parents are installed with the program, in pages/ beside
// BTN/ and DTA/, and open in the browser as local files: they need no
// network and no web site.

// The address of `file` in the pages folder. A link (the user's folder
// links to the installed one) is followed, so the browser is handed the
// installed page itself, which it may read where it may not read the
// user's hidden folders.
QString pageAddress(const QString &file);

// The main page in the current language; German for a code outside the six.
QString homePage();

} // namespace mk
