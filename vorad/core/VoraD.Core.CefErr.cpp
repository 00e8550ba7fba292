#include "vorad/core/VoraD.Core.CefErr.h"

#include <iterator>

namespace {

// Chromium's network error codes with NET_ERROR_ in place of ERR_. The eight descriptions the
// portal's texts fix (-1, -2, -3, -105, -106, -145, -200, -800) are used exactly; the others
// are plain descriptions of what the code means.
constexpr TCefErrorEntry ErrorTable[] = {
    {-1, L"NET_ERROR_IO_PENDING",
     L"An asynchronous IO operation is not yet complete.  This usually does not\r"
        L"indicate a fatal error.  Typically this error will be generated as a\r"
        L"notification to wait for some external notification that the IO operation\r"
        L"finally completed."},
    {-2, L"NET_ERROR_FAILED",
     L"A generic failure occurred."},
    {-3, L"NET_ERROR_ABORTED",
     L"An operation was aborted (due to user action)."},
    {-4, L"NET_ERROR_INVALID_ARGUMENT",
     L"An argument given to a function was not valid."},
    {-5, L"NET_ERROR_INVALID_HANDLE",
     L"The handle or file descriptor given to an operation was not valid."},
    {-6, L"NET_ERROR_FILE_NOT_FOUND",
     L"The file or folder that was asked for does not exist."},
    {-7, L"NET_ERROR_TIMED_OUT",
     L"The operation took too long and timed out."},
    {-8, L"NET_ERROR_FILE_TOO_BIG",
     L"The file is too large for the operation."},
    {-9, L"NET_ERROR_UNEXPECTED",
     L"Something happened that the code did not expect.\r"
        L"This usually points to a fault in the program rather than in the network."},
    {-10, L"NET_ERROR_ACCESS_DENIED",
     L"Access to the resource was denied."},
    {-11, L"NET_ERROR_NOT_IMPLEMENTED",
     L"The operation is not implemented."},
    {-12, L"NET_ERROR_INSUFFICIENT_RESOURCES",
     L"There were not enough resources, such as memory or sockets, to finish the operation."},
    {-13, L"NET_ERROR_OUT_OF_MEMORY",
     L"Memory could not be allocated."},
    {-14, L"NET_ERROR_UPLOAD_FILE_CHANGED",
     L"A file chosen for upload changed on disk after it was chosen.\r"
        L"The upload was stopped because its contents are no longer what the user picked."},
    {-15, L"NET_ERROR_SOCKET_NOT_CONNECTED",
     L"The socket is not connected."},
    {-16, L"NET_ERROR_FILE_EXISTS",
     L"The file already exists."},
    {-17, L"NET_ERROR_FILE_PATH_TOO_LONG",
     L"The path or file name is longer than the system allows."},
    {-18, L"NET_ERROR_FILE_NO_SPACE",
     L"There is not enough room on the disk."},
    {-19, L"NET_ERROR_FILE_VIRUS_INFECTED",
     L"The file was found to contain a virus."},
    {-20, L"NET_ERROR_BLOCKED_BY_CLIENT",
     L"The request was blocked by the client, for example by an extension or a content filter."},
    {-21, L"NET_ERROR_NETWORK_CHANGED",
     L"The network changed while the request was under way."},
    {-22, L"NET_ERROR_BLOCKED_BY_ADMINISTRATOR",
     L"The request was blocked by a policy that the administrator set."},
    {-100, L"NET_ERROR_CONNECTION_CLOSED",
     L"The connection was closed.\r"
        L"This corresponds to a TCP FIN."},
    {-101, L"NET_ERROR_CONNECTION_RESET",
     L"The connection was reset.\r"
        L"This corresponds to a TCP RST."},
    {-102, L"NET_ERROR_CONNECTION_REFUSED",
     L"The attempt to connect was refused by the other side."},
    {-103, L"NET_ERROR_CONNECTION_ABORTED",
     L"The connection was broken because no acknowledgement came for data that was sent.\r"
        L"This can happen when the other side disappears without closing the connection."},
    {-104, L"NET_ERROR_CONNECTION_FAILED",
     L"The attempt to connect failed."},
    {-105, L"NET_ERROR_NAME_NOT_RESOLVED",
     L"The host name could not be resolved."},
    {-106, L"NET_ERROR_INTERNET_DISCONNECTED",
     L"The Internet connection has been lost."},
    {-107, L"NET_ERROR_SSL_PROTOCOL_ERROR",
     L"An SSL protocol error occurred."},
    {-108, L"NET_ERROR_ADDRESS_INVALID",
     L"The IP address or port number is not valid, for example port 0."},
    {-109, L"NET_ERROR_ADDRESS_UNREACHABLE",
     L"The IP address cannot be reached.\r"
        L"This usually means that there is no route to the host or network."},
    {-110, L"NET_ERROR_SSL_CLIENT_AUTH_CERT_NEEDED",
     L"The server asked for a client certificate for SSL client authentication."},
    {-111, L"NET_ERROR_TUNNEL_CONNECTION_FAILED",
     L"A tunnel connection through the proxy could not be set up."},
    {-112, L"NET_ERROR_NO_SSL_VERSIONS_ENABLED",
     L"No SSL protocol versions are enabled."},
    {-113, L"NET_ERROR_SSL_VERSION_OR_CIPHER_MISMATCH",
     L"The client and the server have no SSL protocol version or cipher suite in common."},
    {-114, L"NET_ERROR_SSL_RENEGOTIATION_REQUESTED",
     L"The server asked to renegotiate the SSL connection."},
    {-115, L"NET_ERROR_PROXY_AUTH_UNSUPPORTED",
     L"The proxy asked for an authentication scheme that is not supported to open a tunnel."},
    {-116, L"NET_ERROR_CERT_ERROR_IN_SSL_RENEGOTIATION",
     L"A certificate error occurred while an SSL connection was being renegotiated."},
    {-117, L"NET_ERROR_BAD_SSL_CLIENT_AUTH_CERT",
     L"The SSL handshake failed because the client certificate was bad or missing."},
    {-118, L"NET_ERROR_CONNECTION_TIMED_OUT",
     L"The attempt to connect timed out."},
    {-119, L"NET_ERROR_HOST_RESOLVER_QUEUE_TOO_LARGE",
     L"Too many host name lookups were waiting, so this one was dropped."},
    {-120, L"NET_ERROR_SOCKS_CONNECTION_FAILED",
     L"The SOCKS proxy connection failed."},
    {-121, L"NET_ERROR_SOCKS_CONNECTION_HOST_UNREACHABLE",
     L"The SOCKS proxy could not reach the host that was asked for."},
    {-122, L"NET_ERROR_NPN_NEGOTIATION_FAILED",
     L"The protocol negotiation with the server (NPN or ALPN) failed."},
    {-123, L"NET_ERROR_SSL_NO_RENEGOTIATION",
     L"The peer sent an SSL no_renegotiation alert."},
    {-124, L"NET_ERROR_WINSOCK_UNEXPECTED_WRITTEN_BYTES",
     L"Winsock reported more bytes written than the program asked it to write.\r"
        L"This is a known fault of some security software on Windows."},
    {-125, L"NET_ERROR_SSL_DECOMPRESSION_FAILURE_ALERT",
     L"The peer sent an SSL decompression_failure alert.\r"
        L"This is often caused by servers that mishandle compression."},
    {-126, L"NET_ERROR_SSL_BAD_RECORD_MAC_ALERT",
     L"The peer sent an SSL bad_record_mac alert.\r"
        L"This is often caused by servers that mishandle record integrity checks."},
    {-127, L"NET_ERROR_PROXY_AUTH_REQUESTED",
     L"The proxy requested authentication to open a tunnel."},
    {-128, L"NET_ERROR_SSL_UNSAFE_NEGOTIATION",
     L"The SSL server tried to renegotiate in an unsafe way, so the connection was refused."},
    {-129, L"NET_ERROR_SSL_WEAK_SERVER_EPHEMERAL_DH_KEY",
     L"The SSL server sent a Diffie-Hellman key that is too weak."},
    {-130, L"NET_ERROR_PROXY_CONNECTION_FAILED",
     L"The connection to the proxy failed."},
    {-131, L"NET_ERROR_MANDATORY_PROXY_CONFIGURATION_FAILED",
     L"The mandatory proxy configuration could not be used.\r"
        L"No direct connection is made when that happens."},
    {-133, L"NET_ERROR_PRECONNECT_MAX_SOCKET_LIMIT",
     L"The limit of sockets for preconnections was reached.\r"
        L"No more preconnections are started."},
    {-134, L"NET_ERROR_SSL_CLIENT_AUTH_PRIVATE_KEY_ACCESS_DENIED",
     L"Access to the private key of the SSL client certificate was denied."},
    {-135, L"NET_ERROR_SSL_CLIENT_AUTH_CERT_NO_PRIVATE_KEY",
     L"The SSL client certificate has no private key."},
    {-136, L"NET_ERROR_PROXY_CERTIFICATE_INVALID",
     L"The certificate of the HTTPS proxy is not valid."},
    {-137, L"NET_ERROR_NAME_RESOLUTION_FAILED",
     L"The host name lookup failed, for example because the DNS server could not be reached.\r"
        L"This is different from a name that does not exist."},
    {-138, L"NET_ERROR_NETWORK_ACCESS_DENIED",
     L"Network access was denied, for example by a firewall.\r"
        L"The request may never have left the machine."},
    {-139, L"NET_ERROR_TEMPORARILY_THROTTLED",
     L"The request was throttled because too many requests to this address failed recently."},
    {-140, L"NET_ERROR_HTTPS_PROXY_TUNNEL_RESPONSE",
     L"A request to open a tunnel through an HTTPS proxy got a response that was not expected."},
    {-141, L"NET_ERROR_SSL_CLIENT_AUTH_SIGNATURE_FAILED",
     L"Signing with the SSL client certificate's private key failed."},
    {-142, L"NET_ERROR_MSG_TOO_BIG",
     L"The message was too large for the transport."},
    {-143, L"NET_ERROR_SPDY_SESSION_ALREADY_EXISTS",
     L"A SPDY session to the server already exists."},
    {-145, L"NET_ERROR_WS_PROTOCOL_ERROR",
     L"Error -144 was removed (LIMIT_VIOLATION).\r"
        L"Websocket protocol error. Indicates that we are terminating the connection\r"
        L"due to a malformed frame or other protocol violation."},
    {-146, L"NET_ERROR_PROTOCOL_SWITCHED",
     L"The connection switched to another protocol, so this request cannot go on over it."},
    {-147, L"NET_ERROR_ADDRESS_IN_USE",
     L"The address is already in use by another socket."},
    {-148, L"NET_ERROR_SSL_HANDSHAKE_NOT_COMPLETED",
     L"An operation failed because the SSL handshake had not finished yet."},
    {-149, L"NET_ERROR_SSL_BAD_PEER_PUBLIC_KEY",
     L"The SSL peer's public key is not valid."},
    {-150, L"NET_ERROR_SSL_PINNED_KEY_NOT_IN_CERT_CHAIN",
     L"The certificate did not match a key that was pinned for this host."},
    {-151, L"NET_ERROR_CLIENT_AUTH_CERT_TYPE_UNSUPPORTED",
     L"The server asked for a type of client certificate that is not supported."},
    {-152, L"NET_ERROR_ORIGIN_BOUND_CERT_GENERATION_TYPE_MISMATCH",
     L"The server asked for a domain-bound certificate of a type other than the one that was made."},
    {-200, L"NET_ERROR_CERT_COMMON_NAME_INVALID",
     L"Certificate error codes\r"
        L"The values of certificate error codes must be consecutive.\r"
        L"The server responded with a certificate whose common name did not match\r"
        L"the host name.  This could mean:\r"
        L"1. An attacker has redirected our traffic to his server and is\r"
        L"   presenting a certificate for which he knows the private key.\r"
        L"2. The server is misconfigured and responding with the wrong cert.\r"
        L"3. The user is on a wireless network and is being redirected to the\r"
        L"   network's login page.\r"
        L"4. The OS has used a DNS search suffix and the server doesn't have\r"
        L"   a certificate for the abbreviated name in the address bar."},
    {-201, L"NET_ERROR_CERT_DATE_INVALID",
     L"The server's certificate is not valid at this time: it has expired or is not yet valid.\r"
        L"The machine's clock may also be wrong."},
    {-202, L"NET_ERROR_CERT_AUTHORITY_INVALID",
     L"The server's certificate was issued by an authority that is not trusted.\r"
        L"An attacker may have put his own certificate in place, or the server is misconfigured."},
    {-203, L"NET_ERROR_CERT_CONTAINS_ERRORS",
     L"The server's certificate contains errors."},
    {-204, L"NET_ERROR_CERT_NO_REVOCATION_MECHANISM",
     L"The certificate offers no way to check whether it was revoked."},
    {-205, L"NET_ERROR_CERT_UNABLE_TO_CHECK_REVOCATION",
     L"The revocation status of the certificate could not be checked."},
    {-206, L"NET_ERROR_CERT_REVOKED",
     L"The certificate was revoked by its issuer."},
    {-207, L"NET_ERROR_CERT_INVALID",
     L"The certificate is not valid."},
    {-208, L"NET_ERROR_CERT_WEAK_SIGNATURE_ALGORITHM",
     L"The certificate is signed with a weak signature algorithm."},
    {-210, L"NET_ERROR_CERT_NON_UNIQUE_NAME",
     L"The certificate's host name is not unique, for example an internal name."},
    {-211, L"NET_ERROR_CERT_WEAK_KEY",
     L"The certificate contains a public key that is too weak."},
    {-212, L"NET_ERROR_CERT_END",
     L"The value just past the last certificate error code.\r"
        L"It is used only to mark the end of the range."},
    {-300, L"NET_ERROR_INVALID_URL",
     L"The URL is not valid."},
    {-301, L"NET_ERROR_DISALLOWED_URL_SCHEME",
     L"The URL's scheme is not allowed here."},
    {-302, L"NET_ERROR_UNKNOWN_URL_SCHEME",
     L"The URL's scheme is not known."},
    {-310, L"NET_ERROR_TOO_MANY_REDIRECTS",
     L"The request was redirected too many times."},
    {-311, L"NET_ERROR_UNSAFE_REDIRECT",
     L"The request was redirected to a scheme or location that is not allowed, for example to a local file."},
    {-312, L"NET_ERROR_UNSAFE_PORT",
     L"The port is blocked for safety reasons."},
    {-320, L"NET_ERROR_INVALID_RESPONSE",
     L"The server's response was not valid."},
    {-321, L"NET_ERROR_INVALID_CHUNKED_ENCODING",
     L"The chunked transfer encoding of the response was not valid."},
    {-322, L"NET_ERROR_METHOD_NOT_SUPPORTED",
     L"The server does not support the request method."},
    {-323, L"NET_ERROR_UNEXPECTED_PROXY_AUTH",
     L"The proxy asked for authentication at a time when it should not."},
    {-324, L"NET_ERROR_EMPTY_RESPONSE",
     L"The server closed the connection without sending any data."},
    {-325, L"NET_ERROR_RESPONSE_HEADERS_TOO_BIG",
     L"The response headers were too large."},
    {-326, L"NET_ERROR_PAC_STATUS_NOT_OK",
     L"The proxy auto-config (PAC) script could not be fetched."},
    {-327, L"NET_ERROR_PAC_SCRIPT_FAILED",
     L"The proxy auto-config (PAC) script failed to run."},
    {-328, L"NET_ERROR_REQUEST_RANGE_NOT_SATISFIABLE",
     L"The requested range of the resource cannot be satisfied."},
    {-329, L"NET_ERROR_MALFORMED_IDENTITY",
     L"The identity given in the URL could not be parsed."},
    {-330, L"NET_ERROR_CONTENT_DECODING_FAILED",
     L"The content of the response could not be decoded, for example a broken gzip stream."},
    {-331, L"NET_ERROR_NETWORK_IO_SUSPENDED",
     L"Network input and output were suspended, for example while the system was asleep."},
    {-332, L"NET_ERROR_SYN_REPLY_NOT_RECEIVED",
     L"The stream closed before its SPDY SYN_REPLY arrived."},
    {-333, L"NET_ERROR_ENCODING_CONVERSION_FAILED",
     L"Converting the response to another character encoding failed."},
    {-334, L"NET_ERROR_UNRECOGNIZED_FTP_DIRECTORY_LISTING_FORMAT",
     L"The format of the FTP server's directory listing is not recognised."},
    {-335, L"NET_ERROR_INVALID_SPDY_STREAM",
     L"The SPDY stream is not valid."},
    {-336, L"NET_ERROR_NO_SUPPORTED_PROXIES",
     L"None of the proxies given are supported."},
    {-337, L"NET_ERROR_SPDY_PROTOCOL_ERROR",
     L"The SPDY protocol was violated."},
    {-338, L"NET_ERROR_INVALID_AUTH_CREDENTIALS",
     L"The credentials given for authentication were not valid."},
    {-339, L"NET_ERROR_UNSUPPORTED_AUTH_SCHEME",
     L"The authentication scheme asked for is not supported."},
    {-340, L"NET_ERROR_ENCODING_DETECTION_FAILED",
     L"The character encoding of the content could not be detected."},
    {-341, L"NET_ERROR_MISSING_AUTH_CREDENTIALS",
     L"The credentials needed for authentication were missing."},
    {-342, L"NET_ERROR_UNEXPECTED_SECURITY_LIBRARY_STATUS",
     L"The security library returned a status that was not expected."},
    {-343, L"NET_ERROR_MISCONFIGURED_AUTH_ENVIRONMENT",
     L"The authentication environment is not configured correctly, for example Kerberos is missing."},
    {-344, L"NET_ERROR_UNDOCUMENTED_SECURITY_LIBRARY_STATUS",
     L"The security library returned a status that is not documented."},
    {-345, L"NET_ERROR_RESPONSE_BODY_TOO_BIG_TO_DRAIN",
     L"The response body was too large to drain so that the connection could be reused."},
    {-346, L"NET_ERROR_RESPONSE_HEADERS_MULTIPLE_CONTENT_LENGTH",
     L"The response had more than one Content-Length header."},
    {-347, L"NET_ERROR_INCOMPLETE_SPDY_HEADERS",
     L"SPDY headers arrived without the end of the header block."},
    {-348, L"NET_ERROR_PAC_NOT_IN_DHCP",
     L"No proxy auto-config (PAC) address came from DHCP."},
    {-349, L"NET_ERROR_RESPONSE_HEADERS_MULTIPLE_CONTENT_DISPOSITION",
     L"The response had more than one Content-Disposition header."},
    {-350, L"NET_ERROR_RESPONSE_HEADERS_MULTIPLE_LOCATION",
     L"The response had more than one Location header."},
    {-351, L"NET_ERROR_SPDY_SERVER_REFUSED_STREAM",
     L"The SPDY server refused the stream before it was processed.\r"
        L"The request can be retried safely."},
    {-352, L"NET_ERROR_SPDY_PING_FAILED",
     L"The SPDY server did not answer a PING, so the session was ended."},
    {-353, L"NET_ERROR_PIPELINE_EVICTION",
     L"The request was evicted from an HTTP pipeline."},
    {-354, L"NET_ERROR_CONTENT_LENGTH_MISMATCH",
     L"The connection closed before the number of bytes in Content-Length was received."},
    {-355, L"NET_ERROR_INCOMPLETE_CHUNKED_ENCODING",
     L"The connection closed before the last chunk of a chunked response was received."},
    {-356, L"NET_ERROR_QUIC_PROTOCOL_ERROR",
     L"A QUIC protocol error occurred."},
    {-400, L"NET_ERROR_CACHE_MISS",
     L"Cache error codes.\r"
        L"The cache has no entry for the request."},
    {-401, L"NET_ERROR_CACHE_READ_FAILURE",
     L"The entry could not be read from the cache."},
    {-402, L"NET_ERROR_CACHE_WRITE_FAILURE",
     L"The entry could not be written to the cache."},
    {-403, L"NET_ERROR_CACHE_OPERATION_NOT_SUPPORTED",
     L"The cache does not support this operation."},
    {-404, L"NET_ERROR_CACHE_OPEN_FAILURE",
     L"The cache entry could not be opened."},
    {-405, L"NET_ERROR_CACHE_CREATE_FAILURE",
     L"The cache entry could not be created."},
    {-406, L"NET_ERROR_CACHE_RACE",
     L"Several requests raced for the same cache entry; the request must try again."},
    {-501, L"NET_ERROR_INSECURE_RESPONSE",
     L"Security error codes.\r"
        L"The server's response was not secure enough, for example its certificate had errors."},
    {-502, L"NET_ERROR_NO_PRIVATE_KEY_FOR_CERT",
     L"There is no private key for the client certificate."},
    {-503, L"NET_ERROR_ADD_USER_CERT_FAILED",
     L"Adding a certificate to the operating system's store failed."},
    {-601, L"NET_ERROR_FTP_FAILED",
     L"FTP error codes.\r"
        L"A generic FTP failure occurred."},
    {-602, L"NET_ERROR_FTP_SERVICE_UNAVAILABLE",
     L"The FTP server is not available."},
    {-603, L"NET_ERROR_FTP_TRANSFER_ABORTED",
     L"The FTP transfer was aborted."},
    {-604, L"NET_ERROR_FTP_FILE_BUSY",
     L"The FTP file is busy and cannot be reached now."},
    {-605, L"NET_ERROR_FTP_SYNTAX_ERROR",
     L"The FTP server reported a syntax error in a command."},
    {-606, L"NET_ERROR_FTP_COMMAND_NOT_SUPPORTED",
     L"The FTP server does not support the command."},
    {-607, L"NET_ERROR_FTP_BAD_COMMAND_SEQUENCE",
     L"The FTP commands were sent in a bad order."},
    {-701, L"NET_ERROR_PKCS12_IMPORT_BAD_PASSWORD",
     L"Certificate manager error codes.\r"
        L"The password for the PKCS #12 file was wrong."},
    {-702, L"NET_ERROR_PKCS12_IMPORT_FAILED",
     L"Importing the PKCS #12 file failed."},
    {-703, L"NET_ERROR_IMPORT_CA_CERT_NOT_CA",
     L"The certificate to import as a CA certificate is not a CA certificate."},
    {-704, L"NET_ERROR_IMPORT_CERT_ALREADY_EXISTS",
     L"The certificate is already in the database."},
    {-705, L"NET_ERROR_IMPORT_CA_CERT_FAILED",
     L"Importing the CA certificate failed."},
    {-706, L"NET_ERROR_IMPORT_SERVER_CERT_FAILED",
     L"Importing the server certificate failed."},
    {-707, L"NET_ERROR_PKCS12_IMPORT_INVALID_MAC",
     L"The PKCS #12 file has a message authentication code that is not valid."},
    {-708, L"NET_ERROR_PKCS12_IMPORT_INVALID_FILE",
     L"The PKCS #12 file is not valid or is damaged."},
    {-709, L"NET_ERROR_PKCS12_IMPORT_UNSUPPORTED",
     L"The PKCS #12 file uses features that are not supported."},
    {-710, L"NET_ERROR_KEY_GENERATION_FAILED",
     L"Generating a key failed."},
    {-711, L"NET_ERROR_ORIGIN_BOUND_CERT_GENERATION_FAILED",
     L"Generating a domain-bound certificate failed."},
    {-712, L"NET_ERROR_PRIVATE_KEY_EXPORT_FAILED",
     L"Exporting a private key failed."},
    {-800, L"NET_ERROR_DNS_MALFORMED_RESPONSE",
     L"DNS error codes.\r"
        L"DNS resolver received a malformed response."},
    {-801, L"NET_ERROR_DNS_SERVER_REQUIRES_TCP",
     L"The DNS server asked for TCP, which the resolver does not use here."},
    {-802, L"NET_ERROR_DNS_SERVER_FAILED",
     L"The DNS server failed.\r"
        L"This also covers the server refusing the query or not implementing it."},
    {-803, L"NET_ERROR_DNS_TIMED_OUT",
     L"The DNS transaction timed out."},
    {-804, L"NET_ERROR_DNS_CACHE_MISS",
     L"The host was not found in the local DNS cache."},
    {-805, L"NET_ERROR_DNS_SEARCH_EMPTY",
     L"The list of DNS search suffixes ended without a name to look up."},
    {-806, L"NET_ERROR_DNS_SORT_ERROR",
     L"Sorting the resolved addresses failed."},
};
static_assert(std::size(ErrorTable) == CefErrorEntryCount, "the table has 164 entries");

constexpr int32_t NetErrorAborted = -3;

}  // namespace

