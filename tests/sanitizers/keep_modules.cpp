// Preloaded under `make asan`: libraries opened at run time are never
// unloaded. Mesa unloads its software renderer (swrast_dri.so) when the
// display closes, and the memory it keeps for the life of the process then
// shows up as leaks from "<unknown module>" that no suppression can name.
// Kept mapped, that memory stays reachable from the driver and is not
// reported; any leak of the game's own code still is.
extern "C" int dlclose(void *) { return 0; }
