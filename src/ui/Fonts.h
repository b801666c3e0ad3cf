// The layouts name the fonts the game was drawn with; these lines map them
// onto the Japanese fonts this system has.
#pragma once

#include <QString>

// Font names as the window layouts give them.
inline const QString kRoundGothic = QStringLiteral("HG丸ｺﾞｼｯｸM-PRO");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

// Maps the layout fonts to MotoyaLMaru (rounded) and IPAMincho (serif). Safe to call more than
// once.
void InstallFontSubstitutions();
