// AppModel: sharing game files with the other computers of the local network.
#include "core/app_model.h"
#include "share/lan_share.h"

void AppModel::applySharing()
{
    if (!m_shareOnNetwork) {
        delete m_share;  // closes the port and withdraws the announcement
        m_share = nullptr;
        return;
    }
    if (m_share) {
        m_share->setUploadLimit(m_uploadLimit);
        return;
    }
    m_share = new LanShare(this);
    LanShare::Options options;
    options.channel = m_config.channel;
    options.uploadLimit = m_uploadLimit;
    m_share->start(options);
}

void AppModel::shareVerified(const Manifest &manifest, const QString &digest, const QList<ManifestEntry> &differ)
{
    if (!m_share)
        return;
    m_share->setList(manifest.files, m_config.installPath, digest);
    const QSet<ManifestEntry> bad(differ.cbegin(), differ.cend());
    QList<ManifestEntry> good;
    for (const ManifestEntry &entry : manifest.files)
        if (!bad.contains(entry))
            good.append(entry);
    m_share->verified(good);
}

Patcher::PeerHooks AppModel::peerHooks() const
{
    return m_share ? m_share->hooks() : Patcher::PeerHooks{};
}

void AppModel::shareChecked(const Manifest &manifest, const QString &digest)
{
    if (!m_share)
        return;
    m_share->setList(manifest.files, m_config.installPath, digest);
    m_share->recall();
}

void AppModel::shareRunEnded()
{
    if (m_share)
        m_share->remember();
}
