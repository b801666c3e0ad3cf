// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A table that draws nothing: with the virtual clock, whole games run on it in
// milliseconds, deterministically (tests, the headless match runner).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Views.h"
#include "engine/VirtualClockHost.h"

// Keeps the state of every widget the engine touches, and nothing else; it
// plays all four views.
class HeadlessTable : public CardsView, public SeatsView, public MarkersView, public WindowView {
public:
    // The table shows `game`; with a host, its one-second timer runs on the host's clock.
    explicit HeadlessTable(GameState& game, VirtualClockHost* host = nullptr)
        : game_(game), host_(host) {}
    Views AsViews() { return {this, this, this, this}; }
    // The game the table shows.
    GameState& Game() const { return game_; }

    struct CardState {
        bool visible = false, face = false, enabled = true;
        int picture = 0;
        Rect rect{0, 0, kCardWidth, kCardHeight};
        int paints = 0;
    };
    std::array<CardState, 60> cards{};
    std::array<bool, 4> panelShown{}, onTurn{}, balloonShown{};
    std::array<std::string, 4> cardCount{}, balloon{};
    std::array<CharacterKind, 4> panelKind{};
    std::vector<std::pair<int, std::string>> said;  // every balloon line, by seat
    bool handVisible = false;
    int handLeft = 0, handTop = 0;
    std::vector<std::pair<int, int>> handPath;
    int banner = -1;
    bool bannerVisible = false;
    int bannerLeft = 0, bannerTop = 0;
    bool soloLabels = false;
    std::string timeText, countText;
    bool startEnabled = true, quitEnabled = false, windowEnabled = true;
    bool timerRunning = false;
    std::vector<std::string> messages;
    int versusResults = 0, soloResults = 0, gotCardPaints = 0;
    int focusFrame = 0;           // the card framed for the keyboard
    std::vector<int> flipWidths;  // widths of every card move, in order
    // A screen reader is still speaking until then (virtual clock): by default
    // nobody listens.
    uint32_t speakingUntil = 0;
    std::function<void()> onSoloResult, onVersusResult;

    void SetCardVisible(int card, bool visible) override;
    bool CardVisible(int card) const override { return cards[card].visible; }
    void SetCardFace(int card, bool face) override;
    bool CardFace(int card) const override { return cards[card].face; }
    void SetCardEnabled(int card, bool enabled) override { cards[card].enabled = enabled; }
    bool CardEnabled(int card) const override { return cards[card].enabled; }
    void SetCardPicture(int card, int pictureNumber) override {
        cards[card].picture = pictureNumber;
    }
    void MoveCard(int card, const Rect& rect) override;
    Rect CardRect(int card) const override { return cards[card].rect; }
    void RaiseCard(int) override {}
    void DrawCard(int card) override { ++cards[card].paints; }
    void DrawGotCards() override { ++gotCardPaints; }
    void SetFocusFrame(int card) override { focusFrame = card; }
    int FramedCard() const override { return focusFrame; }
    void ShowSeatPanel(int seat, CharacterKind kind) override;
    void HideSeatPanel(int seat) override;
    void SetSeatOnTurn(int seat, bool on) override { onTurn[seat] = on; }
    void SetSeatCardCount(int seat, const std::string& text) override { cardCount[seat] = text; }
    void ShowBalloon(int seat, const std::string& text) override;
    bool StillSpeaking() const override { return host_ && host_->Now() < speakingUntil; }
    void HideBalloon(int seat) override { balloonShown[seat] = false; }
    void MoveHand(int left, int top) override;
    void SetHandVisible(bool visible) override { handVisible = visible; }
    void LoadBanner(int n) override { banner = n; }
    Size BannerSize() const override;
    void MoveBanner(int left, int top) override { bannerLeft = left, bannerTop = top; }
    void SetBannerVisible(bool visible) override { bannerVisible = visible; }
    void RaiseBanner() override {}
    int WindowOuterWidth() const override { return 640; }
    void SetSoloLabelsVisible(bool visible) override { soloLabels = visible; }
    void SetTimeText(const std::string& text) override { timeText = text; }
    void SetCountText(const std::string& text) override { countText = text; }
    void SetStartEnabled(bool e) override { startEnabled = e; }
    void SetQuitEnabled(bool e) override { quitEnabled = e; }
    void SetWindowEnabled(bool e) override { windowEnabled = e; }
    void StartSecondTimer() override;
    void StopSecondTimer() override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowVersusResult() override;
    void HandOverSoloResult() override;

private:
    GameState& game_;
    VirtualClockHost* host_;
    int timerId_ = 0;
};
