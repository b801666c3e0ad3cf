#include "engine/Headless.h"

#include "engine/Engine.h"



void VirtualClockHost::At(uint32_t at, std::function<void()> action) {
    timed_.push_back({at, 0, nextId_++, std::move(action)});
}

int VirtualClockHost::Every(uint32_t intervalMs, std::function<void()> action) {
    const int id = nextId_++;
    timed_.push_back({now_ + intervalMs, intervalMs, id, std::move(action)});
    return id;
}

void VirtualClockHost::Cancel(int id) {
    std::erase_if(timed_, [id](const Timed& t) { return t.id == id; });
}

// Runs the earliest event that is due; false when none is.
bool VirtualClockHost::RunDue() {
    auto due = timed_.end();
    for (auto it = timed_.begin(); it != timed_.end(); ++it)
        if (static_cast<int32_t>(now_ - it->at) >= 0 &&
            (due == timed_.end() || static_cast<int32_t>(it->at - due->at) < 0))
            due = it;
    if (due == timed_.end()) return false;
    std::function<void()> action = due->action;
    if (due->interval) {
        due->at += due->interval;
    } else {
        timed_.erase(due);
    }
    action();  // may wait, and so run further events, itself
    return true;
}

void VirtualClockHost::ProcessEvents() {
    ++eventPasses;
    if (everyPass_) everyPass_();
    while (RunDue()) {
    }
}

void VirtualClockHost::WaitForEvents(uint32_t deadline) {
    // Jump to the next scheduled event or the deadline, whichever comes first.
    uint32_t next = deadline;
    for (const Timed& t : timed_)
        if (static_cast<int32_t>(t.at - next) < 0) next = t.at;
    if (static_cast<int32_t>(next - now_) > 0) now_ = next;
    ProcessEvents();
}

void VirtualClockHost::PlaySoundFile(const std::string& name, int flags) {
    if (recordSounds) sounds.emplace_back(name, flags);
    if (flags == 0) now_ += syncSoundMs;  // a synchronous sound holds everything
}

void HeadlessTable::SetCardFace(int card, bool face) {
    cards[card].face = face;
    ++cards[card].paints;
    if (host_) host_->ProcessEvents();
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

Rect HeadlessTable::SeatCharacterRect(int seat) const {
    static constexpr int tops[4] = {4, 108, 212, 320};
    return {8, tops[seat], 71, 96};
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
    if (host_ && !timerId_) timerId_ = host_->Every(1000, [] { SecondTick(); });
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
