// The one place where the game talks to the player in message boxes, all
// titled "トマベル". Tests replace the boxes with scripted answers.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace MessageBoxes {
// OK box.
// Lets events run: the box's own event loop, until it is answered.
void Inform(QWidget* parent, const QString& text);
// Yes/No box; true for Yes.
// Lets events run: the box's own event loop, until it is answered.
bool AskYesNo(QWidget* parent, const QString& text);

// Test hooks: while set, no box is shown and the hook answers instead.
void SetInformHook(std::function<void(const QString&)> hook);
void SetAskHook(std::function<bool(const QString&)> hook);
}  // namespace MessageBoxes
