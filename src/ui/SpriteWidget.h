// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    void SetMaskPicture(const QPixmap& mask);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);  // 0 none, 1 single line
    // The picture drawn this much larger (the table's magnification), from the
    // drawing made for that size.
    void SetScale(qreal scale);

signals:
    // A mouse button, any of them, went down on the sprite.
    void pressed();
    // The left button went down and came up again over the sprite.
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void Compose(qreal ratio);
    QPixmap picture_, mask_, composed_;
    qreal composedRatio_ = 0;  // the device pixel ratio composed_ was made for; 0 when stale
    int borderStyle_ = 0;
    qreal scale_ = 1;
    bool pressed_ = false;
};
