#pragma once
// The notification feed and text components shared by feed and screen text.
#include <cstdint>

void beginNotification(const char* componentType);         // 0x202709F4C58A0424
void addTextComponentString(const char* text);             // 0x6C188BE134E074AA
void postNotification(bool blink, bool showInBrief);       // 0x2ED7843F8F801023
