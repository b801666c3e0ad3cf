// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 32 x 32 pictures: rank faces, cursors and the program icon. Edges that should be
// crisp sit on half-pixel coordinates so a one-pixel outline fills whole pixels.
#include <algorithm>

#include "Drawing.h"
#include "Pictures.h"

namespace Art {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kFaceLine(96, 60, 0);
}  // namespace

void DrawRankFace(QPainter& p, int rank) {
    Ellipse(p, QPointF(16, 16), 14.6, 14.6,
            Glow(QPointF(16, 16), 15, QPointF(11, 9), QColor(255, 250, 170), QColor(246, 192, 16)),
            kFaceLine, 1.4);
    const QColor ink(70, 40, 0);
    if (rank == 0) {
        // Laughing out loud: eyes squeezed shut, mouth wide open.
        QPainterPath eyes;
        eyes.moveTo(7.5, 13.5);
        eyes.quadTo(10.5, 8.5, 13.5, 13.5);
        eyes.moveTo(18.5, 13.5);
        eyes.quadTo(21.5, 8.5, 24.5, 13.5);
        Line(p, eyes, ink, 1.7);
        QPainterPath mouth;
        mouth.moveTo(7, 17);
        mouth.lineTo(25, 17);
        mouth.cubicTo(25, 28.5, 7, 28.5, 7, 17);
        mouth.closeSubpath();
        Shape(p, mouth, QColor(150, 24, 24), ink, 1.3);
        p.save();
        p.setClipPath(mouth);
        Ellipse(p, QPointF(16, 26), 6, 3.6, QColor(255, 120, 120), ink, 0);
        p.fillRect(QRectF(6, 16, 20, 2.6), QColor(255, 255, 255));
        p.restore();
        Shape(p, mouth, Qt::NoBrush, ink, 1.3);
        Ellipse(p, QPointF(5.6, 18), 2.4, 1.6, QColor(255, 120, 90, 150), ink, 0);
        Ellipse(p, QPointF(26.4, 18), 2.4, 1.6, QColor(255, 120, 90, 150), ink, 0);
        return;
    }
    // Open eyes for the others; the frowning one raises its brows in worry.
    Ellipse(p, QPointF(11, 12.5), 1.9, 2.8, ink, ink, 0);
    Ellipse(p, QPointF(21, 12.5), 1.9, 2.8, ink, ink, 0);
    Ellipse(p, QPointF(11.6, 11.4), 0.7, 0.9, QColor(255, 255, 255), ink, 0);
    Ellipse(p, QPointF(21.6, 11.4), 0.7, 0.9, QColor(255, 255, 255), ink, 0);
    QPainterPath mouth;
    if (rank == 1) {
        mouth.moveTo(9, 19);
        mouth.quadTo(16, 26.5, 23, 19);
        Ellipse(p, QPointF(6.2, 18.5), 2.2, 1.5, QColor(255, 120, 90, 120), ink, 0);
        Ellipse(p, QPointF(25.8, 18.5), 2.2, 1.5, QColor(255, 120, 90, 120), ink, 0);
    } else if (rank == 2) {
        mouth.moveTo(10.5, 21);
        mouth.lineTo(21.5, 21);
    } else {
        mouth.moveTo(9.5, 24);
        mouth.quadTo(16, 17.5, 22.5, 24);
        QPainterPath brows;
        brows.moveTo(7.5, 8.5);
        brows.lineTo(13, 6.8);
        brows.moveTo(24.5, 8.5);
        brows.lineTo(19, 6.8);
        Line(p, brows, ink, 1.3);
        QPainterPath drop;  // a bead of sweat
        drop.moveTo(27, 5);
        drop.cubicTo(29.5, 9, 29.5, 11.5, 27, 11.5);
        drop.cubicTo(24.5, 11.5, 24.5, 9, 27, 5);
        Shape(p, drop, Vertical(5, 11.5, QColor(200, 240, 255), QColor(60, 150, 240)),
              QColor(20, 60, 140), 0.9);
    }
    Line(p, mouth, ink, 1.8);
}

