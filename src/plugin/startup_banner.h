#pragma once
// The start-up banner: "Pelorin <version> loaded", and a word when the
// settings file is not there.

void showStartupBanner();
