#pragma once

// Start-up and footprint of the real program, each against a minimal
// program of the same kind started the same way.
void BenchProcesses(const char* huevane, const char* bench, int ticks);

// The floor's own process: the pointer and the square read, 40 times a second.
int FloorLoop();

// A minimal Win32 program: an empty dialog.
int EmptyDialog();
