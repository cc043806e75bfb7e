// What SDL needs set once for the whole process, before its first subsystem
// starts and before a second thread could read hints or the environment.
#pragma once

// SIGTERM and SIGINT keep their default meaning instead of becoming SDL
// events, closing the window quits nothing, and SDL's desktop-bus use finds
// the user's session bus or none, never a daemon started for the game.
void sdl_process_setup();
