#pragma once
// Decoding a download link and deriving the file name, and SlashesToBackslashes, which the
// derivation uses. No Win32 calls here, so tests and
// a fuzzer can call these directly. The ANSI conversion of the link (step 2 of
// StartLinkDownload) and the engine calls belong to the main window, not to this unit.
#include <string>
#include <string_view>

// Removed from every derived file name (case-sensitively, every occurrence): the portal's own
// advertising domain, which download sites put into file names.
inline constexpr wchar_t AdvertisingDomainText[] = L"www.vellumo.com";

// The text with only the characters the decoder accepts: "+", "/", "0"-"9", "=", "A"-"Z",
// "a"-"z". Every other byte (line breaks, blanks, anything else) is dropped without error.
std::string FilterBase64Chars(std::string_view text);

// The portal's decoder: filter, then decode in groups of four ("=" counts as value 0 and does not
// stop decoding). Two or three characters left over after the last group decode as the partial
// group of unpadded base64 (one or two bytes); a single one is ignored. With
// removeTrailingZeros, zero bytes are removed from the end of the output, which turns the padding
// of well-formed base64 back into standard decoding. Never reads past its input.
std::string Base64DecodeText(std::string_view text, bool removeTrailingZeros);

// Steps 3 and 4 of StartLinkDownload for the text after the five-letter prefix (already 8-bit):
// base64-decode with trailing zeros removed, then decode the bytes as UTF-8. The UTF-8 decoding
// is rtl::Utf8ToUtf16 and lenient: every malformed sequence, overlong form, surrogate or value
// past U+10FFFF becomes U+FFFD (one per maximal invalid subpart); it never fails.
std::wstring DecodeLinkAddress(std::string_view base64Text);

// Every "/" replaced by "\"; back slashes are left alone.
std::wstring SlashesToBackslashes(std::wstring_view text);

// "%XX" escapes decoded as UTF-8 bytes, leniently: an escape without two hex digits stays as it
// stands, and bytes that do not form UTF-8 become U+FFFD.
std::wstring PercentDecodeUtf8(std::wstring_view text);

// The address up to its first "?" or "#" (the query and fragment never name the file),
// percent-decoded (PercentDecodeUtf8), slashes to backslashes, the part after the last "\" or
// ":" (the whole text if it has neither), then every occurrence of AdvertisingDomainText
// removed. An address whose path ends in a slash gives an empty name; so does an escaped
// separator at the end ("%2F"), since decoding comes before the split.
std::wstring FileNameFromAddress(std::wstring_view address);
