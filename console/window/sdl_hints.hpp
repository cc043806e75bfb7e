// SDL hints that hold for the whole process.
#pragma once

// SIGTERM and SIGINT keep their default meaning instead of becoming SDL
// events, and closing the window quits nothing. Set once, before SDL's first
// subsystem starts and before a second thread could read hints.
void sdl_process_hints();
