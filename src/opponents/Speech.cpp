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
#include "engine/TextMarks.h"
#include "engine/Views.h"

namespace {
// One row per line, one column per character: Swallow, Wolf, Tiger. The lines
// are marked for translation and the table's balloon shows them in the
// player's language (Tiger's empty line stays empty in every language).
// The first four rows are the greetings; the rest follow the order of SpeechEvent.
using LineRow = std::array<std::string, 3>;
const std::array<LineRow, 12> kLines = {{
    {{QT_TRANSLATE_NOOP("Speech", "まってました。"), QT_TRANSLATE_NOOP("Speech", "俺様の番か？？"),
      QT_TRANSLATE_NOOP("Speech", "もうワシの番か・・・")}},  // greeting 1
    {{QT_TRANSLATE_NOOP("Speech", "わーい！！"),
      QT_TRANSLATE_NOOP("Speech", "世界が俺を呼んでるぜぇ。"),
      QT_TRANSLATE_NOOP("Speech", "・・・")}},  // greeting 2
    {{QT_TRANSLATE_NOOP("Speech", "俺様の技を見よ"),
      QT_TRANSLATE_NOOP("Speech", "まちにまったぜぇ。"),
      QT_TRANSLATE_NOOP("Speech", "おまえら早すぎるぞ！")}},  // greeting 3
    {{QT_TRANSLATE_NOOP("Speech", "！"), QT_TRANSLATE_NOOP("Speech", "！！！"),
      QT_TRANSLATE_NOOP("Speech", "もう少し休ませてくれ")}},  // greeting 4
    {{QT_TRANSLATE_NOOP("Speech", "ゲッ"), QT_TRANSLATE_NOOP("Speech", "俺様って"),
      QT_TRANSLATE_NOOP("Speech", "これと")}},  // KnownPairFirst
    {{QT_TRANSLATE_NOOP("Speech", "チュー"), QT_TRANSLATE_NOOP("Speech", "天才！！"),
      QT_TRANSLATE_NOOP("Speech", "これじゃな")}},  // KnownPairSecond
    {{QT_TRANSLATE_NOOP("Speech", "ゲッチュー！！"), QT_TRANSLATE_NOOP("Speech", "ラッキー"),
      QT_TRANSLATE_NOOP("Speech", "見えた！")}},  // PartnerRemembered
    {{QT_TRANSLATE_NOOP("Speech", "どれにしようかな"),
      QT_TRANSLATE_NOOP("Speech", "これでいいや。"), ""}},  // Guessing
    {{QT_TRANSLATE_NOOP("Speech", "これとね、"), QT_TRANSLATE_NOOP("Speech", "これとね、"),
      QT_TRANSLATE_NOOP("Speech", "これとね、")}},  // FirstOpened
    {{QT_TRANSLATE_NOOP("Speech", "これかな？、"), QT_TRANSLATE_NOOP("Speech", "オープン！！"),
      QT_TRANSLATE_NOOP("Speech", "開けるぞ")}},  // SecondOpened
    {{QT_TRANSLATE_NOOP("Speech", "やったね。"), QT_TRANSLATE_NOOP("Speech", "へへっ"),
      QT_TRANSLATE_NOOP("Speech", "まぁこんなもんか")}},  // GotPair
    {{QT_TRANSLATE_NOOP("Speech", "ちっ！"), QT_TRANSLATE_NOOP("Speech", "まっこんなもんかな。"),
      QT_TRANSLATE_NOOP("Speech", "やっと休めるわい")}},  // TurnOver
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
