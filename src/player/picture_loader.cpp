#include "player/picture_loader.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace vantaloop {

namespace {

struct Stamp {
    QDateTime modified;
    qint64 size = -1;
};

Stamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    return {info.lastModified(), info.exists() ? info.size() : -1};
}

} // namespace

PictureLoader::PictureLoader(qint64 cacheBytes, QObject *parent)
    : QObject(parent)
    , m_cache(int(cacheBytes / 1024))
{
}

PictureLoader::~PictureLoader()
{
    // Decodes still running finish into nothing; they hold no reference to us.
    for (QFutureWatcher<Entry> *watcher : std::as_const(m_running))
        watcher->disconnect();
    m_pool.waitForDone();
}

const PictureLoader::Entry *PictureLoader::freshEntry(const Key &key)
{
    const Entry *entry = m_cache.object(key);
    if (!entry)
        return nullptr;
    const Stamp now = stampOf(key.path);
    if (now.modified == entry->modified && now.size == entry->size)
        return entry;
    m_cache.remove(key); // changed on disk since: read it again
    return nullptr;
}

const PictureLoader::Entry *PictureLoader::fetch(const Key &key)
{
    if (const Entry *entry = freshEntry(key))
        return entry;
    if (!m_running.contains(key))
        start(key);
    return nullptr;
}

void PictureLoader::request(const QString &path, QSize fitInto)
{
    cancel(); // whatever was asked for before is not reported any more
    const Key key{path, fitInto};
    if (const Entry *entry = fetch(key))
        emit loaded(path, entry->picture);
    else
        m_wanted = key;
}

void PictureLoader::cancel()
{
    m_wanted.reset();
    m_refitWanted.reset();
}

void PictureLoader::refit(const QString &path, QSize fitInto)
{
    const Key key{path, fitInto};
    m_refitWanted.reset();
    if (const Entry *entry = fetch(key))
        emit refitted(path, entry->picture);
    else
        m_refitWanted = key;
}

void PictureLoader::prefetch(const QStringList &paths, QSize fitInto)
{
    if (!m_decodeAhead)
        return;
    for (const QString &path : paths) {
        if (QFileInfo::exists(path))
            fetch({path, fitInto});
    }
}

void PictureLoader::start(const Key &key)
{
    auto *watcher = new QFutureWatcher<Entry>(this);
    m_running.insert(key, watcher);
    connect(watcher, &QFutureWatcher<Entry>::finished, this, [this, key, watcher] {
        const Entry entry = watcher->result();
        m_running.remove(key);
        watcher->deleteLater();
        finished(key, entry);
    });
    const QString path = key.path;
    const QSize fit = key.fit;
    watcher->setFuture(QtConcurrent::run(&m_pool, [path, fit] {
        const Stamp stamp = stampOf(path);
        return Entry{decodePicture(path, fit), stamp.modified, stamp.size};
    }));
}

void PictureLoader::finished(const Key &key, const Entry &entry)
{
    if (entry.picture.ok()) {
        const auto cost = qMax<qsizetype>(1, entry.picture.image.sizeInBytes() / 1024);
        if (cost <= m_cache.maxCost())
            m_cache.insert(key, new Entry(entry), cost);
    }
    if (m_wanted && *m_wanted == key) {
        m_wanted.reset();
        if (entry.picture.ok())
            emit loaded(key.path, entry.picture);
        else
            emit failed(key.path, entry.picture.error);
    } else if (m_refitWanted && *m_refitWanted == key) {
        m_refitWanted.reset();
        if (entry.picture.ok())
            emit refitted(key.path, entry.picture);
    }
}

void PictureLoader::waitForIdle()
{
    while (!m_running.isEmpty()) {
        m_running.begin().value()->waitForFinished();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents();
}

} // namespace vantaloop
