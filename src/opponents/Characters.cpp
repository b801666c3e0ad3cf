// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opponents/Characters.h"

#include "engine/TextMarks.h"

namespace {
const Character kHuman{.kind = CharacterKind::You,
                       .digit = '0',
                       .picture = 0,
                       .name = QT_TRANSLATE_NOOP("SeatPanel", "You"),
                       .displayName = QT_TRANSLATE_NOOP("Characters", "あなた"),
                       .resultName = QT_TRANSLATE_NOOP("VersusResultWindow", "Ｙｏｕ"),
                       .computer = false};

const Character kEmptySeat{.kind = CharacterKind::Empty,
                           .digit = '4',
                           .picture = 4,
                           .name = "Empty",
                           .displayName = QT_TRANSLATE_NOOP("Characters", "空席"),
                           .resultName = "",
                           .computer = false};

const Character kSwallow{
    .kind = CharacterKind::Swallow,
    .digit = '1',
    .picture = 1,
    .name = QT_TRANSLATE_NOOP("SeatPanel", "Swallow"),
    .displayName = QT_TRANSLATE_NOOP("Characters", "ツバメ"),
    .resultName = QT_TRANSLATE_NOOP("VersusResultWindow", "Baby Swallow"),
    .computer = true,
    .memorySize = 20,
    .recallOwnPct = 90,
    .recallOtherPct = 30,
    .forgetTakenPct = 40,
    .lifetime = 10,
    .quickStepLimit = 7,
    .lines = {
        QT_TRANSLATE_NOOP("Speech", "まってました。"), QT_TRANSLATE_NOOP("Speech", "わーい！！"),
        QT_TRANSLATE_NOOP("Speech", "俺様の技を見よ"), QT_TRANSLATE_NOOP("Speech", "！"),
        QT_TRANSLATE_NOOP("Speech", "ゲッ"), QT_TRANSLATE_NOOP("Speech", "チュー"),
        QT_TRANSLATE_NOOP("Speech", "ゲッチュー！！"),
        QT_TRANSLATE_NOOP("Speech", "どれにしようかな"), QT_TRANSLATE_NOOP("Speech", "これとね、"),
        QT_TRANSLATE_NOOP("Speech", "これかな？、"), QT_TRANSLATE_NOOP("Speech", "やったね。"),
        QT_TRANSLATE_NOOP("Speech", "ちっ！")}};

const Character kWolf{
    .kind = CharacterKind::Wolf,
    .digit = '2',
    .picture = 2,
    .name = QT_TRANSLATE_NOOP("SeatPanel", "Wolf"),
    .displayName = QT_TRANSLATE_NOOP("Characters", "オオカミ"),
    .resultName = QT_TRANSLATE_NOOP("VersusResultWindow", "Funny Wolf"),
    .computer = true,
    .memorySize = 40,
    .recallOwnPct = 90,
    .recallOtherPct = 60,
    .forgetTakenPct = 80,
    .lifetime = 20,
    .quickStepLimit = 7,
    .lines = {QT_TRANSLATE_NOOP("Speech", "俺様の番か？？"),
              QT_TRANSLATE_NOOP("Speech", "世界が俺を呼んでるぜぇ。"),
              QT_TRANSLATE_NOOP("Speech", "まちにまったぜぇ。"),
              QT_TRANSLATE_NOOP("Speech", "！！！"), QT_TRANSLATE_NOOP("Speech", "俺様って"),
              QT_TRANSLATE_NOOP("Speech", "天才！！"), QT_TRANSLATE_NOOP("Speech", "ラッキー"),
              QT_TRANSLATE_NOOP("Speech", "これでいいや。"),
              QT_TRANSLATE_NOOP("Speech", "これとね、"),
              QT_TRANSLATE_NOOP("Speech", "オープン！！"), QT_TRANSLATE_NOOP("Speech", "へへっ"),
              QT_TRANSLATE_NOOP("Speech", "まっこんなもんかな。")}};

// Tiger takes its time even when it knows where to go, and says nothing while
// it guesses.
const Character kTiger{
    .kind = CharacterKind::Tiger,
    .digit = '3',
    .picture = 3,
    .name = QT_TRANSLATE_NOOP("SeatPanel", "Tiger"),
    .displayName = QT_TRANSLATE_NOOP("Characters", "トラ"),
    .resultName = QT_TRANSLATE_NOOP("VersusResultWindow", "Fat Tiger"),
    .computer = true,
    .memorySize = 60,
    .recallOwnPct = 100,
    .recallOtherPct = 80,
    .forgetTakenPct = 90,
    .lifetime = 20,
    .quickStepLimit = 20,
    .lines = {
        QT_TRANSLATE_NOOP("Speech", "もうワシの番か・・・"), QT_TRANSLATE_NOOP("Speech", "・・・"),
        QT_TRANSLATE_NOOP("Speech", "おまえら早すぎるぞ！"),
        QT_TRANSLATE_NOOP("Speech", "もう少し休ませてくれ"), QT_TRANSLATE_NOOP("Speech", "これと"),
        QT_TRANSLATE_NOOP("Speech", "これじゃな"), QT_TRANSLATE_NOOP("Speech", "見えた！"), "",
        QT_TRANSLATE_NOOP("Speech", "これとね、"), QT_TRANSLATE_NOOP("Speech", "開けるぞ"),
        QT_TRANSLATE_NOOP("Speech", "まぁこんなもんか"),
        QT_TRANSLATE_NOOP("Speech", "やっと休めるわい")}};
}  // namespace

const std::vector<Character>& Characters() {
    static const std::vector<Character> rows = {kHuman, kSwallow, kWolf, kTiger, kEmptySeat};
    return rows;
}

const Character& CharacterOf(CharacterKind kind) {
    for (const Character& c : Characters())
        if (c.kind == kind) return c;
    return kEmptySeat;
}

CharacterKind KindOfDigit(char32_t c) {
    if (c < U'0' || c > U'9') return CharacterKind::You;
    for (const Character& row : Characters())
        if (static_cast<char32_t>(row.digit) == c) return row.kind;
    return CharacterKind::Empty;
}
