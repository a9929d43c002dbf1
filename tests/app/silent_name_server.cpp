// A name server on 127.0.0.1 port 53 (UDP and TCP) that takes every question and never
// answers, for testing a hanging resolver inside a private network namespace. It brings the
// namespace's loopback interface up first, prints "ready" and waits until it is killed or its
// parent ends.
#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

bool BringLoopbackUp() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    if (ok && (request.ifr_flags & IFF_UP) == 0) {
        request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
        ok = ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    }
    close(fd);
    return ok;
}

int BoundSocket(int type) {
    const int fd = socket(AF_INET, type, 0);
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(53);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int main() {
    // Ends with the test that started it, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (!BringLoopbackUp()) {
        std::perror("loopback");
        return 1;
    }
    const int udp = BoundSocket(SOCK_DGRAM);
    const int tcp = BoundSocket(SOCK_STREAM);
    if (udp < 0 || tcp < 0 || listen(tcp, 16) != 0) {
        std::perror("port 53");
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    // Questions pile up unread in the sockets' queues; nothing is ever sent back.
    for (;;) pause();
}
