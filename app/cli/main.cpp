#include "app/cli/Cli.h"

#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

// A standard stream that the caller closed must not be taken over by the next file opened
// (a description or the output file would then receive the listing). Standard output gets a
// descriptor that refuses writes, so that writing the listing fails and is reported.
void keepStandardStreams() {
    const int flags[] = {O_RDONLY, O_RDONLY, O_WRONLY};
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1) continue;
        const int opened = ::open("/dev/null", flags[fd]);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    keepStandardStreams();
    return pramlet::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
