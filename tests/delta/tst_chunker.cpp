#include "delta/chunk_index.h"
#include "delta/chunker.h"
#include "support/launcher_error.h"
#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
QList<Chunker::Chunk> cut(const QByteArray &bytes, const Chunker::Params &params = {})
{
    QList<Chunker::Chunk> out;
    Chunker::cutBytes(bytes, params, [&out](const Chunker::Chunk &chunk) { out.append(chunk); });
    return out;
}

// Chunks back to back from 0 to `size`, each within the bounds (the last may be shorter).
QString badLayout(const QList<Chunker::Chunk> &chunks, qint64 size, const Chunker::Params &params)
{
    qint64 next = 0;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const Chunker::Chunk &c = chunks.at(i);
        if (c.offset != next)
            return QStringLiteral("chunk %1 at %2, expected %3").arg(i).arg(c.offset).arg(next);
        if (c.length > params.maxSize || (c.length < params.minSize && i + 1 < chunks.size()))
            return QStringLiteral("chunk %1 is %2 bytes").arg(i).arg(c.length);
        next += c.length;
    }
    return next == size ? QString() : QStringLiteral("chunks end at %1 of %2").arg(next).arg(size);
}

template <typename T> void poke(QByteArray &bytes, qsizetype at, T value) { qToLittleEndian(value, bytes.data() + at); }
}

// The chunker finds again what an edit did not touch, and a downloaded index is believed only
// when it describes exactly the file the manifest names.
class TestChunker : public QObject {
    Q_OBJECT
private slots:
    void editsKeepTheRest_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<double>("where");  // fraction of the file
        QTest::addColumn<qint64>("bytes");
        for (const auto &[name, where] : {std::pair{"start", 0.0}, {"middle", 0.5}, {"end", 1.0}}) {
            QTest::addRow("insert at %s", name) << "insert" << where << qint64(5000);
            QTest::addRow("delete at %s", name) << "delete" << where << qint64(70'000);
            QTest::addRow("overwrite at %s", name) << "overwrite" << where << qint64(300'000);
        }
        QTest::newRow("grows by 1 MiB") << "append" << 1.0 << qint64(1 << 20);
        QTest::newRow("shrinks to 3 MiB") << "truncate" << 0.75 << qint64(1 << 20);
        QTest::newRow("one byte flipped") << "overwrite" << 0.3 << qint64(1);
        QTest::newRow("unrelated") << "unrelated" << 0.0 << qint64(4 << 20);
    }
    void editsKeepTheRest()
    {
        QFETCH(QString, edit);
        QFETCH(double, where);
        QFETCH(qint64, bytes);
        const Chunker::Params params;
        const QByteArray old = bytesOf(4 << 20, 'o');
        QByteArray now = old;
        qsizetype at = qsizetype(where * double(old.size()));
        qint64 changed = bytes;
        if (edit == "insert")
            now.insert(at, bytesOf(bytes, 'i'));
        if (edit == "delete") {
            at = qMin(at, old.size() - qsizetype(bytes));
            now.remove(at, bytes);
            changed = 0;
        }
        if (edit == "overwrite") {
            at = qMin(at, old.size() - qsizetype(bytes));
            now.replace(at, bytes, bytesOf(bytes, 'w'));
        }
        if (edit == "append")
            now.append(bytesOf(bytes, 'g'));
        if (edit == "truncate") {
            now.truncate(at);
            changed = 0;
        }
        if (edit == "unrelated")
            now = bytesOf(old.size(), 'u');

        const QList<Chunker::Chunk> before = cut(old, params), after = cut(now, params);
        QCOMPARE(badLayout(after, now.size(), params), QString());
        QSet<Chunker::ChunkHash> known;
        for (const auto &c : before)
            known.insert(c.hash);
        qint64 shared = 0;
        for (const auto &c : after)
            if (known.contains(c.hash))
                shared += c.length;
        if (edit == "unrelated") {
            QCOMPARE(shared, 0);
            return;
        }
        // Only the chunks that hold the edit, and the one after it while the cuts find their
        // way back, are lost.
        const qint64 floor = now.size() - changed - 2 * qint64(params.maxSize);
        QVERIFY2(shared >= floor, qPrintable(QStringLiteral("%1 of %2 bytes found again, expected at least %3")
                                                 .arg(shared).arg(now.size()).arg(floor)));
    }

    // Sizes cluster around the average on varied data and stay within bounds on any data.
    void sizes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("varied");
        QTest::newRow("random") << bytesOf(16 << 20, 'r') << true;
        QTest::newRow("zeros") << QByteArray(3 << 20, '\0') << false;
        QTest::newRow("repeating text") << QByteArray("the same line, over and over\n").repeated(100'000) << false;
        QTest::newRow("shorter than the minimum") << bytesOf(1000, 's') << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void sizes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, varied);
        const Chunker::Params params;
        const auto chunks = cut(bytes, params);
        QCOMPARE(badLayout(chunks, bytes.size(), params), QString());
        if (varied) {
            const double average = double(bytes.size()) / double(chunks.size());
            QVERIFY2(average > params.averageSize * 0.6 && average < params.averageSize * 1.6, qPrintable(QString::number(average)));
        }
    }

