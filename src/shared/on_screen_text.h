#pragma once
// What the plug-in shows on the screen outside its menu: feed notifications
// and the respawn countdown line. Every text goes to the game through
// addLongTextComponent, which knows the game's limit of a text component.
#include <cstddef>
#include <cstdint>

// The game shows at most this many characters of one text component.
constexpr size_t textComponentLimit = 99;

// Adds text to the notification or screen text begun as components of type
// "STRING": a longer text as several components of at most
// textComponentLimit bytes each, never cutting a UTF-8 character in two (the
// game copies each component as it is added).
void addLongTextComponent(const char* text);
void showNotification(const char* text);
void drawRespawnCountdown(uint32_t remainingMilliseconds);
