// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table as a screen reader meets it. Every card is a button named by its
// place (row and column, counted from 1) and its side; the seat panels name
// their players, the cards they took and the turn; a status line, read when
// asked for, holds the solitaire time and turns, or against the computers the
// cards each player took. What happens in play that the eye would
// catch — a card turned, an attempt turned back, a pair taken, the turn
// passing, a character speaking — is said as a notice that leaves the focus
// where it is.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

class QWidget;
class TableWidget;

namespace Accessibility {
// Teaches Qt's accessibility the table, its cards and its seat panels; the
// table does it when it is made, and doing it again changes nothing.
void Install();
// Drops what the screen reader's side has made of the object so far, so that
// it is looked at afresh, as what it has now become.
void Forget(QObject* object);

// Called before the application object is made. Qt looks for a screen reader
// only as it starts, and a game started before the screen reader would stay
// silent for ever; so the game joins the desktop's accessibility bus whenever
// there is one, now or later, as GTK programs do. NO_AT_BRIDGE=1, the
// desktop's way of keeping programs off that bus, keeps it off.
void FollowScreenReaders();
// Whether a screen reader (or another assistive program) is listening on the
// desktop's accessibility bus now. Asks the session bus, without starting
// anything on it.
bool ScreenReaderListening();

// Says `text` to a screen reader, beside `near` and without moving the focus:
// a notice object of its own, named once by the text and shown once, so that
// a screen reader that is still busy with an earlier notice loses neither.
// The last few notices beside a widget are kept for the screen reader to
// read; older ones go. Returns the notice.
QObject* Announce(QWidget* near, const QString& text);
// The text as a screen reader's voice should hear it: without the quotation
// marks, colons and dashes that its usual punctuation setting reads out by
// name ("left quote"), which in a line of speech only get in the way.
QString Speakable(const QString& text);
}  // namespace Accessibility

// The table's voice. The table tells it what it has just shown; it keeps the
// screen reader's picture of the table up to date and says what a player
// watching would have noticed. Nothing of it is seen on the screen.
class TableSpeaker : public QObject {
    Q_OBJECT
public:
    explicit TableSpeaker(TableWidget* table);

    // What the table has just done.
    void CardFramed(int card);   // the keyboard's frame moved to this card (0: gone)
    void FocusStayed(int card);  // an arrow found no card further: the frame stays on this one
    void CardTurned(int card, bool face);
    void SeatOnTurn(int seat, bool onTurn);
    void SeatCountShown(int seat, int count);
    void BalloonShown(int seat, const QString& text);
    void StatusChanged();  // what the status line says changed

    // Says a notice without moving the focus. What happens at once (a card
    // turned and its player's comment, a failed attempt and the next turn) is
    // gathered into one notice a moment later, so that the screen reader says
    // its word "notification" once for it.
    void Announce(const QString& text);
    QString LastNotice() const { return lastNotice_; }

    // Whether a listening screen reader is still saying the notices given so
    // far, reckoned at its usual pace: the computers wait for it. A key stops
    // the screen reader's speech, and so ends the wait.
    bool StillSpeaking() const;
    void KeyPressed();
    // Seconds a screen reader's voice takes to say `text` as a notice, at its usual pace.
    static double SpeakingSeconds(const QString& text);
signals:
    // Each notice as it is given.
    void announced(const QString& text);

public:
    bool OnTurn(int seat) const { return onTurn_.at(static_cast<size_t>(seat)); }

    TableWidget* Table() const { return table_; }
    // The objects a screen reader finds on the table that are no widget of
    // their own: the latest notice and the solitaire status line.
    QObject* Notice() const { return notice_; }
    QObject* Status() const { return status_; }

    // Names, in the game's language.
    QString CardName(int card, int picture, bool face, bool onTable) const;
    static QString FaceName(int picture);
    QString PlaceName(int card) const;
    QString PlayerName(int seat) const;
    QString SeatName(int seat) const;
    QString StatusText() const;
    // "a pair of 7s": what a taken pair was.
    static QString PairName(int picture);

private:
    void Gathered();
    QString TurnedName(int card, int picture) const;

    TableWidget* table_;
    QObject* notice_;
    QObject* status_;
    QString lastNotice_;
    QStringList gathering_;
    QTimer gather_;
    QElapsedTimer clock_;
    qint64 speechEndsMs_ = 0;      // on clock_
    qint64 listenerAskedMs_ = -1;  // when the desktop was last asked whether anyone listens
    bool listening_ = false;
    std::array<bool, 4> onTurn_{};
};
