// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The green 640 x 420 table inside the main window: the 60 card widgets
// (acxCard), the four seat panels with their characters, names, counts,
// small card backs and speech balloons, the solitaire status lines, the
// opponents' hand marker, the banner sprite and the keyboard's frame. It plays
// the engine's cards, seats and markers views, and passes the mouse and the
// keys on as signals.
//
// The table fills its window at any size. The game places everything in table
// units, the pixels of the 640 x 420 table; the table widget magnifies them all
// by one factor, the largest at which the whole table fits, and centres the
// table in the green. Its pieces are real widgets at their magnified places, so
// the mouse, the keyboard's frame and a screen reader find them where they are
// shown; their texts are set at the magnified size, their pictures drawn from
// the drawings made for it.
#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>

#include "engine/Views.h"

class QLabel;
class CardWidget;
class SpriteWidget;
class TableSpeaker;
class ShapeWidget;

// How the table lies in a widget of any size: magnified by `factor` and with
// its top left corner at `origin`.
struct TableScale {
    qreal factor = 1;
    QPoint origin;
    bool operator==(const TableScale&) const = default;

    // The largest magnification at which the whole table fits `area`, centred in it.
    static TableScale Fitting(const QSize& area);
    // A rectangle of the table in the widget's pixels. Each edge is magnified and
    // rounded on its own, so pieces that touch on the table touch on the screen.
    QRect ToWidget(const QRect& table) const;
    // A length of the table in pixels, rounded.
    int Pixels(qreal tableUnits) const;
};

class TableWidget : public QWidget, public CardsView, public SeatsView, public MarkersView {
    Q_OBJECT
public:
    // The table shows `game`: face-down cards show its card back, and a screen
    // reader hears its places, seats and picks.
    explicit TableWidget(const GameState& game, QWidget* parent = nullptr);

    const GameState& Game() const { return game_; }
    // How the table is magnified and placed in the widget now.
    const TableScale& Scale() const { return scale_; }

    // Start-up: card widgets 1..59 join the layout's card 0, hidden, 48 x 65, pCard = index.
    void CreateCardWidgets();
    // The mouse cursor of the table (0..3).
    void SetTableCursor(int n);
    // Closing: the farewell banner just above the table, centred on the window,
    // and the table's cards 1..54 taken off and destroyed.
    void ShowFarewell();

    // The solitaire status lines.
    void SetSoloLabelsVisible(bool visible);
    void SetTimeText(const std::string& text);
    void SetCountText(const std::string& text);

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
    ShapeWidget* FocusFrame() const;  // round the card the keyboard has moved to
    int FramedCard() const override { return framedCard_; }
    // What a screen reader hears of the table.
    TableSpeaker* Speaker() const { return speaker_; }

    // CardsView (a card that is gone is left alone).
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
    void SetFocusFrame(int card) override;

    // SeatsView.
    void ShowSeatPanel(int seat, CharacterKind kind) override;
    void HideSeatPanel(int seat) override;
    void SetSeatOnTurn(int seat, bool onTurn) override;
    void SetSeatCardCount(int seat, const std::string& text) override;
    void ShowBalloon(int seat, const std::string& text) override;
    void HideBalloon(int seat) override;
    bool StillSpeaking() const override;

    // MarkersView.
    void MoveHand(int left, int top) override;
    void SetHandVisible(bool visible) override;
    void LoadBanner(int n) override;
    Size BannerSize() const override;
    void MoveBanner(int left, int top) override;
    void SetBannerVisible(bool visible) override;
    void RaiseBanner() override;
    int WindowOuterWidth() const override;

signals:
    // A mouse button went down on table card 1..54.
    void cardClicked(int card);
    // The mouse moved over table card 1..54.
    void cardHovered(int card);
    // The mouse moved over the table itself, or over a text or picture on it.
    void tableHovered();
    // An arrow key: one cell left (-1, 0), right (1, 0), up (0, -1) or down (0, 1).
    void arrowKeyPressed(int dx, int dy);
    // Space or Return: turn the focused card.
    void turnKeyPressed();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A new size lays the whole table out again, at any moment of a game.
    void resizeEvent(QResizeEvent* event) override;

private:
    // Puts a piece at a rectangle of the table; it keeps that place, in table
    // units, through every later change of the table's size.
    void Place(QWidget* piece, const QRect& tableRect);
    QRect Placed(const QWidget* piece) const;
    // Everything again at the present scale: places, texts, pictures and cursor.
    void LayOut();
    // A layout font at the table's magnification.
    QFont Font(const QString& family, double points, bool bold = false) const;
    // The texts that fit themselves to their room, at the present scale.
    void FitName(int seat, const QString& text);
    void FitBalloon(int seat, const QString& text);
    void FitCount(int seat, const QString& text);

    const GameState& game_;
    TableScale scale_;
    QHash<QWidget*, QRect> placed_;
    int cursorNumber_ = 0;
    const int* cardBack_;
    std::array<CardWidget*, 60> cards_{};
    std::array<CardWidget*, 4> gotCards_{};
    std::array<SpriteWidget*, 4> characters_{};
    std::array<QLabel*, 4> names_{}, times_{}, counts_{}, balloonTexts_{};
    std::array<ShapeWidget*, 4> boxes_{}, lines_{}, balloons_{};
    ShapeWidget* hand_ = nullptr;
    ShapeWidget* focusFrame_ = nullptr;
    int framedCard_ = 0;
    TableSpeaker* speaker_ = nullptr;
    void PlaceFocusFrame();
    SpriteWidget* banner_ = nullptr;
    QLabel *timeCaption_ = nullptr, *timeLabel_ = nullptr, *turnsCaption_ = nullptr,
           *turnsLabel_ = nullptr;
};
