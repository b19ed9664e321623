#pragma once

// Prints the tick's median and 99th-percentile time against its floor.
void BenchTick(int rounds);
