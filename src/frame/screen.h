#pragma once

#include "screenkit.h"

#include <QDialog>
#include <QStringView>

namespace mk {

// A screen opened from the start screen: a dialog with its name and size,
// built on the kit.
class Screen : public QDialog
{
    Q_OBJECT

public:
    using Row = ScreenRow;

protected:
    Screen(QWidget *parent, const Row &row);

    // The load every screen shares (ScreenKit::load), with the screen's own
    // state from loadState(). The screen's constructor calls it last.
    void load();
    virtual void loadState() {}
    bool focusNextPrevChild(bool next) override;

    ScreenKit m_kit{this};
};

} // namespace mk
