#pragma once
// The SNMPv3 engine-boots counter file: one "engineID count" pair per line
// (the engine ID is a text without blanks). One carriage return at a line's
// end belongs to the line end. Lines of other engine IDs are kept byte for
// byte, so each reads the same after a save.

#include <cstdint>
#include <string>

// Reads the count stored for engineId. Returns 0 when found, -1 when the file
// has no line for it, -2 when there is no file, -3 when the file cannot be
// read or a line for the engine ID does not hold a count.
int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots);

// Stores `boots` for engineId: the file's other lines are kept, the new
// content is written to a temporary file beside it and renamed over it.
// Returns 0 on success, -1 when the file cannot be read, written or put in
// place.
int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots);
