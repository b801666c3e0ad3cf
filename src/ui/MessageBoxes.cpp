#include "ui/MessageBoxes.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("トマベル");
std::function<void(const QString&)> informHook;
std::function<bool(const QString&)> askHook;
}  // namespace

namespace MessageBoxes {

void Inform(QWidget* parent, const QString& text) {
    if (informHook) return informHook(text);
    QMessageBox::information(parent, kTitle, text, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text) {
    if (askHook) return askHook(text);
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void SetInformHook(std::function<void(const QString&)> hook) { informHook = std::move(hook); }
void SetAskHook(std::function<bool(const QString&)> hook) { askHook = std::move(hook); }

}  // namespace MessageBoxes
