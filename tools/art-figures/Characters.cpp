// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The seat characters, 71 x 96 each: the human player, the three computer opponents and
// the empty seat. Drawn on transparent; the catalogue keys them onto magenta.
#include "Drawing.h"
#include "Pictures.h"

namespace Art {

namespace {

const QColor kInk(24, 26, 44);

// Head and shoulders, shared by the human player and the empty seat.
QPainterPath Bust() {
    QPainterPath shoulders;
    shoulders.moveTo(3, 97);
    shoulders.cubicTo(3, 76, 13, 66, 35.5, 65);
    shoulders.cubicTo(58, 66, 68, 76, 68, 97);
    shoulders.closeSubpath();
    QPainterPath neck;
    neck.addRoundedRect(QRectF(28, 46, 15, 22), 4, 4);
    QPainterPath head;
    head.addEllipse(QPointF(35.5, 36), 15, 17.5);
    QPainterPath hair;  // a little fuller on top than the face
    hair.addEllipse(QPointF(35.5, 31), 16.5, 13.5);
    QPainterPath ears;
    ears.addEllipse(QPointF(20.5, 39), 3, 4.5);
    ears.addEllipse(QPointF(50.5, 39), 3, 4.5);
    return shoulders.united(neck).united(head).united(hair).united(ears).simplified();
}

// A drowsy eye: the upper lid hangs over half of it.
void SleepyEye(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& lid, bool left) {
    const qreal outer = left ? -1 : 1;  // the side away from the beak
    QPainterPath eye;
    eye.addEllipse(c, rx, ry);
    Shape(p, eye, QColor(255, 255, 255), kInk, 1.0);
    p.save();
    p.setClipPath(eye);
    Ellipse(p, c + QPointF(-outer * 0.6, 2.0), 2.8, 3.0, QColor(26, 22, 48), kInk, 0);
    Ellipse(p, c + QPointF(-outer * 0.2, 2.6), 0.9, 0.9, QColor(255, 255, 255), kInk, 0);
    // The lid sags lowest at the outer corner: sleepy rather than cross.
    const qreal inY = c.y() + 0.4, outY = c.y() + 1.8;
    QPainterPath cover;
    cover.moveTo(c.x() - rx - 1, c.y() - ry - 1);
    cover.lineTo(c.x() + rx + 1, c.y() - ry - 1);
    cover.lineTo(c.x() + rx + 1, outer > 0 ? outY : inY);
    cover.quadTo(c.x(), c.y() + 3.2, c.x() - rx - 1, outer > 0 ? inY : outY);
    cover.closeSubpath();
    Shape(p, cover, lid, kInk, 0);
    p.restore();
    // The lid's edge, with a lash drooping at the outer corner.
    QPainterPath edge;
    edge.moveTo(c.x() - outer * rx, inY);
    edge.quadTo(c.x(), c.y() + 3.4, c.x() + outer * rx, outY);
    edge.lineTo(c.x() + outer * (rx + 1.6), outY + 1.8);
    Line(p, edge, kInk, 1.3);
    Shape(p, eye, Qt::NoBrush, kInk, 1.0);
}

// A small "z" of the sleeper.
void Snooze(QPainter& p, QPointF at, int size, qreal tilt) {
    QPainterPath z = TextPath(QStringLiteral("z"), Font(QStringLiteral("DejaVu Sans"), size, true));
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(tilt);
    z = t.map(z);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
    Shape(p, z, QColor(235, 245, 255), kInk, 0);
}

// Dark glasses with a glint.
void Shades(QPainter& p, const QPainterPath& lenses, const QColor& top, const QColor& bottom,
            qreal y0, qreal y1) {
    Shape(p, lenses, Vertical(y0, y1, top, bottom), kInk, 1.3);
    p.save();
    p.setClipPath(lenses);
    QPainterPath glint;
    glint.moveTo(0, y0 + 3.2);
    glint.lineTo(71, y0 - 4);
    Line(p, glint, QColor(255, 255, 255, 190), 1.4);
    p.restore();
}

}  // namespace

void DrawYou(QPainter& p) {
    Shape(p, Bust(),
          Glow(QPointF(28, 30), 60, QPointF(26, 26), QColor(52, 52, 58), QColor(0, 0, 0)),
          QColor(0, 0, 0), 1.0);
}

namespace {
// The empty seat: a grey figure with a sign across it, two words on two lines.
void DrawEmptySign(QPainter& p, const QString& first, const QRectF& firstBox,
                   const QString& second) {
    Shape(p, Bust(),
          Glow(QPointF(28, 30), 60, QPointF(26, 26), QColor(92, 92, 100), QColor(40, 40, 46)),
          QColor(24, 24, 28), 1.0);
    const QFont font = Font(QStringLiteral("DejaVu Sans"), 20, true);
    QPainterPath words = FitPath(TextPath(first, font), firstBox);
    words.addPath(FitPath(TextPath(second, font), QRectF(4, 58, 63, 18)));
    p.setPen(QPen(QColor(16, 16, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(words);
    Shape(p, words, Vertical(36, 76, QColor(255, 250, 110), QColor(250, 206, 0)), kInk, 0);
}
}  // namespace

void DrawNotEntry(QPainter& p) {
    DrawEmptySign(p, QStringLiteral("Not"), QRectF(14, 36, 43, 17), QStringLiteral("Entry"));
}

// The sign for a player who reads English says what the game calls the seat.
void DrawEmptySeat(QPainter& p) {
    // "Empty" is the longer word: it takes the whole width of the chest.
    DrawEmptySign(p, QStringLiteral("Empty"), QRectF(4, 36, 63, 17), QStringLiteral("Seat"));
}

void DrawSwallow(QPainter& p) {
    const QColor back(34, 74, 190);

    // The forked tail pokes out behind, to the lower right.
    QPainterPath tail;
    tail.moveTo(48, 70);
    tail.cubicTo(58, 74, 64, 80, 70, 84);
    tail.lineTo(61, 83);
    tail.lineTo(64, 95);
    tail.cubicTo(57, 90, 50, 84, 44, 80);
    tail.closeSubpath();
    Shape(p, tail, Vertical(70, 95, QColor(40, 60, 150), QColor(18, 30, 90)), kInk);

    // Feet.
    for (qreal fx : {26.0, 44.0}) {
        QPainterPath foot;
        foot.moveTo(fx - 1, 84);
        foot.lineTo(fx - 4.5, 92);
        foot.moveTo(fx, 84);
        foot.lineTo(fx, 93);
        foot.moveTo(fx + 1, 84);
        foot.lineTo(fx + 4.5, 92);
        Limb(p, foot, 1.8, QColor(245, 160, 40), kInk, 0.9);
    }

    // A round, plump body that is also the head.
    QPainterPath body;
    body.addEllipse(QPointF(35, 59), 27, 28);
    Shape(p, body, Glow(QPointF(32, 52), 34, QPointF(24, 40), QColor(120, 176, 255), back), kInk);

    // Cream belly and the red throat of a swallow.
    p.save();
    p.setClipPath(body);
    Ellipse(p, QPointF(35, 76), 20, 16,
            Vertical(60, 90, QColor(255, 252, 240), QColor(214, 218, 234)), kInk, 1.0);
    Ellipse(p, QPointF(35, 62.5), 6.5, 3.6, QColor(232, 100, 70), kInk, 0);
    p.restore();

    // Stubby wings resting on its sides.
    QPainterPath wingL;
    wingL.moveTo(12, 54);
    wingL.cubicTo(3, 60, 2, 73, 6, 80);
    wingL.cubicTo(11, 76, 16, 70, 16, 62);
    wingL.closeSubpath();
    QPainterPath wingR;
    wingR.moveTo(58, 54);
    wingR.cubicTo(67, 60, 68, 73, 64, 80);
    wingR.cubicTo(59, 76, 54, 70, 54, 62);
    wingR.closeSubpath();
    for (const QPainterPath& wing : {wingL, wingR})
        Shape(p, wing, Vertical(54, 80, QColor(52, 92, 200), QColor(22, 44, 128)), kInk);

    // A tuft on top, ruffled from the nap.
    QPainterPath tuft;
    tuft.moveTo(30, 33);
    tuft.cubicTo(27, 26, 30, 22, 34, 23);
    tuft.cubicTo(32, 26, 33, 29, 35, 31.5);
    tuft.cubicTo(36, 25, 41, 22, 44, 25);
    tuft.cubicTo(41, 26, 40, 29, 40, 32.5);
    tuft.closeSubpath();
    Shape(p, tuft, QColor(70, 120, 230), kInk);

    // Heavy-lidded eyes, rosy cheeks and a little yellow beak.
    SleepyEye(p, QPointF(25, 49), 5.5, 5.0, QColor(86, 140, 240), true);
    SleepyEye(p, QPointF(45, 49), 5.5, 5.0, QColor(86, 140, 240), false);
    Ellipse(p, QPointF(17.5, 57), 4, 2.4, QColor(255, 140, 160, 190), kInk, 0);
    Ellipse(p, QPointF(52.5, 57), 4, 2.4, QColor(255, 140, 160, 190), kInk, 0);
    QPainterPath lower;
    lower.moveTo(31.5, 56.5);
    lower.quadTo(35, 62, 38.5, 56.5);
    lower.closeSubpath();
    Shape(p, lower, QColor(232, 150, 20), kInk, 1.0);
    QPainterPath upper;
    upper.moveTo(30, 55.5);
    upper.quadTo(35, 51.5, 40, 55.5);
    upper.quadTo(36, 58.5, 35, 60);
    upper.quadTo(34, 58.5, 30, 55.5);
    upper.closeSubpath();
    Shape(p, upper, Vertical(52, 60, QColor(255, 236, 90), QColor(250, 190, 20)), kInk, 1.0);

    // A bubble at the beak, rising and falling with each breath.
    Ellipse(p, QPointF(43.5, 61), 4.4, 4.2, QColor(214, 240, 255, 210), QColor(50, 100, 170), 0.9);
    Ellipse(p, QPointF(42.2, 59.6), 1.3, 1.0, QColor(255, 255, 255), kInk, 0);

    Snooze(p, QPointF(50, 27), 14, -12);
    Snooze(p, QPointF(60, 14), 10, -18);
}

void DrawWolf(QPainter& p) {
    const QColor fur(244, 246, 250);
    const QColor shade(190, 202, 216);
    const QColor furLine(40, 44, 60);

    // Shoulders and chest.
    QPainterPath torso;
    torso.moveTo(4, 97);
    torso.cubicTo(5, 76, 13, 62, 30, 60);
    torso.cubicTo(44, 60, 56, 66, 60, 78);
    torso.lineTo(63, 97);
    torso.closeSubpath();
    Shape(p, torso, Vertical(66, 96, fur, shade), furLine);
    // A ruff of fur at the chest.
    QPainterPath ruff;
    ruff.moveTo(20, 68);
    ruff.lineTo(24, 78);
    ruff.lineTo(27, 71);
    ruff.lineTo(31, 81);
    ruff.lineTo(34, 71);
    ruff.lineTo(38, 78);
    ruff.lineTo(41, 68);
    Line(p, ruff, QColor(150, 160, 178), 1.1);
    // A gold chain, because of course.
    QPainterPath chain;
    chain.moveTo(20, 67);
    chain.quadTo(30, 80, 42, 67);
    Line(p, chain, QColor(120, 90, 0), 2.4);
    Line(p, chain, QColor(255, 210, 40), 1.2);

    // The raised arm, index finger to the sky: "number one".
    QPainterPath arm;
    arm.moveTo(52, 76);
    arm.cubicTo(60, 66, 62, 48, 59, 26);
    Limb(p, arm, 9, fur, furLine);
    QPainterPath finger;
    finger.addRoundedRect(QRectF(56.4, 2.2, 5.2, 16), 2.6, 2.6);
    Shape(p, finger, Vertical(2, 18, fur, QColor(214, 222, 232)), furLine);
    QPainterPath fist;
    fist.addRoundedRect(QRectF(51.5, 13.5, 15, 14), 5, 5);
    Shape(p, fist, Vertical(13, 28, fur, shade), furLine);
    QPainterPath curled;  // the other fingers, folded
    curled.moveTo(58.5, 17.5);
    curled.lineTo(66, 17.5);
    curled.moveTo(58.5, 21.5);
    curled.lineTo(66, 21.5);
    Line(p, curled, QColor(120, 130, 150), 1.0);
    QPainterPath thumb;  // laid across the front of the fist
    thumb.addRoundedRect(QRectF(50.5, 19, 10, 5.4), 2.7, 2.7);
    Shape(p, thumb, fur, furLine, 1.1);

    // Ears poke out from under the cap.
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(30 + side * 8, 24);
        ear.lineTo(30 + side * 19, 9);
        ear.lineTo(30 + side * 17, 30);
        ear.closeSubpath();
        Shape(p, ear, fur, furLine);
        QPainterPath inner;
        inner.moveTo(30 + side * 11, 25);
        inner.lineTo(30 + side * 17.5, 14);
        inner.lineTo(30 + side * 16, 27);
        inner.closeSubpath();
        Shape(p, inner, QColor(250, 180, 190), furLine, 0);
    }

    // Head with spiky cheek fur.
    QPainterPath head;
    head.moveTo(13, 34);
    head.cubicTo(13, 24, 47, 24, 47, 34);
    head.lineTo(49, 44);
    head.lineTo(52, 47);
    head.lineTo(47, 50);
    head.lineTo(50, 55);
    head.lineTo(43, 56);
    head.cubicTo(40, 63, 20, 63, 17, 56);
    head.lineTo(10, 55);
    head.lineTo(13, 50);
    head.lineTo(8, 47);
    head.lineTo(11, 44);
    head.closeSubpath();
    Shape(p, head, Glow(QPointF(30, 42), 26, QPointF(26, 34), fur, QColor(206, 216, 228)), furLine);

    // Muzzle, nose and a lopsided grin with one fang.
    Ellipse(p, QPointF(30, 53), 9, 6.5, QColor(255, 255, 255), furLine, 1.0);
    Ellipse(p, QPointF(30, 48.6), 3.6, 2.6, QColor(30, 30, 40), furLine, 0.8);
    Ellipse(p, QPointF(29, 47.8), 1.1, 0.7, QColor(170, 170, 190), furLine, 0);
    QPainterPath grin;
    grin.moveTo(22.5, 54.5);
    grin.quadTo(30, 58.5, 38.5, 52.5);
    grin.lineTo(39.5, 51);
    Line(p, grin, furLine, 1.3);
    QPainterPath fang;
    fang.moveTo(33, 56.6);
    fang.lineTo(34.3, 59.6);
    fang.lineTo(35.6, 55.9);
    fang.closeSubpath();
    Shape(p, fang, QColor(255, 255, 255), furLine, 0.8);

    // Blue shades.
    QPainterPath lenses;
    lenses.moveTo(15, 40);
    lenses.lineTo(28.5, 40);
    lenses.quadTo(28.5, 47.5, 22, 47.5);
    lenses.quadTo(15, 47.5, 15, 40);
    lenses.closeSubpath();
    lenses.moveTo(31.5, 40);
    lenses.lineTo(45, 40);
    lenses.quadTo(45, 47.5, 38, 47.5);
    lenses.quadTo(31.5, 47.5, 31.5, 40);
    lenses.closeSubpath();
    QPainterPath bridge;
    bridge.moveTo(27, 41);
    bridge.lineTo(33, 41);
    Line(p, bridge, kInk, 1.6);
    Shades(p, lenses, QColor(120, 200, 255), QColor(20, 60, 200), 40, 47.5);
    // One cocky eyebrow above the frame.
    QPainterPath brow;
    brow.moveTo(33, 37.2);
    brow.lineTo(44, 35.2);
    Line(p, brow, furLine, 1.4);

    // The red cap, worn sideways with the peak out to the left.
    QPainterPath peak;
    peak.moveTo(17, 34);
    peak.cubicTo(8, 31, 2, 33, 1, 37);
    peak.cubicTo(6, 38, 12, 38, 20, 37);
    peak.closeSubpath();
    Shape(p, peak, Vertical(31, 38, QColor(200, 24, 24), QColor(120, 8, 8)), kInk);
    QPainterPath crown;
    crown.moveTo(12.5, 36);
    crown.cubicTo(11, 17, 49, 17, 47.5, 36);
    crown.quadTo(30, 32.5, 12.5, 36);
    crown.closeSubpath();
    Shape(p, crown,
          Glow(QPointF(30, 26), 20, QPointF(24, 22), QColor(255, 96, 80), QColor(180, 16, 16)),
          kInk);
    Ellipse(p, QPointF(30, 19.6), 2.2, 1.4, QColor(255, 90, 80), kInk, 0.9);
    // A white letter on the front panel.
    const QPainterPath mark =
        FitPath(TextPath(QStringLiteral("W"), Font(QStringLiteral("DejaVu Sans"), 12, true)),
                QRectF(24.5, 24.5, 11, 7.5));
    Shape(p, mark, QColor(255, 255, 255), kInk, 0);
}

void DrawTiger(QPainter& p) {
    const QColor suit(28, 38, 92);
    const QColor orange(244, 150, 36);
    const QColor stripe(60, 30, 10);

    // A broad body in a dark suit.
    QPainterPath body;
    body.moveTo(2, 97);
    body.cubicTo(2, 74, 12, 63, 36, 62);
    body.cubicTo(60, 63, 69, 74, 69, 97);
    body.closeSubpath();
    Shape(p, body, Glow(QPointF(36, 70), 44, QPointF(30, 64), QColor(60, 74, 150), suit), kInk);
    // White shirt and red tie in the V of the jacket.
    QPainterPath shirt;
    shirt.moveTo(26, 63);
    shirt.lineTo(36, 92);
    shirt.lineTo(46, 63);
    shirt.closeSubpath();
    Shape(p, shirt, QColor(246, 246, 240), kInk, 1.0);
    QPainterPath tie;
    tie.moveTo(33.5, 66);
    tie.lineTo(38.5, 66);
    tie.lineTo(37.5, 70);
    tie.lineTo(39.5, 84);
    tie.lineTo(36, 89);
    tie.lineTo(32.5, 84);
    tie.lineTo(34.5, 70);
    tie.closeSubpath();
    Shape(p, tie, Vertical(66, 89, QColor(230, 40, 40), QColor(140, 10, 20)), kInk, 1.0);
    // Lapels.
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath lapel;
        lapel.moveTo(36 + side * 10, 62.5);
        lapel.lineTo(36 + side * 16, 64);
        lapel.lineTo(36 + side * 10.5, 72);
        lapel.lineTo(36 + side * 13, 74);
        lapel.lineTo(36 + side * 0.5, 93);
        lapel.closeSubpath();
        Shape(p, lapel, Vertical(62, 93, QColor(46, 60, 130), QColor(22, 30, 76)), kInk, 1.0);
    }
    // A gold pin in the buttonhole.
    Ellipse(p, QPointF(52, 76), 1.6, 1.6, QColor(255, 214, 60), kInk, 0.7);

    // A wide, heavy face with jowls; the ears stick out under the hat brim.
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(36 + side * 18, 30);
        ear.lineTo(36 + side * 30, 24);
        ear.lineTo(36 + side * 26, 40);
        ear.closeSubpath();
        Shape(p, ear, orange, kInk);
        QPainterPath inner;
        inner.moveTo(36 + side * 21, 31);
        inner.lineTo(36 + side * 27.5, 27.5);
        inner.lineTo(36 + side * 25, 36);
        inner.closeSubpath();
        Shape(p, inner, QColor(250, 200, 170), kInk, 0);
    }
    QPainterPath face;
    face.moveTo(12, 36);
    face.cubicTo(12, 26, 60, 26, 60, 36);
    face.cubicTo(63, 44, 62, 52, 57, 56);
    face.cubicTo(52, 64, 20, 64, 15, 56);
    face.cubicTo(10, 52, 9, 44, 12, 36);
    face.closeSubpath();
    Shape(p, face, Glow(QPointF(36, 44), 28, QPointF(30, 36), QColor(255, 190, 80), orange), kInk);

