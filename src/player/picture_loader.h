#pragma once

#include "player/picture_decoder.h"

#include <QCache>
#include <QDateTime>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QSize>
#include <QThreadPool>
#include <optional>

namespace vantaloop {

// Decodes pictures off the UI thread and keeps recently decoded ones, and the ones
// decoded ahead, in a cache bounded by memory. Results arrive on the UI thread; only
// the picture asked for last is reported, so a result the user has stepped past is
// dropped.
class PictureLoader : public QObject {
    Q_OBJECT

public:
    // Room for the current picture and its two neighbours at 24 megapixels.
    static constexpr qint64 DefaultCacheBytes = 512LL * 1024 * 1024;

    explicit PictureLoader(qint64 cacheBytes = DefaultCacheBytes, QObject *parent = nullptr);
    ~PictureLoader() override;

    // Asks for a picture fitted into fitInto (invalid: its own size). A picture in
    // the cache, unchanged on disk, is reported before this returns.
    void request(const QString &path, QSize fitInto);
    // Forgets the picture asked for: its result will not be reported.
    void cancel();
    // Asks for the picture on screen again at another size; reported by refitted, so
    // it counts as no new picture.
    void refit(const QString &path, QSize fitInto);
    // Decodes pictures ahead into the cache; files that have gone are skipped.
    void prefetch(const QStringList &paths, QSize fitInto);
    void setDecodeAhead(bool on) { m_decodeAhead = on; }

    qint64 cachedBytes() const { return qint64(m_cache.totalCost()) * 1024; }
    qint64 cacheLimit() const { return qint64(m_cache.maxCost()) * 1024; }
    // Waits for every decode under way (tests and benchmarks).
    void waitForIdle();

signals:
    void loaded(const QString &path, const vantaloop::DecodedPicture &picture);
    void failed(const QString &path, const QString &error);
    void refitted(const QString &path, const vantaloop::DecodedPicture &picture);

private:
    struct Key {
        QString path;
        QSize fit;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.path, key.fit.width(), key.fit.height());
        }
    };
    struct Entry {
        DecodedPicture picture;
        QDateTime modified;
        qint64 size = -1;
    };

    const Entry *freshEntry(const Key &key);
    // The cached picture for key, or nothing while a decode of it starts or runs.
    const Entry *fetch(const Key &key);
    void start(const Key &key);
    void finished(const Key &key, const Entry &entry);

    // The loader's own workers, joined when it goes, so no decoding thread outlives it.
    QThreadPool m_pool;
    QCache<Key, Entry> m_cache;
    QHash<Key, QFutureWatcher<Entry> *> m_running;
    std::optional<Key> m_wanted;
    std::optional<Key> m_refitWanted;
    bool m_decodeAhead = true;
};

} // namespace vantaloop

Q_DECLARE_METATYPE(vantaloop::DecodedPicture)
