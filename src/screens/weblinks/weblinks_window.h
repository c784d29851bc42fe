#pragma once

// A page of eight web sites for parents and children: moving the mouse over
// an entry tells what the site is, a click opens it in the browser, and the
// page stays open until the child leaves it.

#include "frame/screen.h"

class QLabel;

namespace mk {

class WeblinksWindow : public Screen
{
    Q_OBJECT

public:
    explicit WeblinksWindow(QWidget *parent = nullptr);

private:
    void loadState() override;

    PictureKey *m_exitButton = nullptr;
    QLabel *m_text1 = nullptr;
};

} // namespace mk
