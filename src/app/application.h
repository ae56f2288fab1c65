#pragma once
// The program entry shared by both releases.

#include "app/release.h"

namespace lumtar {

// Initialises the application, titles it "Lumtar", creates the main window
// and runs the message loop until it closes. Returns 0.
int RunLumtar(int argc, char** argv, const Release& release);

}  // namespace lumtar