// The large white hand; the tip of the index finger is pixel (10, 1).
void DrawBigHand(QPainter& p) {
    QPainterPath hand;
    hand.moveTo(7.5, 17);
    hand.lineTo(7.5, 3.5);
    hand.cubicTo(7.5, 0.8, 12.5, 0.8, 12.5, 3.5);
    hand.lineTo(12.5, 12.5);
    hand.cubicTo(12.5, 9.8, 16.5, 9.8, 16.5, 12.5);
    hand.cubicTo(16.5, 10.8, 20.5, 10.8, 20.5, 13.5);
    hand.cubicTo(20.5, 11.8, 24.5, 11.8, 24.5, 15);
    hand.lineTo(24.5, 22.5);
    hand.cubicTo(24.5, 25.5, 22.5, 27.5, 21.5, 30.5);
    hand.lineTo(10.5, 30.5);
    hand.cubicTo(9.5, 27.5, 6.5, 24.5, 4.5, 22);
    hand.lineTo(1.5, 17.5);
    hand.cubicTo(0.6, 15.5, 3, 13.5, 4.5, 15.2);
    hand.closeSubpath();
    Shape(p, hand, QColor(255, 255, 255), kBlack, 1.0);
    QPainterPath creases;
    creases.moveTo(16.5, 12.5);
    creases.lineTo(16.5, 15.5);
    creases.moveTo(20.5, 13.5);
    creases.lineTo(20.5, 16.5);
    creases.moveTo(7.5, 17);
    creases.lineTo(9.5, 20.5);
    Line(p, creases, kBlack, 1.0);
}

// A crane-game claw hanging from its cable; the cable's top is pixel (14, 1).
void DrawClaw(QPainter& p) {
    const QColor steel(200, 206, 216);
    QPainterPath cable;
    cable.moveTo(14.5, 1.5);
    cable.lineTo(14.5, 9);
    Limb(p, cable, 1.0, QColor(150, 150, 160), kBlack, 1.0);
    // Three prongs, opened wide.
    QPainterPath prongs;
    prongs.moveTo(11, 13);
    prongs.cubicTo(4, 16, 3, 22, 5, 27);
    prongs.lineTo(8.5, 29.5);
    prongs.moveTo(18, 13);
    prongs.cubicTo(25, 16, 26, 22, 24, 27);
    prongs.lineTo(20.5, 29.5);
    prongs.moveTo(14.5, 14);
    prongs.lineTo(14.5, 25);
    prongs.lineTo(12.5, 27.5);
    Limb(p, prongs, 2.2, steel, kBlack, 1.0);
    QPainterPath hub;
    hub.addRoundedRect(QRectF(8.5, 7.5, 12, 7), 2.5, 2.5);
    Shape(p, hub, Vertical(7.5, 14.5, QColor(255, 110, 100), QColor(190, 20, 30)), kBlack, 1.0);
    p.fillRect(QRectF(10, 9, 9, 1), QColor(255, 200, 190));
}

// A bear's head, sniffing: the tip of its nose is pixel (5, 9).
void DrawBear(QPainter& p) {
    const QColor fur(150, 92, 44);
    const QColor dark(60, 30, 10);
    Ellipse(p, QPointF(23, 8.5), 4, 4, fur, dark, 1.2);
    Ellipse(p, QPointF(23, 8.5), 2, 2, QColor(220, 170, 120), dark, 0);
    Ellipse(p, QPointF(28.5, 14.5), 3.4, 3.4, fur, dark, 1.2);
    QPainterPath head;
    head.addEllipse(QPointF(19, 19), 10.5, 10.5);
    QPainterPath snout;
    QTransform t;
    t.translate(10.5, 12.8);
    t.rotate(35);
    snout.addEllipse(QPointF(0, 0), 6.8, 4.8);
    snout = t.map(snout);
    Shape(p, head.united(snout),
          Glow(QPointF(19, 18), 12, QPointF(16, 14), QColor(196, 130, 70), fur), dark, 1.2);
    Ellipse(p, QPointF(10.8, 13.2), 5.2, 3.6, QColor(236, 200, 150), dark, 0);
    Ellipse(p, QPointF(6, 9.8), 2.4, 2.0, QColor(20, 10, 4), dark, 0.6);
    Ellipse(p, QPointF(5.6, 9.2), 0.7, 0.5, QColor(200, 200, 200), dark, 0);
    QPainterPath mouth;
    mouth.moveTo(8, 15.5);
    mouth.quadTo(11, 17.5, 13.5, 15.5);
    Line(p, mouth, dark, 1.0);
    Ellipse(p, QPointF(17, 12.5), 1.9, 2.1, QColor(10, 6, 2), dark, 0);
    Ellipse(p, QPointF(17.5, 11.8), 0.7, 0.7, QColor(255, 255, 255), dark, 0);
    QPainterPath brow;
    brow.moveTo(14.5, 9.2);
    brow.quadTo(17, 7.8, 19.5, 9.0);
    Line(p, brow, dark, 1.0);
}