    // Stripes on the cheeks and brow.
    p.save();
    p.setClipPath(face);
    QPainterPath stripes;
    for (qreal side : {-1.0, 1.0}) {
        stripes.moveTo(36 + side * 27, 44);
        stripes.lineTo(36 + side * 20, 45.5);
        stripes.moveTo(36 + side * 27, 49);
        stripes.lineTo(36 + side * 21, 50);
        stripes.moveTo(36 + side * 25, 54);
        stripes.lineTo(36 + side * 20, 54);
    }
    stripes.moveTo(32, 31);
    stripes.lineTo(33, 35);
    stripes.moveTo(36, 30);
    stripes.lineTo(36, 35.5);
    stripes.moveTo(40, 31);
    stripes.lineTo(39, 35);
    Line(p, stripes, stripe, 1.7);
    p.restore();

    // White muzzle, pink nose and a down-turned mouth of a boss who has seen it all.
    Ellipse(p, QPointF(31.5, 52.5), 6, 4.6, QColor(255, 250, 236), kInk, 1.0);
    Ellipse(p, QPointF(40.5, 52.5), 6, 4.6, QColor(255, 250, 236), kInk, 1.0);
    QPainterPath chin;
    chin.addEllipse(QPointF(36, 57.6), 4.2, 2.6);
    Shape(p, chin, QColor(255, 250, 236), kInk, 1.0);
    Ellipse(p, QPointF(31.5, 52.5), 5.3, 3.9, QColor(255, 250, 236), kInk, 0);
    Ellipse(p, QPointF(40.5, 52.5), 5.3, 3.9, QColor(255, 250, 236), kInk, 0);
    QPainterPath nose;
    nose.moveTo(32.5, 47.5);
    nose.lineTo(39.5, 47.5);
    nose.quadTo(36, 52, 36, 52);
    nose.closeSubpath();
    Shape(p, nose, QColor(200, 90, 90), kInk, 1.0);
    QPainterPath mouth;
    mouth.moveTo(36, 52);
    mouth.lineTo(36, 54.5);
    mouth.moveTo(31, 56.5);
    mouth.quadTo(33.5, 54.2, 36, 54.5);
    mouth.quadTo(38.5, 54.2, 41, 56.5);
    Line(p, mouth, kInk, 1.1);
    // Whiskers.
    QPainterPath whiskers;
    for (qreal side : {-1.0, 1.0}) {
        whiskers.moveTo(36 + side * 10, 51.5);
        whiskers.lineTo(36 + side * 22, 49.5);
        whiskers.moveTo(36 + side * 10, 54);
        whiskers.lineTo(36 + side * 22, 55.5);
    }
    Line(p, whiskers, QColor(255, 255, 255), 0.9);