    // Reading a file in blocks cuts it exactly as it would be cut in memory, also up to a limit.
    void fileMatchesMemory_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("whole file") << qint64(-1);
        QTest::newRow("limit inside the first block") << qint64(3'000'001);
        QTest::newRow("limit past a block") << qint64(9'500'000);
        QTest::newRow("limit past the end") << qint64(30'000'000);
    }
    void fileMatchesMemory()
    {
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        const QByteArray bytes = bytesOf(20'000'123, 'f');  // more than two blocks, ends mid-chunk
        const QString path = dir.filePath("f");
        writeFile(path, bytes);
        QList<Chunker::Chunk> fromFile;
        Chunker::cutFile(path, {}, [&](const Chunker::Chunk &c) {
            fromFile.append(c);
            return true;
        }, limit);
        QCOMPARE(fromFile, cut(limit < 0 ? bytes : bytes.left(limit)));
    }

    void cutFileStops()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("f"), bytesOf(2 << 20, 'x'));
        int seen = 0;
        Chunker::cutFile(dir.filePath("f"), {}, [&](const Chunker::Chunk &) { return ++seen < 3; });
        QCOMPARE(seen, 3);
        QVERIFY_THROWS_EXCEPTION(PlatformError, Chunker::cutFile(dir.filePath("missing"), {}, [](const Chunker::Chunk &) { return true; }));
    }

    // The decoder fed as a file is read, a piece at a time.
    static ChunkIndex decodeInPieces(const QByteArray &raw, qint64 expected, qsizetype piece)
    {
        ChunkIndex::Decoder decoder(raw.size(), expected);
        for (qsizetype at = 0; at < raw.size(); at += piece)
            decoder.feed(raw.constData() + at, qMin(piece, raw.size() - at));
        return decoder.finish();
    }

    void indexRoundTrip()
    {
        QTemporaryDir dir;
        const QByteArray bytes = bytesOf(3 << 20, 'n');
        writeFile(dir.filePath("f"), bytes);
        const ChunkIndex index = ChunkIndex::ofFile(dir.filePath("f"));
        QCOMPARE(index.fileSize, bytes.size());
        QCOMPARE(index.chunks, cut(bytes));
        const QByteArray encoded = index.encoded();
        QCOMPARE(encoded.size(), ChunkIndex::headerSize + ChunkIndex::chunkSize * index.chunks.size());
        QVERIFY(encoded.size() <= ChunkIndex::largestFor(bytes.size()));
        const ChunkIndex back = ChunkIndex::decode(encoded, bytes.size());
        QCOMPARE(back.params, index.params);
        QCOMPARE(back.chunks, index.chunks);
        for (const qsizetype piece : {1, 29, 1 << 20})
            QCOMPARE(decodeInPieces(encoded, bytes.size(), piece).chunks, index.chunks);
    }

    // Every way an index can lie about the file is refused before anything trusts it.
    void hostileIndex_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char *fault : {"bad magic", "unknown hash kind", "average not a power of two", "minimum above average",
                                  "maximum too large", "other file size", "truncated", "trailing bytes", "count too large",
                                  "offset beyond the size", "overlapping chunks", "gap between chunks", "zero length",
                                  "longer than the maximum", "lengths sum short", "last chunk past the end", "empty"})
            QTest::newRow(fault) << QString::fromLatin1(fault);
    }
    void hostileIndex()
    {
        QFETCH(QString, fault);
        const QByteArray bytes = bytesOf(1 << 20, 'h');
        ChunkIndex index;
        index.fileSize = bytes.size();
        index.chunks = cut(bytes);
        QVERIFY(index.chunks.size() > 4);
        QByteArray raw = index.encoded();
        qint64 expected = bytes.size();
        const qsizetype row1 = ChunkIndex::headerSize + ChunkIndex::chunkSize;  // the second chunk's row
        const qsizetype lastRow = raw.size() - ChunkIndex::chunkSize;
        const qint64 second = index.chunks.at(1).offset;
        if (fault == "bad magic")
            raw[0] = 'X';
        if (fault == "unknown hash kind")
            poke<quint32>(raw, 20, 2);
        if (fault == "average not a power of two")
            poke<quint32>(raw, 12, 60'000);
        if (fault == "minimum above average")
            poke<quint32>(raw, 8, 128 << 10);
        if (fault == "maximum too large")
            poke<quint32>(raw, 16, 1u << 30);
        if (fault == "other file size")
            expected += 1;
        if (fault == "truncated")
            raw.chop(1);
        if (fault == "trailing bytes")
            raw.append('\0');
        if (fault == "count too large")
            poke<quint64>(raw, 32, quint64(index.chunks.size() + 1));
        if (fault == "offset beyond the size")
            poke<quint64>(raw, row1, quint64(bytes.size()) + 10);
        if (fault == "overlapping chunks")
            poke<quint64>(raw, row1, quint64(second - 1));
        if (fault == "gap between chunks")
            poke<quint64>(raw, row1, quint64(second + 1));
        if (fault == "zero length")
            poke<quint32>(raw, row1 + 8, 0);
        if (fault == "longer than the maximum")
            poke<quint32>(raw, row1 + 8, index.params.maxSize + 1);
        if (fault == "lengths sum short")
            poke<quint32>(raw, lastRow + 8, index.chunks.last().length - 1);
        if (fault == "last chunk past the end")
            poke<quint32>(raw, lastRow + 8, index.chunks.last().length + 1);
        if (fault == "empty")
            raw.clear();
        QVERIFY_THROWS_EXCEPTION(PlatformError, ChunkIndex::decode(raw, expected));
        for (const qsizetype piece : {1, 29, 4096})
            QVERIFY_THROWS_EXCEPTION(PlatformError, decodeInPieces(raw, expected, piece));
    }
};

QTEST_GUILESS_MAIN(TestChunker)
#include "tst_chunker.moc"
