#pragma once

// Start-up and footprint of the real program, each against the start-up
// floor (floors.h), started the same way.
void BenchProcesses(const char* huevane, const char* bench, int ticks);

// The floor's own process: the pointer and the square read, 40 times a second.
int FloorLoop();
