// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// acxCard: one playing card, drawn by stretching its picture (or the chosen
// card back) from the picture store over the whole widget, at any size.
#pragma once

#include <QPixmap>
#include <QWidget>

class CardWidget : public QWidget {
    Q_OBJECT
public:
    // `index` is the card its signals name; face down it shows card back
    // *cardBack, read at every repaint (back 0 without one).
    CardWidget(int index, const int* cardBack, QWidget* parent = nullptr);

    int Index() const { return index_; }

    int pCard() const { return pCard_; }
    void SetPCard(int picture);  // does not repaint
    bool Face() const { return face_; }
    // Stores the side and repaints (the paint reaches the screen when events next run).
    void SetFace(bool face);
    // Repaints from the picture store: the card's picture when face up,
    // otherwise the card back (back 0 for any number outside the store).
    void DrawCard();
    // How much the table the card lies on is magnified: the picture is drawn from
    // the drawing made for that size on this screen.
    void SetScale(qreal scale);

signals:
    // A mouse button, any of them, went down on the card: the game turns a
    // card on the press, not on the release.
    void clicked(int card);
    // The mouse moved over the card, with or without a button held.
    void hovered(int card);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    int index_;
    const int* cardBack_;
    int pCard_ = 0;
    bool face_ = false;
    qreal scale_ = 1;
    QPixmap shown_;  // what the last DrawCard put on the surface
};
