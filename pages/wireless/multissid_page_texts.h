#pragma once
// The texts the Multi-SSID page shows, shared by its files.

inline constexpr char kGetOkText[] = "Get OK!";
inline constexpr char kSaveOkText[] = "Save OK!";
inline constexpr char kSaveFailText[] = "Save Fail!";
inline constexpr char kSaveSsidText[] = "Save SSID...!";
inline constexpr char kDeletingText[] = "Deleting...";
inline constexpr char kNewKeyText[] = "Please check the Log or E-mail for the new security key!";
inline constexpr char kApModeWarningText[] = "If you enable Multi-SSID, AP Mode will be set to 'Access Point'!";
inline constexpr char kDeleteQuestionText[] = "Are you sure that you want to delete this SSID?";
inline constexpr char kSecurityNotShownText[] =
    "The security of this SSID cannot be shown here: it is kept unless you change it.";
inline constexpr char kNotChangedText[] = "Settings is not changed.";
inline constexpr char kRadiusNotSavedText[] = "The RADIUS server of this SSID was not saved.";
inline constexpr char kNoSsidText[] = "Please input SSID!";
inline constexpr char kBlankEdgeSsidText[] = "The first character and last character can't be blank!";
inline constexpr char kBlankEdgeText[] = "The first character and last character can't be blank.";
inline constexpr char kSsidLengthText[] = "The Max Length of SSID is 32!";
inline constexpr char kSsidCharactersText[] = "There are some invalid characters in the SSID field.Please check it.";
inline constexpr char kConfirmText[] = "Please input the confirm new password correctly!";
inline constexpr char kHexCharactersText[] = "The legal character are 0~9,A~F or a~f.";
inline constexpr char kKeyShareText[] = "Key value is used by SSID!\n\n  To change Key value affects other SSID settings.";
inline constexpr char kIntervalText[] = "Please input a number between 300 and 9999999.";
inline constexpr char kPassPhraseShortText[] = "The Passphrase length is between 8 and 63.";
inline constexpr char kPassPhraseLongText[] = "The max length of Passphrase is 63.";
inline constexpr char kTimeIntervalText[] = "Invalid Time Interval range!";
inline constexpr char kRadiusServerText[] = "The Radius server's IP is illegal.";
inline constexpr char kRadiusPortText[] = "Please input a number between 1 and 65535.";
inline constexpr char kRadiusSecretEmptyText[] = "The shared secret of radius server can not be empty.";
inline constexpr char kRadiusSecretLongText[] = "The max length of secret of radius server is 64.";
