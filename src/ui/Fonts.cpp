#include "ui/Fonts.h"

#include <QFont>

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kRoundGothic, QStringLiteral("MotoyaLMaru"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
}