std::span<const TCefErrorEntry> CefErrorEntries() { return ErrorTable; }

std::unique_ptr<TCefErrorManager> CefErrorManager;

void InitVoraDCoreCefErr() { CefErrorManager = std::make_unique<TCefErrorManager>(); }
void FinalVoraDCoreCefErr() { CefErrorManager.reset(); }

void TCefErrorManager::AddErrorEntry(int32_t code, const wchar_t* name, const wchar_t* description) {
  (*FErrorData)[code] = std::vector<std::wstring>{name, description};
}

void TCefErrorManager::BuildErrorTable() {
  if (FErrorData) return;
  FErrorData = std::make_unique<std::map<int32_t, std::vector<std::wstring>>>();
  for (const TCefErrorEntry& entry : ErrorTable) AddErrorEntry(entry.Code, entry.Name, entry.Description);
}

bool TCefErrorManager::GetErrorDescription(int32_t aErrCode, std::wstring& aErrorName,
                                           std::wstring& aErrorDescription) {
  BuildErrorTable();
  const auto it = FErrorData->find(aErrCode);
  if (it == FErrorData->end()) return false;
  aErrorName = it->second[0];
  aErrorDescription = it->second[1];
  return true;
}

bool TCefErrorManager::IsUserAborted(int32_t aErrCode) const { return aErrCode == NetErrorAborted; }
