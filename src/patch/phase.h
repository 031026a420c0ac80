#pragma once
#include <QMetaType>

// The phase of a running update.
struct PatchPhase {
    enum Kind { Verifying, Downloading, Finishing };
    Kind kind = Finishing;
    qint64 done = 0;   // verifying: files done; downloading: bytes
    qint64 total = 0;  // verifying: files; downloading: bytes
    double perSecond = 0;
    double secondsLeft = -1;  // downloading: about how long is left; -1 until the rate is steady

    static PatchPhase verifying(qint64 done, qint64 total) { return {Verifying, done, total, 0}; }
    static PatchPhase downloading(qint64 bytes, qint64 total, double perSecond, double secondsLeft = -1)
    {
        return {Downloading, bytes, total, perSecond, secondsLeft};
    }
    static PatchPhase finishing() { return {Finishing, 0, 0, 0}; }
    bool operator==(const PatchPhase &) const = default;
};

Q_DECLARE_METATYPE(PatchPhase)
