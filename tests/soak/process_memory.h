#pragma once
// The memory this process holds in RAM, as the kernel counts it.

// VmRSS from /proc/self/status in KiB; -1 where it cannot be read.
long ResidentKiB();
