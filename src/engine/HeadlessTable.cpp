// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/HeadlessTable.h"

#include "engine/HumanPlay.h"

void HeadlessTable::SetCardVisible(int card, bool visible) {
    cards[card].visible = visible;
    if (!visible && card == focusFrame) focusFrame = 0;  // the frame goes with its card
}

void HeadlessTable::SetCardFace(int card, bool face) {
    cards[card].face = face;
    ++cards[card].paints;
}

void HeadlessTable::MoveCard(int card, const Rect& rect) {
    if (rect.width != cards[card].rect.width || rect.height != cards[card].rect.height)
        ++cards[card].paints;
    cards[card].rect = rect;
    flipWidths.push_back(rect.width);
}

void HeadlessTable::ShowSeatPanel(int seat, CharacterKind kind) {
    panelShown[seat] = true;
    panelKind[seat] = kind;
    cardCount[seat] = "0";
}

void HeadlessTable::HideSeatPanel(int seat) {
    panelShown[seat] = false;
    balloonShown[seat] = false;
}

void HeadlessTable::ShowBalloon(int seat, const std::string& text) {
    balloonShown[seat] = true;
    balloon[seat] = text;
    said.emplace_back(seat, text);
}

void HeadlessTable::MoveHand(int left, int top) {
    handLeft = left;
    handTop = top;
    handPath.emplace_back(left, top);
}

Size HeadlessTable::BannerSize() const {
    if (banner == 0) return {138, 50};
    if (banner == 3) return {234, 68};
    return {320, 96};
}

void HeadlessTable::StartSecondTimer() {
    timerRunning = true;
    if (host_ && !timerId_) timerId_ = host_->Every(1000, [this] { SecondTick(game_); });
}

void HeadlessTable::StopSecondTimer() {
    timerRunning = false;
    if (host_ && timerId_) host_->Cancel(timerId_);
    timerId_ = 0;
}

void HeadlessTable::ShowVersusResult() {
    ++versusResults;
    if (onVersusResult) onVersusResult();
}

void HeadlessTable::HandOverSoloResult() {
    ++soloResults;
    if (onSoloResult) onSoloResult();
}
