// mutexholder NAME: creates the named mutex, prints "owned", "exists" or "failed" and holds
// it until its standard input closes.
#include "namedmutex.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mutexholder NAME\n");
        return 2;
    }
    NamedMutex mutex(QString::fromLocal8Bit(argv[1]));
    switch (mutex.state()) {
    case NamedMutex::State::Owned: std::puts("owned"); break;
    case NamedMutex::State::AlreadyExists: std::puts("exists"); break;
    default: std::puts("failed"); break;
    }
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
