// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmData: the catalogue of every picture the game draws, compiled into the
// program as resources and addressed by set name and index. Each picture is
// read the first time it is asked for.
// Every picture is also drawn twice and three times as dense, for high-density
// screens; those drawings are loaded when a screen first asks for them.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

enum class PicSet { picCard, picFace, picPlayer, picMsgDat, imgJuni, cursor, icon, title };

namespace PictureStore {
// Opens the catalogue (idempotent); the pictures themselves are read when first asked for.
void Load();
// Number of pictures in a set.
int Count(PicSet set);
// True when the index lies inside the set and its picture is in the program.
bool Has(PicSet set, int index);
// The picture; a null pixmap when the index is outside the set.
const QPixmap& Picture(PicSet set, int index);
// The same picture for painting `ratio` device pixels to each of its own: its 2x or 3x
// drawing, marked with that device pixel ratio so that it still paints at the picture's own
// size. A ratio up to 1, or a picture that is not the store's own, comes back as it is.
QPixmap ForRatio(const QPixmap& picture, qreal ratio);
// The device pixels to one logical pixel that a painter paints at on its device.
qreal PaintRatio(const QPainter& painter);
// Cursor n (0..3) with its hot spot; 0 the white pointing hand, 3 the link hand.
// `scale` magnifies it with the table it points at; on a larger table or a dense
// screen it is drawn from the drawing made for as many pixels as it covers there.
QCursor Cursor(int n, qreal scale = 1);
// The program icon at every size it is drawn at, from 32 to 256 pixels.
QIcon ProgramIcon();
// The program icon at its largest (128 pixels, as dense as the densest screen), for the
// places that show it stretched.
QPixmap LargestIcon();
// The large icon for the about box's 112 x 120 picture on a screen of the given
// ratio: drawn that small beforehand (pixel for pixel what the box would make of
// the largest icon) when the ratio is the whole one the largest icon is drawn for,
// otherwise the largest icon, for the box to shrink.
QPixmap AboutBoxIcon(qreal ratio);
// Puts a picture into the store in place of the one loaded (tests draw their own).
void Replace(PicSet set, int index, const QPixmap& picture);
// The magenta that sprites show as see-through.
constexpr QRgb kMaskColour = 0xFFFF00FF;
}  // namespace PictureStore
