#pragma once
// Splits one line of an object file or of the control channel into tokens:
// blanks separate them, "..." quotes a token that may hold blanks or be empty
// (\", \\ and \xHH inside the quotes), and "#" outside quotes starts a comment.

#include <string>
#include <vector>

namespace sim {

// Returns false for an unterminated quote or a bad escape.
bool SplitTokens(const std::string& line, std::vector<std::string>& tokens);

// The token form of a text: quoted when it is empty or holds blanks, quotes,
// backslashes, "#" or control characters (written \xHH); as it is otherwise.
std::string QuoteToken(const std::string& text);

}  // namespace sim
