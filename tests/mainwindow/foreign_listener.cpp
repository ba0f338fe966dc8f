// Listens on a local socket as whoever runs it (the tests start it as another
// user), takes one connection and prints what that peer sent: "ready" once
// listening, then "got:<bytes>" or "nothing".
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool waitReadable(int fd, int ms) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) == 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::strlen(argv[1]) >= sizeof(sockaddr_un{}.sun_path))
        return 2;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, argv[1]);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (server < 0 || ::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(server, 4) != 0)
        return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    char got[128] = {};
    ssize_t n = 0;
    if (waitReadable(server, 5000)) {
        const int peer = ::accept(server, nullptr, nullptr);
        if (peer >= 0 && waitReadable(peer, 1000))
            n = ::read(peer, got, sizeof got - 1);
    }
    if (n > 0)
        std::printf("got:%s\n", got);
    else
        std::printf("nothing\n");
    return 0;
}
