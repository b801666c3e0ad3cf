// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {
// The game's name, in the player's language.
QString Title() { return QCoreApplication::translate("MessageBoxes", "トマベル"); }
std::function<void(const QString&)> informHook;
std::function<bool(const QString&)> askHook;
std::function<bool(const QString&)> retryHook;

// The window a box is centred on: the parent's own when it is on screen, else the
// nearest one above it that is (none: the screen's centre).
QWidget* OnScreen(QWidget* parent) {
    for (QWidget* widget = parent; widget; widget = widget->parentWidget())
        if (widget->isVisible()) return widget;
    return nullptr;
}
}  // namespace

namespace MessageBoxes {

void Inform(QWidget* parent, const QString& text) {
    if (informHook) return informHook(text);
    QMessageBox::information(OnScreen(parent), Title(), text, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text) {
    if (askHook) return askHook(text);
    return QMessageBox::question(OnScreen(parent), Title(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool AskRetry(QWidget* parent, const QString& text, const QString& giveUp) {
    if (retryHook) return retryHook(text);
    QMessageBox box(QMessageBox::Warning, Title(), text, QMessageBox::Retry, OnScreen(parent));
    // Not a reject button: Esc and the close box would otherwise give up for the player.
    box.addButton(giveUp, QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Retry);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Retry);
}

void SetInformHook(std::function<void(const QString&)> hook) { informHook = std::move(hook); }
void SetAskHook(std::function<bool(const QString&)> hook) { askHook = std::move(hook); }
void SetRetryHook(std::function<bool(const QString&)> hook) { retryHook = std::move(hook); }

QTranslator* InstallQtTexts(const QString& language, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString from =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_") + language, from) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace MessageBoxes
