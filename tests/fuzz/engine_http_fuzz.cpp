// The download engine's HTTP pieces: response heads, Content-Range and chunked bodies.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "platform/xldl/XlHttp.h"

namespace {

// Decodes the body in pieces of the given sizes (cycled); the decoder's output and end state.
std::string DecodeInPieces(const std::string& wire, const std::vector<size_t>& pieces, bool& done, bool& failed) {
  xldl::TChunkedDecoder decoder;
  std::string out;
  size_t at = 0;
  for (size_t k = 0; at < wire.size(); ++k) {
    const size_t want = pieces.empty() ? wire.size() : pieces[k % pieces.size()];
    std::string piece = wire.substr(at, want);
    at += piece.size();
    out.append(piece.data(), decoder.Decode(piece.data(), piece.size()));
  }
  done = decoder.Done();
  failed = decoder.Failed();
  return out;
}

void CheckHead(const std::string& head) {
  xldl::TResponse r;
  if (!xldl::ParseResponseHead(head, r)) return;
  FUZZ_CHECK(r.Status >= 0 && r.Status <= 999);
  FUZZ_CHECK(r.ContentLength >= -1);
  FUZZ_CHECK(!r.Chunked || r.ContentLength == -1);
  FUZZ_CHECK(r.CloseDelimited == (!r.Chunked && r.ContentLength < 0));
  FUZZ_CHECK(r.Status != 206 || r.HasContentRange);
  if (r.HasContentRange) {
    FUZZ_CHECK(r.RangeFirst >= 0 && r.RangeFirst <= r.RangeLast);
    FUZZ_CHECK(r.RangeTotal == -1 || r.RangeLast < r.RangeTotal);
  }
  FUZZ_CHECK(r.BodyLength() >= -1 && r.ResourceSize() >= -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // A head ends after its first blank line; what is parsed is consistent in itself.
  const size_t end = xldl::FindHeadEnd(bytes.data(), bytes.size());
  if (end) {
    FUZZ_CHECK(end <= size && bytes[end - 1] == '\n');
    FUZZ_CHECK(bytes[end - 2] == '\n' || (bytes[end - 2] == '\r' && bytes[end - 3] == '\n'));
    FUZZ_CHECK(xldl::FindHeadEnd(bytes.data(), end) == end);
  }
  CheckHead(bytes);
  CheckHead("HTTP/1.1 206 Partial Content\r\nContent-Range: " + bytes.substr(0, bytes.find('\n')) + "\r\n\r\n");

  // Content-Range of any three numbers reads back as written, and only when first <= last < total.
  if (size >= 24) {
    int64_t v[3];
    for (int k = 0; k < 3; ++k) {
      uint64_t u = 0;
      for (int b = 0; b < 8; ++b) u = u << 8 | data[k * 8 + b];
      v[k] = static_cast<int64_t>(u % 1000000000000000000ULL);  // the 18 digits the parser takes
    }
    int64_t first = -2, last = -2, total = -2;
    const std::string text = "bytes " + std::to_string(v[0]) + "-" + std::to_string(v[1]) + "/" + std::to_string(v[2]);
    const bool ok = xldl::ParseContentRange(text, first, last, total);
    FUZZ_CHECK(ok == (v[0] <= v[1] && v[1] < v[2]));
    if (ok) FUZZ_CHECK(first == v[0] && last == v[1] && total == v[2]);
    FUZZ_CHECK(xldl::ParseContentRange("bytes " + std::to_string(v[0]) + "-" + std::to_string(v[1]) + "/*", first,
                                       last, total) == (v[0] <= v[1]));
  }

  // Retry-After asks for at most a minute, whatever the value and the clock.
  if (size >= 5) {
    const int64_t now = (int64_t{data[0]} << 32 | data[1] << 24 | data[2] << 16 | data[3] << 8 | data[4]) % 100000000000;
    const int64_t wait = xldl::RetryAfterMs(bytes.substr(5, bytes.find('\n', 5) - 5), now);
    FUZZ_CHECK(wait >= -1 && wait <= 60000);
  }

  // The same bytes decode alike however the connection splits them.
  std::vector<size_t> pieces;
  for (size_t k = 0; k < size && k < 16; ++k) pieces.push_back(1 + data[k] % 7);
  bool doneWhole, failedWhole, donePieces, failedPieces;
  const std::string whole = DecodeInPieces(bytes, {}, doneWhole, failedWhole);
  FUZZ_CHECK(DecodeInPieces(bytes, pieces, donePieces, failedPieces) == whole);
  FUZZ_CHECK(doneWhole == donePieces && failedWhole == failedPieces);
  FUZZ_CHECK(whole.size() <= size);

  // Any body, chunked in sizes the input picks, decodes back to itself.
  std::string wire;
  size_t at = 0;
  for (size_t k = 0; at < size; ++k) {
    const size_t n = std::min<size_t>(size - at, 1 + data[k % size] % 40);
    char head[32];
    std::snprintf(head, sizeof head, k % 2 ? "%zX\r\n" : "%zx;ext=1\r\n", n);
    wire += head + bytes.substr(at, n) + "\r\n";
    at += n;
  }
  wire += "0\r\nTrailer: x\r\n\r\n";
  bool done, failed;
  FUZZ_CHECK(DecodeInPieces(wire, pieces, done, failed) == bytes);
  FUZZ_CHECK(done && !failed);
  return 0;
}
