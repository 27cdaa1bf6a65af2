#pragma once
// Joining a folder and a file name into a path.

#include <string>

// The folder, a '/' unless the folder already ends in one, and the file name;
// an empty folder gives the file name alone. The file name is not examined.
std::string JoinPath(const std::string& folder, const std::string& fileName);
