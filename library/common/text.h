#pragma once
// Text helpers shared by the library. All text is 8-bit (std::string holding
// bytes); positions given to or returned by the library's text functions are
// 1-based where their callers count that way.

#include <string>

// Removes blanks and control characters (bytes up to 0x20) from both ends.
std::string Trim(const std::string& text);

// Equality and order that ignore the case of ASCII letters; other bytes are
// compared as unsigned values.
bool SameText(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b);

// Whether part occurs in text (byte for byte).
bool Contains(const std::string& text, const std::string& part);

// The text-to-integer conversion every part of the program uses: leading
// blanks, an optional sign, then decimal digits, or hexadecimal digits after a
// "$" or "0x" prefix; nothing may follow. The result must fit 32 bits signed.
// StrToInt raises os::ConvertError ("'<text>' is not a valid integer value");
// TryStrToInt returns false instead.
int StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int& value);

std::string IntToStr(long long value);

// The shortest general form of a double with 15 significant digits, or with
// 16 or 17 where 15 would not read back as the same double: "0.5", "12",
// "-3.25", "1E20", "1.5E-7", "0.30000000000000004", "1.7976931348623157E308".
std::string FloatToStr(double value);
