#pragma once
// One value of the SNMP DateAndTime type (RFC 2579): eleven octets, year,
// month, day, hour, minute, second, tenths of a second, then the direction,
// hours and minutes from UTC. The record holds exactly these eleven octets in
// this order, the year in the host's byte order; on the wire the year is most
// significant byte first, so code that moves the octets to or from an SNMP
// value calls SwapYearBytes between the record and the wire.
//
// Its text form is "year-month-day,hour:minute:second.deciSecond" with
// ",+h:m" or ",-h:m" for the zone, numbers in decimal without leading zeros,
// e.g. "2004-5-26,13:30:15.0,+8:0".

#include <cstdint>
#include <string>
#include <type_traits>

#pragma pack(push, 1)
class VkDateTime {
public:
    // The current local date and time to the second; deciSecond 0, zone '+' 0:0.
    VkDateTime();

    // Parses the text form: the first of "y-m-d,h:m:s.d,+h:m",
    // "y-m-d,h:m:s.d,-h:m" and "y-m-d,h:m:s.d" that the whole text matches
    // (blanks may stand before each number; a number may carry a sign). Each
    // number is stored in its field's width (its low 16 or 8 bits); no range
    // is checked. Without a zone the zone is '+' 0:0. A text that matches no
    // form gives 0 in every date and time field and the zone '+' 0:0.
    explicit VkDateTime(const std::string& text);

    // Copies the eleven octets of `other`; returns this record.
    VkDateTime& Assign(const VkDateTime& other);

    // The text form; the zone is printed only when its hours or minutes are
    // not 0 and the sign is '+' or '-'.
    std::string ToString() const;

    // Converts `year` between host and network byte order (either direction):
    // exchanges its two octets on a little-endian host.
    void SwapYearBytes();

    // The eleven octets as the record holds them.
    std::string Octets() const;

    // Takes the record from the first eleven octets of `octets`. Fields that
    // fewer octets leave out (an eight-octet DateAndTime has no zone) are 0,
    // the sign '+'.
    void AssignOctets(const std::string& octets);

    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t deciSecond = 0;
    char utcSign = '+';
    uint8_t utcHours = 0;
    uint8_t utcMinutes = 0;

private:
    // 0 in every date and time field, zone '+' 0:0.
    void Clear();
};
#pragma pack(pop)

static_assert(sizeof(VkDateTime) == 11, "a DateAndTime is exactly eleven octets");
static_assert(std::is_trivially_copyable<VkDateTime>::value,
              "the record is copied as its octets");
