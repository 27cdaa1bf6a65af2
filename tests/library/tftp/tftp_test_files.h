#pragma once
// Files for the TFTP tests: whole-file reads and writes and a byte pattern.
// No event loop needed.

#include <cstddef>
#include <string>

namespace tftptest {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
bool Exists(const std::string& path);
// size bytes of a pattern that differs from block to block.
std::string PatternBytes(size_t size, unsigned seed = 1);

}  // namespace tftptest
