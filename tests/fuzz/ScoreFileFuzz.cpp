// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes at all may lie in solsc.dat. Whatever they are, the reader must not
// crash; a table it accepts must be exactly the bytes it came from, and must
// stand everything the score window does with a table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scores/ScoreFile.h"

namespace {

// Stops the run on the input that broke a promise, so that it is kept.
void Require(bool promise) {
    if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The same bytes as the names file beside the table: every name read is one the
    // game would write, and a table given them writes them back as they were read.
    const ScoreNames names = DecodeScoreNames(bytes);
    if (names.whole) {
        ScoreTable named = DefaultScoreTable();
        AttachScoreNames(named, names);
        for (const SoloScoreRecord& record : named) Require(record.exactName.size() <= 80);
        Require(DecodeScoreNames(EncodeScoreNames({&named})).whole);
    }

    const std::optional<ScoreTable> table = DecodeScoreTable(bytes);
    if (!table) return 0;

    // The table is the start of the file, byte for byte, and reads back the same.
    const std::string encoded = EncodeScoreTable(*table);
    Require(bytes.substr(0, encoded.size()) == encoded);
    Require(DecodeScoreTable(encoded) == table);

    for (const SoloScoreRecord& record : *table) {
        const ScoreTexts texts = FormatScore(record);
        Require(texts.time.size() == 5 && texts.turn.size() == 3 && texts.date.size() == 19);
    }
    SortScoreByTime(*table);
    SortScoreByTurn(*table);

    // A new result, its time and turns taken from the file's first bytes, is
    // ranked and placed in the table read.
    const int32_t seconds =
        static_cast<unsigned char>(bytes[0]) * 24 + static_cast<int32_t>(size % 60);
    const int32_t turns = static_cast<unsigned char>(bytes[1]) * 4 + static_cast<int32_t>(size % 4);
    const ScoreRank rank = GetNewScoreRank(*table, seconds, turns);
    Require(rank.byTime >= 0 && rank.byTime <= kScoreCount && rank.byTurn >= 0 &&
            rank.byTurn <= kScoreCount);
    SoloScoreRecord record;
    SetScoreDate(record, 2024, 2, 29, 23, 59, 59);
    CompleteScoreRecord(record, seconds, turns);
    const ScorePlacement placement = PlaceNewScore(*table, record);
    if (placement.placed) Require(placement.newIndex >= 0 && placement.newIndex < kScoreCount);
    return 0;
}
