#pragma once
#include <QMutex>

namespace Patcher {
// Numbers finished verifications: concurrent callers always get distinct values 1, 2, ...
class Counter {
public:
    qint64 increment()
    {
        QMutexLocker lock(&m_mutex);
        return ++m_n;
    }

private:
    QMutex m_mutex;
    qint64 m_n = 0;
};
}
