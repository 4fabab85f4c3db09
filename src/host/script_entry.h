#pragma once
// The plug-in's script entry, which the library entry registers with the host.
// The host calls it once, on a script fibre of its own; it never returns.
// Defined by the frame loop on top of every subsystem.
void scriptMain();
// Logs the load of the library and whether the script host was found; without
// a host nothing else will ever run, so the line is written at once. Defined
// on top as well.
void reportLibraryLoad(bool hostFound);
