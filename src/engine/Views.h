// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the engine and the opponents show the game: four narrow roles, each
// played by the part of the screen that owns it. The table widget plays the
// cards, the seat panels and the banner and hand; the main window plays the
// window around them. The headless table plays all four in tests and in the
// match runner. Texts are UTF-8; positions are table pixels (TableGeometry.h).
#pragma once

#include <string>

#include "engine/GameState.h"
#include "engine/TableGeometry.h"

// The card widgets: index 0..59; the table cards are 1..54 (index = card number).
class CardsView {
public:
    virtual ~CardsView() = default;
    virtual void SetCardVisible(int card, bool visible) = 0;
    virtual bool CardVisible(int card) const = 0;
    // Setting the side repaints the card (ShowCardFace puts it on the screen).
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
    // Frames the card the keyboard has moved to, round its edge, until the
    // card is hidden or another card is framed; 0 takes the frame away.
    virtual void SetFocusFrame(int card) = 0;
    // The card framed now (0: none).
    virtual int FramedCard() const = 0;
};

// The four seat panels down the left of the table, and their speech balloons.
class SeatsView {
public:
    virtual ~SeatsView() = default;
    // Character, name, "x", "0", box, line and small card back.
    virtual void ShowSeatPanel(int seat, CharacterKind kind) = 0;
    virtual void HideSeatPanel(int seat) = 0;  // those and the balloon
    // The box is red for the seat on turn, dark red otherwise.
    virtual void SetSeatOnTurn(int seat, bool onTurn) = 0;
    virtual void SetSeatCardCount(int seat, const std::string& text) = 0;
    virtual void ShowBalloon(int seat, const std::string& text) = 0;
    virtual void HideBalloon(int seat) = 0;
    // True while a screen reader is still saying what the table has told it:
    // a computer's turn, and the two cards of an attempt, wait for it. False
    // when nobody listens, so that the game keeps its pace.
    virtual bool StillSpeaking() const { return false; }
};

// What moves over the cards: the banner sprite and the opponents' hand marker.
class MarkersView {
public:
    virtual ~MarkersView() = default;
    virtual void MoveHand(int left, int top) = 0;
    virtual void SetHandVisible(bool visible) = 0;
    // Loading banner n gives the sprite the banner's picture and size.
    virtual void LoadBanner(int n) = 0;
    virtual Size BannerSize() const = 0;
    virtual void MoveBanner(int left, int top) = 0;
    virtual void SetBannerVisible(bool visible) = 0;
    virtual void RaiseBanner() = 0;
    // The banner is centred on the whole window, frame included.
    virtual int WindowOuterWidth() const = 0;
};

// The window around the table: the solitaire status lines, the menu items,
// the window's input, the one-second timer, message boxes and result windows.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual void SetSoloLabelsVisible(bool visible) = 0;
    virtual void SetTimeText(const std::string& text) = 0;
    virtual void SetCountText(const std::string& text) = 0;
    virtual void SetStartEnabled(bool enabled) = 0;
    virtual void SetQuitEnabled(bool enabled) = 0;
    // While disabled the window takes no mouse or keyboard input.
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void StartSecondTimer() = 0;
    virtual void StopSecondTimer() = 0;
    // Modal windows; each returns when it has been closed.
    // Lets events run: the message box's own event loop.
    virtual void ShowMessage(const std::string& text) = 0;
    // Lets events run: the result window's own event loop.
    virtual void ShowVersusResult() = 0;
    // Hands a finished solitaire game to the score table (stamp, rank, name, save).
    // Lets events run: the score window's and its message boxes' event loops.
    virtual void HandOverSoloResult() = 0;
};

// The four roles as one program plays them.
struct Views {
    CardsView* cards = nullptr;
    SeatsView* seats = nullptr;
    MarkersView* markers = nullptr;
    WindowView* window = nullptr;
};

// The program attaches its views once; Views{} detaches them.
void AttachViews(const Views& views);
CardsView& Cards();
SeatsView& Seats();
MarkersView& Markers();
WindowView& GameWindow();