// The small hand with a blue cuff over links; the fingertip is pixel (12, 1).
void DrawLinkHand(QPainter& p) {
    QPainterPath hand;
    hand.moveTo(10.5, 11);
    hand.lineTo(10.5, 3);
    hand.cubicTo(10.5, 0.9, 13.5, 0.9, 13.5, 3);
    hand.lineTo(13.5, 9.5);
    hand.cubicTo(13.5, 7.8, 16.5, 7.8, 16.5, 9.8);
    hand.cubicTo(16.5, 8.6, 19.5, 8.6, 19.5, 10.8);
    hand.lineTo(19.5, 16.5);
    hand.lineTo(11.5, 16.5);
    hand.lineTo(8.5, 13.5);
    hand.cubicTo(7.5, 12, 9, 10.5, 10.5, 12);
    hand.closeSubpath();
    Shape(p, hand, Vertical(1, 16, QColor(255, 255, 255), QColor(236, 236, 236)), kBlack, 1.0);
    QPainterPath creases;
    creases.moveTo(16.5, 9.8);
    creases.lineTo(16.5, 12);
    Line(p, creases, kBlack, 1.0);
    QPainterPath cuff;
    cuff.addRect(QRectF(10.5, 16.5, 10, 5));
    Shape(p, cuff, Vertical(16.5, 21.5, QColor(90, 150, 255), QColor(20, 60, 190)), kBlack, 1.0);
    QPainterPath button;
    button.addEllipse(QPointF(17.5, 19), 1.1, 1.1);
    Shape(p, button, QColor(255, 255, 255), kBlack, 0);
}

void DrawIcon(QPainter& p, int size) {
    const qreal scale = size / 32.0;
    p.scale(scale, scale);
    // Below 32 pixels a fine line would only smudge: the lattice is left out and the
    // outlines and the white rim are kept at least a whole pixel wide. At 16 pixels even a
    // tilted edge smudges, so the cards stand upright with their edges on whole pixels.
    const bool small = size < 32;
    const bool tiny = size <= 16;
    const qreal pixel = 1 / scale;
    const qreal outline = small ? pixel : 0.9;
    const qreal rim = small ? std::max(2.0, 1.5 * pixel) : 2.0;
    const QRectF outer = tiny ? QRectF(-9, -12, 18, 24) : QRectF(-8.5, -11.5, 17, 23);
    const QColor navy(10, 20, 80);
    auto card = [&](QPointF centre, qreal angle, const QColor& light, const QColor& deep) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        if (!tiny) {
            // A soft shadow under the card.
            QPainterPath shadow;
            shadow.addRoundedRect(outer.translated(0.9, 0.9), 2.4, 2.4);
            Shape(p, shadow, QColor(0, 0, 30, 90), navy, 0);
        }
        QPainterPath edge;
        edge.addRoundedRect(outer, 2.4, 2.4);
        Shape(p, edge, QColor(255, 255, 255), navy, outline);
        QPainterPath back;
        back.addRoundedRect(outer.adjusted(rim, rim, -rim, -rim), 1.2, 1.2);
        Shape(p, back, Vertical(-9.5, 9.5, light, deep), navy, 0);
        if (!small) {
            // A fine lattice that shows in the large icon and only tints the 32-pixel one.
            p.save();
            p.setClipPath(back);
            QPainterPath lattice;
            for (qreal k = -24; k <= 24; k += 3) {
                lattice.moveTo(k - 12, -12);
                lattice.lineTo(k + 12, 12);
                lattice.moveTo(k + 12, -12);
                lattice.lineTo(k - 12, 12);
            }
            Line(p, lattice, QColor(255, 255, 255, 60), 0.35);
            p.restore();
        }
        // A white diamond in the middle.
        const qreal w = tiny ? 4 : 3.4, h = tiny ? 6 : 5;
        QPainterPath diamond;
        diamond.moveTo(0, -h);
        diamond.lineTo(w, 0);
        diamond.lineTo(0, h);
        diamond.lineTo(-w, 0);
        diamond.closeSubpath();
        Shape(p, diamond, QColor(255, 255, 255), navy, 0);
        p.restore();
    };
    if (tiny) {
        card(QPointF(12, 15), 0, QColor(110, 160, 255), QColor(20, 50, 170));
        card(QPointF(22, 19), 0, QColor(80, 190, 255), QColor(10, 80, 200));
        return;
    }
    card(QPointF(12, 15.5), -14, QColor(110, 160, 255), QColor(20, 50, 170));
    card(QPointF(20, 16.5), 10, QColor(80, 190, 255), QColor(10, 80, 200));
}

}  // namespace Art
