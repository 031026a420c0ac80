// vantorel-manifest <build-folder> <base-url> <output-file>
#include "manifest_builder.h"
#include "support/launcher_error.h"
#include "../terminal_progress.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: vantorel-manifest <build-folder> <base-url> <output-file>\n");
        return 2;
    }
    try {
        TerminalProgress bar("hashing");
        const Manifest manifest = ManifestBuilder::build(args.at(1), args.at(2), [&](qint64 done, qint64 total) {
            bar.update(done, total);
        });
        bar.finish();
        ManifestBuilder::writeAtomically(manifest, args.at(3));
        std::fprintf(stderr, "vantorel-manifest: %lld files written to %s\n", qlonglong(manifest.files.size()),
                     qPrintable(args.at(3)));
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vantorel-manifest: %s\n", qPrintable(describeError(error)));
        return 1;
    }
}
