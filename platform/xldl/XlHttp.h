#pragma once
// HTTP/1.1 pieces without any I/O: addresses, redirect resolution, response heads, chunked
// bodies. Pure functions, so tests call them directly.
#include <cstddef>
#include <cstdint>
#include <string>

namespace xldl {

struct TUrl {
  bool Secure = false;  // https
  std::string Host;     // without brackets for IPv6 literals; lower case
  std::uint16_t Port = 0;
  std::string Target;   // path and query, percent-encoded ASCII, starts with '/'
  bool HostIsIPv6 = false;

  std::string HostHeader() const;  // host[:port], the port only when not the scheme's default
  std::string Text() const;        // the whole address
};

// Parses an absolute http:// or https:// address (UTF-8); bytes that may not stand in a request
// line (spaces, controls, non-ASCII) are percent-encoded. False for anything else.
bool ParseUrl(const std::string& text, TUrl& out);
// The address a Location header points to, seen from base. False when it is not http/https.
bool ResolveUrl(const TUrl& base, const std::string& location, TUrl& out);
// Removes "." and ".." segments from an absolute path (the query is left alone).
std::string RemoveDotSegments(const std::string& path);

struct TResponse {
  int Status = 0;
  std::int64_t ContentLength = -1;  // -1: none given
  bool Chunked = false;
  bool CloseDelimited = false;      // neither length nor chunked: the body ends at close
  bool HasContentRange = false;
  std::int64_t RangeFirst = -1, RangeLast = -1, RangeTotal = -1;  // RangeTotal -1: "*"
  bool AcceptRanges = false;
  std::string Location, ETag, LastModified, RetryAfter;

  // Bytes the body will carry when known in advance, else -1.
  std::int64_t BodyLength() const { return Chunked ? -1 : ContentLength; }
  // Full size of the resource when the answer tells it, else -1.
  std::int64_t ResourceSize() const;
};

// Length of the head including the blank line that ends it, or 0 when the blank line has not
// arrived yet.
std::size_t FindHeadEnd(const char* data, std::size_t size);
// Parses a status line and header fields. False when malformed.
bool ParseResponseHead(const std::string& head, TResponse& out);
// "bytes first-last/total" (total may be "*"). False when malformed.
bool ParseContentRange(const std::string& value, std::int64_t& first, std::int64_t& last,
                       std::int64_t& total);
bool IsRedirect(int status);
// A decimal of 1 to 18 digits, nothing else (no sign, no spaces).
bool ParseInt64(const std::string& text, std::int64_t& out);
// How long a Retry-After value (seconds, or an HTTP date seen at now, in seconds since 1970)
// asks us to wait, in milliseconds, at most a minute; -1 when it is malformed.
std::int64_t RetryAfterMs(const std::string& value, std::int64_t now);

// Decodes a chunked body in place, in pieces as they arrive from the connection.
class TChunkedDecoder {
public:
  // Decodes size bytes at data; the decoded bytes are moved to the front of data and their
  // count returned. Bytes after the final chunk and its trailer are ignored.
  std::size_t Decode(char* data, std::size_t size);
  bool Done() const { return FState == EState::Done; }
  bool Failed() const { return FState == EState::Error; }

private:
  enum class EState { Size, Extension, SizeLF, Data, DataCR, DataLF, TrailerStart, Trailer,
                      TrailerLF, Done, Error };
  EState FState = EState::Size;
  std::uint64_t FRemaining = 0;
  int FDigits = 0;
};

}  // namespace xldl
