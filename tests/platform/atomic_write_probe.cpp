// Saves one file through the atomic writer, for tests that watch its system calls.
#include <cstdio>

#include <QByteArray>
#include <QString>

#include "platform/atomic_file.h"
#include "platform/errors.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: atomic_write_probe PATH TEXT\n");
        return 2;
    }
    try {
        sorvik::platform::writeFileAtomically(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]));
    } catch (const sorvik::platform::FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
