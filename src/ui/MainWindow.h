// frmMain: the green 640 x 420 table with its menu bar, the 60 card widgets,
// the four seat panels, the solitaire status lines, the hand marker and the
// banner sprite. It is the engine's TableView.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <string>

#include "engine/TableView.h"

class QAction;
class QLabel;
class CardWidget;
class SpriteWidget;
class ShapeWidget;

class MainWindow : public QMainWindow, public TableView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: card widgets 1..59 join the layout's card 0, hidden, 48 x 65, pCard = index.
    void CreateCardWidgets();
    // Sizes the window so that the table below the menu bar is exactly 640 x 420.
    void FitClientArea();
    QWidget* Table() const;  // the client area (the green table)

    // Menu switches.
    void SetTopMost();  // toggles "常に手前に表示" and the window level
    void SetNoSound();  // toggles "音を出さない" and glNoSound
    bool TopMostChecked() const;
    void SetTopMostChecked(bool checked);
    bool NoSoundChecked() const;
    void SetNoSoundChecked(bool checked);
    // A later start of the game: the window (and any window open over it) comes
    // back from the task bar, to the front, with the focus. The token is the
    // later start's launcher token (may be empty).
    void BringForward(const std::string& launcherToken = {});
    // Runs a modal window with the top-most level lifted while it is open.
    void SuspendTopMost(const std::function<void()>& showModal);
    // The mouse cursor of the table (0..3).
    void SetTableCursor(int n);

    QAction* StartAction() const { return mGAmeStart_; }
    QAction* QuitAction() const { return mGameQuite_; }
    QAction* ExitAction() const { return mGameExit_; }
    QAction* SettingsAction() const { return mSetSet_; }
    QAction* FloatAction() const { return mSetFloat_; }
    QAction* SoundAction() const { return mSetSound_; }
    QAction* HelpAction() const { return mHelpHelp_; }
    QAction* AboutAction() const { return mHelpAbout_; }

    CardWidget* Card(int index) const;        // acxCard 0..59 (nullptr before creation)
    CardWidget* GotCard(int seat) const;      // acxGotCard 0..3
    SpriteWidget* Character(int seat) const;  // acxChar 0..3
    SpriteWidget* Banner() const;             // acxMessage
    QLabel* NameLabel(int seat) const;
    QLabel* CountLabel(int seat) const;
    QLabel* BalloonLabel(int seat) const;
    QLabel* TimeLabel() const;
    QLabel* TurnCountLabel() const;
    ShapeWidget* SeatBox(int seat) const;
    ShapeWidget* Hand() const;
    QTimer* SecondTimer() { return &timTimer_; }

    // How the process ends after "やめる？？" was answered Yes; tests replace it.
    static void SetExitHook(std::function<void()> hook);
    // The commands that open other windows; the settings dialog and the about box plug in here.
    static void SetSettingsCommand(std::function<void(MainWindow&)> command);
    static void SetAboutCommand(std::function<void(MainWindow&)> command);
    // The score windows plug in here (versus result; solitaire hand-over).
    static void SetVersusResultCommand(std::function<void(MainWindow&)> command);
    static void SetSoloResultCommand(std::function<void(MainWindow&)> command);

    bool InputBlocked() const { return inputBlocked_; }

    // TableView.
    void SetCardVisible(int card, bool visible) override;
    bool CardVisible(int card) const override;
    void SetCardFace(int card, bool face) override;
    bool CardFace(int card) const override;
    void SetCardEnabled(int card, bool enabled) override;
    bool CardEnabled(int card) const override;
    void SetCardPicture(int card, int pictureNumber) override;
    void MoveCard(int card, const Rect& rect) override;
    Rect CardRect(int card) const override;
    void RaiseCard(int card) override;
    void DrawCard(int card) override;
    void DrawGotCards() override;
    void ShowSeatPanel(int seat, CharacterKind kind) override;
    void HideSeatPanel(int seat) override;
    void SetSeatOnTurn(int seat, bool onTurn) override;
    void SetSeatCardCount(int seat, const std::string& text) override;
    Rect SeatCharacterRect(int seat) const override;
    void ShowBalloon(int seat, const std::string& text) override;
    void HideBalloon(int seat) override;
    void MoveHand(int left, int top) override;
    void SetHandVisible(bool visible) override;
    void LoadBanner(int n) override;
    Size BannerSize() const override;
    void MoveBanner(int left, int top) override;
    void SetBannerVisible(bool visible) override;
    void RaiseBanner() override;
    int WindowOuterWidth() const override;
    void SetSoloLabelsVisible(bool visible) override;
    void SetTimeText(const std::string& text) override;
    void SetCountText(const std::string& text) override;
    void SetStartEnabled(bool enabled) override;
    void SetQuitEnabled(bool enabled) override;
    void SetWindowEnabled(bool enabled) override;
    void StartSecondTimer() override;
    void StopSecondTimer() override;
    void ShowMessage(const std::string& text) override;
    void ShowVersusResult() override;
    void HandOverSoloResult() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildTable();
    void HelpCommand();
    void ApplyTopMost(bool topMost);

    // While a card turns the window takes no mouse or keyboard input; unlike
    // disabling it, this leaves the menu bar and the texts looking as they were.
    bool inputBlocked_ = false;
    bool BelongsHere(QObject* object) const;

    QWidget* table_ = nullptr;
    std::array<CardWidget*, 60> cards_{};
    std::array<CardWidget*, 4> gotCards_{};
    std::array<SpriteWidget*, 4> chars_{};
    std::array<QLabel*, 4> names_{}, caps_{}, counts_{}, balloonTexts_{};
    std::array<ShapeWidget*, 4> boxes_{}, lines_{}, balloons_{};
    ShapeWidget* hand_ = nullptr;
    SpriteWidget* banner_ = nullptr;
    QLabel *lblTimeCap_ = nullptr, *lblTime_ = nullptr, *lblCntCap_ = nullptr, *lblCnt_ = nullptr;
    QTimer timTimer_;
    QAction *mGAmeStart_ = nullptr, *mGameQuite_ = nullptr, *mGameExit_ = nullptr;
    QAction *mSetSet_ = nullptr, *mSetFloat_ = nullptr, *mSetSound_ = nullptr;
    QAction *mHelpHelp_ = nullptr, *mHelpAbout_ = nullptr;
};
