// The floor for bench/download: what plain Winsock moves under the same Wine, with nothing of
// HTTP but one GET per connection. Each of N connections asks for its share of the file as a
// range and receives it with large buffers, discarding the bytes.
//   socket_floor.exe PORT PATH SIZE [CONNECTIONS]   (127.0.0.1)
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kBuffer = 1 << 20;

// Bytes of body received for [first, last], or -1.
long long Fetch(int port, const std::string& path, long long first, long long last) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return -1;
  setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&kBuffer), sizeof kBuffer);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(u_short(port));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  long long body = -1;
  const std::string request = "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nRange: bytes=" +
                              std::to_string(first) + "-" + std::to_string(last) +
                              "\r\nConnection: close\r\n\r\n";
  if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      send(s, request.data(), int(request.size()), 0) == int(request.size())) {
    std::vector<char> buffer(kBuffer);
    std::string head;
    long long received = 0;
    bool inBody = false;
    for (int n; (n = recv(s, buffer.data(), kBuffer, 0)) > 0;) {
      if (inBody) {
        received += n;
        continue;
      }
      head.append(buffer.data(), std::size_t(n));
      const std::size_t end = head.find("\r\n\r\n");
      if (end != std::string::npos) {
        inBody = true;
        received = (long long)(head.size() - end - 4);
      }
    }
    if (inBody) body = received;
  }
  closesocket(s);
  return body;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: socket_floor PORT PATH SIZE [CONNECTIONS]\n");
    return 2;
  }
  const int port = std::atoi(argv[1]);
  const std::string path = argv[2];
  const long long size = std::atoll(argv[3]);
  const int connections = argc > 4 ? std::max(1, std::atoi(argv[4])) : 4;
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 3;
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  std::vector<long long> got(std::size_t(connections), -1);
  std::vector<std::thread> threads;
  for (int i = 0; i < connections; ++i) {
    const long long first = size / connections * i, last = i + 1 == connections ? size - 1 : size / connections * (i + 1) - 1;
    threads.emplace_back([&, i, first, last] { got[std::size_t(i)] = Fetch(port, path, first, last); });
  }
  long long total = 0;
  for (int i = 0; i < connections; ++i) {
    threads[std::size_t(i)].join();
    total += got[std::size_t(i)] < 0 ? 0 : got[std::size_t(i)];
  }
  QueryPerformanceCounter(&t1);
  const double seconds = double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart);
  std::printf("bytes=%lld seconds=%.3f mbps=%.1f\n", total, seconds, double(total) / seconds / 1e6);
  WSACleanup();
  return total == size ? 0 : 1;
}
