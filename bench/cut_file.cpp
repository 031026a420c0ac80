// Cuts a file into chunks as a launcher cuts an old file before a delta update, and prints
// "<seconds> <chunks> <MiB/s>". Used by bench/delta beside `cat`.
#include "delta/chunker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantorel-cut <file>\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    qint64 chunks = 0;
    Chunker::cutFile(QString::fromLocal8Bit(argv[1]), {}, [&chunks](const Chunker::Chunk &) {
        ++chunks;
        return true;
    });
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("%.3f %lld %.0f\n", seconds, qlonglong(chunks), double(QFileInfo(QString::fromLocal8Bit(argv[1])).size()) / 1048576.0 / seconds);
    return 0;
}
