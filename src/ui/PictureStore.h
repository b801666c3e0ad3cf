// frmData: the catalogue of every picture the game draws, compiled into the
// program as resources and addressed by set name and index. Loaded once at start-up.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

enum class PicSet { picCard, picFace, picPlayer, picMsgDat, imgJuni, cursor, icon, title };

namespace PictureStore {
// Loads every picture of the catalogue (idempotent).
void Load();
// Number of pictures in a set.
int Count(PicSet set);
// True when the index lies inside the set and its picture is in the program.
bool Has(PicSet set, int index);
// The picture; a null pixmap when the index is outside the set.
const QPixmap& Picture(PicSet set, int index);
// Cursor n (0..3) with its hot spot; 0 the white pointing hand, 3 the link hand.
QCursor Cursor(int n);
QIcon ProgramIcon();
// The program icon at its largest, for the places that show it stretched.
QPixmap LargestIcon();
// Puts a picture into the store in place of the one loaded (tests draw their own).
void Replace(PicSet set, int index, const QPixmap& picture);
// The magenta that sprites show as see-through.
constexpr QRgb kMaskColour = 0xFFFF00FF;
}  // namespace PictureStore
