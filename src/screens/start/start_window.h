#pragma once

// The start screen: the child picks the language, the multiplication sign
// and a row, switches sound on or off, and opens the three ways of learning
// and the calculator from here. Building it is the program's start-up.

#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace mk {

class PictureBox;
class PictureKey;

class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget *parent = nullptr);

    static QString homePage();

private:
    enum class Sign { X, Star, Dot };

    void buildControls();
    void startUp();
    void loadInitialPictures();

    void chooseSign(Sign sign);
    void chooseLanguage(int k);
    void clearLanguageMarkers();
    void applyLanguage();
    void chooseRow(int k);
    void toggleHelpPanel();
    void showMethodHint(int k);
    void endProgram();

    template<typename Screen>
    void openScreen();

    PictureKey *m_titelPic = nullptr;
    std::array<PictureKey *, 6> m_sprachTaste{};
    std::array<PictureBox *, 6> m_spWahl{};
    PictureKey *m_malX = nullptr;
    PictureKey *m_malStern = nullptr;
    PictureKey *m_malPunkt = nullptr;
    PictureBox *m_gewaehltesMalzeichen = nullptr;
    std::array<PictureKey *, 10> m_zahl1{};
    PictureKey *m_okButton = nullptr;
    PictureKey *m_malZeichenWahl = nullptr;
    PictureKey *m_wuerfel = nullptr;
    PictureKey *m_tRechnerButton = nullptr;
    std::array<PictureBox *, 3> m_image2{};
    PictureKey *m_webTaste = nullptr;
    PictureKey *m_audio = nullptr;
    PictureKey *m_helpButton = nullptr;
    PictureKey *m_exitButton = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_textFeldKlein = nullptr;
    QLabel *m_copyRightText = nullptr;
    QLabel *m_versionsfeld = nullptr;
    QFrame *m_frame3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
};

} // namespace mk
