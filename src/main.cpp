#include <QGuiApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
    // Desktops match the window to its menu entry, and so to its icon, by this
    // name; on Wayland it is the only way they have.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tomavel"));
    return RunProgram(argc, argv);
}
