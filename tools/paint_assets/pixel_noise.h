#pragma once
// Texture without rand(): every value is a hash of its coordinates and a
// seed, so the pictures are the same on every run and every machine.
#include <cstdint>

uint32_t PixelHash(int x, int y, uint32_t seed);

// PixelHash scaled to [0, 1).
double HashUnit(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1] on a lattice of `cell` pixels that repeats
// every `period` pixels in both directions (period a multiple of cell), so
// ground painted with it tiles without seams.
double TileableNoise(double x, double y, int period, int cell, uint32_t seed);
