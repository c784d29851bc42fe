#pragma once

// The start screen: the child picks the language, the multiplication sign
// and a row, switches sound on or off, and opens the three ways of learning
// and the calculator from here. Building it is the program's start-up.

#include "frame/screenkit.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace mk {

class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget *parent = nullptr);

    static QString homePage();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    enum class Sign { X, Star, Dot };

    void buildControls();
    void startUp();
    void loadState();

    void chooseSign(Sign sign);
    void chooseLanguage(int k);
    void clearLanguageMarkers();
    void applyLanguage();
    // The screen's own texts of the current language; the kit writes the rest.
    void showLanguage();
    void chooseRow(int k);
    void showMethodHint(int k);
    void endProgram();

    template<typename Screen>
    void openScreen();

    ScreenKit m_kit{this};
    std::vector<PictureBox *> m_spWahl;
    PictureBox *m_gewaehltesMalzeichen = nullptr;
    PictureKey *m_audio = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_textFeldKlein = nullptr;
    QLabel *m_versionsfeld = nullptr;
};

} // namespace mk
