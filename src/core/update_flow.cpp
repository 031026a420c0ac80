// AppModel: the install check and the update run.
#include "core/app_model.h"
#include "install/install_lock.h"
#include "patch/patcher.h"
#include "support/background.h"
#include "support/launcher_error.h"
#include "support/log.h"

#include <QDir>
#include <QFileInfo>

QCoro::Task<> AppModel::checkInstall()
{
    // A run owns `install` until its own final check: a check from a menu must not overwrite it.
    if (m_install.kind == InstallState::Working)
        co_return;
    co_await runCheck();
    // On its own: whoever waits for the check does not wait for the update too.
    updateIfAutomatic();
}

QCoro::Task<> AppModel::runCheck()
{
    // Only the newest check, or the one a run ends with, may write its result: an older one that
    // finishes later (during a run that started meanwhile) is dropped.
    const quint64 generation = ++m_checkGeneration;
    setInstall(InstallState::checking());
    try {
        const Manifest manifest = co_await Patcher::fetchManifest(m_config.manifestURL());
        // One attribute look-up per entry: off the GUI thread, so a large install never stalls a frame.
        const QString root = m_config.installPath;
        const auto diff = [manifest, root] {
            // Shared with verifications, never with an update: half-written files are not judged.
            // A folder that is not there yet holds no lock and nothing to judge.
            std::shared_ptr<Patcher::InstallLock> lock;
            if (QFileInfo(root).isDir())
                lock = Patcher::InstallLock::take(root, Patcher::InstallLock::Mode::Verify);
            return Patcher::quickDiff(manifest, root);
        };
        const QList<ManifestEntry> needed = co_await Background::run(diff);
        if (generation != m_checkGeneration)
            co_return;
        shareChecked(manifest, Patcher::listDigest(m_config.manifestURL()));
        const qint64 count = needed.size();
        const qint64 bytes = Patcher::totalSize(needed);
        if (count == 0) {
            setInstall(InstallState::ready());
            co_return;
        }
        qint64 expected = 0;
        for (const ManifestEntry &entry : manifest.files)
            if (!Patcher::isLauncherOwned(entry.path))  // the rule the quick diff skips them by
                ++expected;
        setInstall(count == expected ? InstallState::notInstalled(bytes) : InstallState::updateAvailable(count, bytes));
    } catch (...) {
        if (generation != m_checkGeneration || Background::stopping())
            co_return;
        const QString message = describeCurrentException();
        Log::warn(QString::fromLatin1("check: ") + message);
        setInstall(InstallState::failed(message));
    }
}

QCoro::Task<> AppModel::patch()
{
    if (m_install.kind == InstallState::Working)
        co_return;
    ++m_checkGeneration;
    setInstall(InstallState::working());
    setPhase(PatchPhase::verifying(0, 0));
    const QString root = m_config.installPath;
    // Held from before the verification to the last file: no other process updates the folder meanwhile.
    std::shared_ptr<Patcher::InstallLock> lock;
    std::exception_ptr failure;
    try {
        const auto claim = [root] {
            if (!QDir().mkpath(root))
                throw PlatformError(QString::fromLatin1("Couldn't create the folder \"%1\".").arg(root));
            return Patcher::InstallLock::take(root, Patcher::InstallLock::Mode::Update);
        };
        lock = co_await Background::run(claim);
        const Manifest manifest = co_await Patcher::fetchManifest(m_config.manifestURL());
        Log::info(QString::fromLatin1("patch: manifest has %1 files").arg(manifest.files.size()));

        const auto reports = m_reports;
        const Patcher::VerifyProgress onVerify = [reports](qint64 done, qint64 total) {
            reports->push(PatchPhase::verifying(done, total));
        };
        const QList<ManifestEntry> needed = co_await Patcher::fullDiff(manifest, root, onVerify);
        applyReports();
        Log::info(QString::fromLatin1("patch: %1 files to download").arg(needed.size()));
        shareVerified(manifest, Patcher::listDigest(m_config.manifestURL()), needed);

        if (needed.isEmpty())
            co_await Patcher::clearDownloadArea(root);
        if (!needed.isEmpty()) {
            const Patcher::PhaseProgress onPhase = [reports](const PatchPhase &phase) { reports->push(phase); };
            const Patcher::PeerHooks peers = peerHooks();
            co_await Patcher::apply(needed, root, onPhase, nullptr, manifest.mirrors, peers);
            applyReports();
        }
    } catch (...) {
        failure = std::current_exception();
    }
    if (lock && !Background::stopping()) {
        const auto letGo = [&lock] { lock.reset(); };  // removes the lock file
        co_await Background::run(letGo);
    }
    lock.reset();
    shareRunEnded();
    if (failure) {
        if (Background::stopping())
            co_return;  // quitting: nothing more to show
        applyReports();
        QString message;
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            message = describeCurrentException();
        }
        setPhase(std::nullopt);
        Log::warn(QString::fromLatin1("patch failed: ") + message);
        setInstall(InstallState::failed(message));
        co_return;
    }
    setPhase(std::nullopt);
    Log::info(QString::fromLatin1("patch: complete"));
    co_await runCheck();
}

void AppModel::ReportQueue::push(const PatchPhase &phase)
{
    // Held while posting: the model's destructor takes the same lock, so it is alive here.
    QMutexLocker lock(&mutex);
    if (!model)
        return;
    pending.append(phase);
    // Applied on the main thread, in the order the reports were made.
    QMetaObject::invokeMethod(model, [model = model] { model->applyReports(); }, Qt::QueuedConnection);
}

void AppModel::applyReports()
{
    QList<PatchPhase> phases;
    {
        QMutexLocker lock(&m_reports->mutex);
        phases.swap(m_reports->pending);
    }
    for (const PatchPhase &phase : phases)
        setPhase(phase);
}
