// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table as a screen reader meets it. Every card is a button named by its
// place (row and column, counted from 1) and its side; the seat panels name
// their players, the cards they took and the turn; the solitaire lines are one
// status line read when asked for. What happens in play that the eye would
// catch — a card turned, an attempt turned back, a pair taken, the turn
// passing, a character speaking — is said as a notice that leaves the focus
// where it is.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class TableWidget;

namespace Accessibility {
// Teaches Qt's accessibility the table, its cards and its seat panels; the
// table does it when it is made, and doing it again changes nothing.
void Install();
// Drops what the screen reader's side has made of the object so far, so that
// it is looked at afresh, as what it has now become.
void Forget(QObject* object);
}  // namespace Accessibility

// The table's voice. The table tells it what it has just shown; it keeps the
// screen reader's picture of the table up to date and says what a player
// watching would have noticed. Nothing of it is seen on the screen.
class TableSpeaker : public QObject {
    Q_OBJECT
public:
    explicit TableSpeaker(TableWidget* table);

    // What the table has just done.
    void CardFramed(int card);  // the keyboard's frame moved to this card (0: gone)
    void CardTurned(int card, bool face);
    void SeatOnTurn(int seat, bool onTurn);
    void SeatCountShown(int seat, int count);
    void BalloonShown(int seat, const QString& text);

    // Says a notice without moving the focus; the latest stays readable.
    void Announce(const QString& text);
    QString LastNotice() const { return lastNotice_; }
signals:
    // Each notice as it is given.
    void announced(const QString& text);

public:
    bool OnTurn(int seat) const { return onTurn_.at(static_cast<size_t>(seat)); }

    TableWidget* Table() const { return table_; }
    // The objects a screen reader finds on the table that are no widget of
    // their own: the notice and the solitaire status line.
    QObject* Notice() const { return notice_; }
    QObject* Status() const { return status_; }

    // Names, in the game's language.
    QString CardName(int card, int picture, bool face, bool onTable) const;
    static QString FaceName(int picture);
    QString PlaceName(int card) const;
    QString PlayerName(int seat) const;
    QString SeatName(int seat) const;
    QString StatusText() const;

private:
    TableWidget* table_;
    QObject* notice_;
    QObject* status_;
    QString lastNotice_;
    std::array<bool, 4> onTurn_{};
};
