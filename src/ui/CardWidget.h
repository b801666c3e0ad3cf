// acxCard: one playing card, drawn by stretching its picture (or the chosen
// card back) from the picture store over the whole widget, at any size.
#pragma once

#include <QPixmap>
#include <QWidget>

class CardWidget : public QWidget {
    Q_OBJECT
public:
    explicit CardWidget(QWidget* parent = nullptr);

    int pCard() const { return pCard_; }
    void SetPCard(int picture);  // does not repaint
    bool Face() const { return face_; }
    // Stores the side, repaints at once, then lets pending events run once.
    void SetFace(bool face);
    // Repaints from the picture store: the card's picture when face up,
    // otherwise card back `game.cardBack` (back 0 for any number outside the store).
    void DrawCard();

    // The card back drawn by face-down cards; the main window points it at the game's value.
    static void SetCardBackSource(const int* cardBack);

signals:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    int pCard_ = 0;
    bool face_ = false;
    QPixmap shown_;  // what the last DrawCard put on the surface
};
