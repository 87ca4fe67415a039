// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact key releases on X11. By default the X server sends a release before every repeated
// press of a held key, and Qt only guesses which releases are real by looking ahead in its
// event queue; under load the guess fails and a held Space plays several moves. XKB's
// detectable auto-repeat makes the server send repeated presses alone and one release when
// the key really goes up, so the guess is never needed.

// Asks for it on Qt's own X connection. Does nothing on other platforms; answers whether
// exact releases are now in force.
bool RequestExactKeyReleases();