    // The cigar, lit, with a curl of smoke.
    QPainterPath smoke;
    smoke.moveTo(62, 54);
    smoke.cubicTo(58, 48, 67, 45, 63, 39);
    smoke.cubicTo(60, 34, 67, 31, 65, 25);
    Line(p, smoke, QColor(110, 110, 120), 3.0);
    Line(p, smoke, QColor(224, 224, 230), 1.8);
    QPainterPath cigar;
    cigar.moveTo(41, 56);
    cigar.lineTo(60, 53);
    Limb(p, cigar, 3.6, QColor(130, 80, 40), kInk, 0.9);
    QPainterPath band;
    band.moveTo(45.5, 54.3);
    band.lineTo(46, 57.4);
    Line(p, band, QColor(230, 190, 40), 1.6);
    Ellipse(p, QPointF(61, 52.9), 1.6, 2.0, QColor(255, 110, 30), kInk, 0.7);

    // Bushy grey eyebrows over black shades.
    QPainterPath brows;
    brows.moveTo(18, 37.5);
    brows.quadTo(24, 34, 32, 37);
    brows.moveTo(40, 37);
    brows.quadTo(48, 34, 54, 37.5);
    Line(p, brows, kInk, 3.2);
    Line(p, brows, QColor(220, 220, 214), 2.0);
    QPainterPath lenses;
    lenses.addRoundedRect(QRectF(18, 38.5, 15, 8), 3, 3);
    lenses.addRoundedRect(QRectF(39, 38.5, 15, 8), 3, 3);
    QPainterPath bridge;
    bridge.moveTo(32, 40.5);
    bridge.quadTo(36, 39, 40, 40.5);
    Line(p, bridge, kInk, 1.6);
    Shades(p, lenses, QColor(70, 70, 80), QColor(8, 8, 12), 38.5, 46.5);

