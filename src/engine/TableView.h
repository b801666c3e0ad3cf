// Everything the engine and the opponents show goes through this interface;
// the main window implements it, the headless table stands in for it in tests
// and in the match runner. Texts are UTF-8.
#pragma once

#include <string>

#include "engine/GameState.h"
#include "engine/TableGeometry.h"

class TableView {
public:
    virtual ~TableView() = default;

    // Card widgets: index 0..59; the table cards are 1..54 (index = card number).
    virtual void SetCardVisible(int card, bool visible) = 0;
    virtual bool CardVisible(int card) const = 0;
    // Setting the side repaints the card at once, then lets pending events run once.
    virtual void SetCardFace(int card, bool face) = 0;
    virtual bool CardFace(int card) const = 0;
    virtual void SetCardEnabled(int card, bool enabled) = 0;
    virtual bool CardEnabled(int card) const = 0;
    // The picture number; setting it alone does not repaint.
    virtual void SetCardPicture(int card, int pictureNumber) = 0;
    virtual void MoveCard(int card, const Rect& rect) = 0;
    virtual Rect CardRect(int card) const = 0;
    virtual void RaiseCard(int card) = 0;
    virtual void DrawCard(int card) = 0;
    // Repaints the four small card backs of the seat panels.
    virtual void DrawGotCards() = 0;

    // Seat panels.
    virtual void ShowSeatPanel(
        int seat, CharacterKind kind) = 0;     // character, name, "x", "0", box, line, small card
    virtual void HideSeatPanel(int seat) = 0;  // those and the balloon
    virtual void SetSeatOnTurn(
        int seat, bool onTurn) = 0;  // box red for the seat on turn, dark red otherwise
    virtual void SetSeatCardCount(int seat, const std::string& text) = 0;

    // Speech balloons.
    virtual void ShowBalloon(int seat, const std::string& text) = 0;
    virtual void HideBalloon(int seat) = 0;

    // The opponents' hand marker.
    virtual void MoveHand(int left, int top) = 0;
    virtual void SetHandVisible(bool visible) = 0;

    // The banner sprite: loading banner n gives it the banner's picture and size.
    virtual void LoadBanner(int n) = 0;
    virtual Size BannerSize() const = 0;
    virtual void MoveBanner(int left, int top) = 0;
    virtual void SetBannerVisible(bool visible) = 0;
    virtual void RaiseBanner() = 0;
    virtual int WindowOuterWidth() const = 0;

    // Solitaire status lines.
    virtual void SetSoloLabelsVisible(bool visible) = 0;
    virtual void SetTimeText(const std::string& text) = 0;
    virtual void SetCountText(const std::string& text) = 0;

    // Menu items, the whole window and the one-second timer.
    virtual void SetStartEnabled(bool enabled) = 0;
    virtual void SetQuitEnabled(bool enabled) = 0;
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void StartSecondTimer() = 0;
    virtual void StopSecondTimer() = 0;

    // Modal windows; each returns when it has been closed.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void ShowVersusResult() = 0;
    // Hands a finished solitaire game to the score table (stamp, rank, name, save).
    virtual void HandOverSoloResult() = 0;
};

void AttachView(TableView* view);
TableView& View();
