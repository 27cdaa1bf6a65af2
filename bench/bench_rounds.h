#pragma once
// The one optional argument of the comparing benchmarks: how many rounds to
// time (default 7, at least 1). "--help" prints the usage and ends the
// program with 0; a wrong argument prints it and ends with 2.

// usage: the lines after "usage: <program> [rounds]   (default 7, at least 1".
int RoundsOrExit(int argc, char** argv, const char* usage);
