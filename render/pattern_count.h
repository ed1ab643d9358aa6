#pragma once
// How a picture divides into patterns: equal cells of `width` x `height`,
// neighbours `skipWidth` / `skipHeight` pixels apart, starting at the top left.

// The number of whole patterns that fit into a picture of `pictureWidth` x
// `pictureHeight`: ((pictureWidth + skipWidth) div (width + skipWidth)) times
// the same vertically. A step of 0 or less fits no pattern (rather than
// dividing by it), and neither does a picture smaller than one pattern.
int PatternCount(int pictureWidth, int pictureHeight, int width, int height, int skipWidth, int skipHeight);
