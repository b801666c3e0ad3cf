// The settings file "tomavel.ini" beside the program, and the values it sets
// that belong to no game.
#pragma once

#include <cstdint>
#include <string>

class MainWindow;

extern int32_t glCur;      // cursor option 0..3 of the settings dialog
extern int32_t glNoSound;  // -1 sound off, 0 on

// Reads one key of the settings file; false (and `value` untouched) when it is missing or empty.
bool ReadIni(const std::string& section, const std::string& key, std::string& value);
void WriteIni(const std::string& section, const std::string& key, const std::string& value);
// Writes the default file: the comment header and the eleven keys.
void WriteDefaultIni();
// Applies the file at start-up: seats, solitaire mode, card back, cursor, the two menu switches.
void LoadSettings(MainWindow& window);
