// acxSprite: shows a picture of irregular shape; every pixel where the mask
// picture is magenta lets what lies behind show through.
#pragma once

#include <QPixmap>
#include <QWidget>

class SpriteWidget : public QWidget {
    Q_OBJECT
public:
    explicit SpriteWidget(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    QPixmap MaskPicture() const { return mask_; }
    void SetMaskPicture(const QPixmap& mask);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);  // 0 none, 1 single line

signals:
    // Button and Shift as masks (1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt).
    void MouseDown(int button, int shift, float x, float y);
    void Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void Compose(qreal ratio);
    QPixmap picture_, mask_, composed_;
    qreal composedRatio_ = 0;  // the device pixel ratio composed_ was made for; 0 when stale
    int borderStyle_ = 0;
    bool pressed_ = false;
};
