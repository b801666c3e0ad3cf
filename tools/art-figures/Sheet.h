// A contact sheet of every picture, each shown the way the game shows it.
#pragma once

#include <QImage>

namespace Art {
QImage ContactSheet();
}
