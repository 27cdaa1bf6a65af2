#include "tests/library/tftp/tftp_test_files.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace tftptest {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

bool Exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

std::string PatternBytes(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned value = seed * 2654435761u;
    for (size_t i = 0; i < size; ++i) {
        value = value * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(value >> 16);
    }
    return bytes;
}

}  // namespace tftptest