    // A dark blue fedora with a band, a little small for the head.
    QPainterPath brim;
    brim.moveTo(6, 30);
    brim.cubicTo(12, 24, 60, 24, 66, 30);
    brim.cubicTo(60, 33.5, 12, 33.5, 6, 30);
    brim.closeSubpath();
    Shape(p, brim, Vertical(24, 34, QColor(50, 62, 130), QColor(20, 26, 70)), kInk);
    QPainterPath crown;
    crown.moveTo(15, 28.5);
    crown.cubicTo(14, 14, 18, 6, 28, 7);
    crown.quadTo(36, 11, 44, 7);
    crown.cubicTo(54, 6, 58, 14, 57, 28.5);
    crown.quadTo(36, 31.5, 15, 28.5);
    crown.closeSubpath();
    Shape(p, crown, Glow(QPointF(34, 16), 24, QPointF(28, 12), QColor(70, 86, 170), suit), kInk);
    p.save();
    p.setClipPath(crown);
    QPainterPath hatBand;
    hatBand.moveTo(10, 23.5);
    hatBand.quadTo(36, 27, 62, 23.5);
    hatBand.lineTo(62, 30);
    hatBand.lineTo(10, 30);
    hatBand.closeSubpath();
    Shape(p, hatBand, QColor(150, 20, 30), kInk, 1.0);
    p.restore();
    Shape(p, crown, Qt::NoBrush, kInk);
}

}  // namespace Art
