// The card pictures of the picture store, drawn from code: faces 0..53 (clubs,
// spades, diamonds, hearts ace..king, then the cat and owl jokers) and backs 0..3.
#pragma once

#include <QImage>

namespace CardArt {

constexpr int kFaceCount = 54;
constexpr int kBackCount = 4;

// Finished pictures, 71 x 96, 24-bit RGB, frame included.
QImage Face(int index);
QImage Back(int index);

}  // namespace CardArt
