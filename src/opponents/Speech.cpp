// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the opponents say: a balloon beside the character that stays up for
// 100 loop passes after its last line, the greeting draw at the start of a
// turn, and every line of the three characters.
#include "opponents/Speech.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/Random.h"
#include "engine/Views.h"

namespace {
// One row per line, one column per character: Swallow, Wolf, Tiger.
// The first four rows are the greetings; the rest follow the order of SpeechEvent.
using LineRow = std::array<std::string, 3>;
const std::array<LineRow, 12> kLines = {{
    {{"まってました。", "俺様の番か？？", "もうワシの番か・・・"}},      // greeting 1
    {{"わーい！！", "世界が俺を呼んでるぜぇ。", "・・・"}},              // greeting 2
    {{"俺様の技を見よ", "まちにまったぜぇ。", "おまえら早すぎるぞ！"}},  // greeting 3
    {{"！", "！！！", "もう少し休ませてくれ"}},                          // greeting 4
    {{"ゲッ", "俺様って", "これと"}},                                    // KnownPairFirst
    {{"チュー", "天才！！", "これじゃな"}},                              // KnownPairSecond
    {{"ゲッチュー！！", "ラッキー", "見えた！"}},                        // PartnerRemembered
    {{"どれにしようかな", "これでいいや。", ""}},                        // Guessing
    {{"これとね、", "これとね、", "これとね、"}},                        // FirstOpened
    {{"これかな？、", "オープン！！", "開けるぞ"}},                      // SecondOpened
    {{"やったね。", "へへっ", "まぁこんなもんか"}},                      // GotPair
    {{"ちっ！", "まっこんなもんかな。", "やっと休めるわい"}},            // TurnOver
}};

constexpr int kBalloonPasses = 100;

int RowOf(SpeechEvent event, int variant) {
    if (event == SpeechEvent::Greeting) return std::clamp(variant, 0, 3);
    return 3 + static_cast<int>(event);  // KnownPairFirst is event 1 and row 4
}
}  // namespace

const std::string& LineFor(CharacterKind kind, SpeechEvent event, int variant) {
    static const std::string none;
    if (kind != CharacterKind::Swallow && kind != CharacterKind::Wolf &&
        kind != CharacterKind::Tiger)
        return none;
    return kLines[RowOf(event, variant)][static_cast<int>(kind) - 1];
}

void SayLine(int seat, const std::string& text) {
    Seats().ShowBalloon(seat, text);
    PlayerSlot& s = game.seats[seat];
    s.balloonShown = true;
    s.balloonAge = 0;  // a new line replaces the old one and starts the count again
}

void Say(int seat, SpeechEvent event) { SayLine(seat, LineFor(game.seats[seat].kind, event)); }

void Greet(int seat) {
    // Three turns in ten begin in silence; the fourth line is the rarest.
    const int d = static_cast<int>(std::floor(Rnd() * 10));
    if (d <= 2) return;
    const int variant = d <= 4 ? 0 : d <= 6 ? 1 : d <= 8 ? 2 : 3;
    SayLine(seat, LineFor(game.seats[seat].kind, SpeechEvent::Greeting, variant));
}

void TickBalloon(int seat) {
    PlayerSlot& s = game.seats[seat];
    if (!s.balloonShown) return;
    ++s.balloonAge;
    if (s.balloonAge > kBalloonPasses) {
        Seats().HideBalloon(seat);
        s.balloonShown = false;
    }
}
