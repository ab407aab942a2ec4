#pragma once
// Whether the system shows a high-contrast scheme: the program's own colours then give way to
// the system's, which the user chose to be readable.
namespace tk {

// SPI_GETHIGHCONTRAST says so, or the window colour is dark (a scheme set by hand, or a system
// that does not report the flag).
bool highContrast();

// The colour a control draws with: the program's or user's choice, or the system colour under a
// high-contrast scheme or when nothing was chosen (0xFFFFFFFF).
unsigned long chosenOrSystem(unsigned long chosen, int systemColor);

}  // namespace tk
