// vantaloop-bench: measures the program's own code paths. Each command prints one
// line per measurement and a last line with the figure.
//
//   decode FILE [--size WxH]   decoding speed, megapixels of the source per second
//   step DIR [--view WxH|auto] time from a step to the picture on screen, and drift
//   walk DIR                   recursive Add against a plain listing of the tree
//   make-tree DIR FOLDERS FILES  empty .jpg files spread over folders, for walk
//   listfile N                 saving and loading a list of N paths against a sort
#include "document/document_controller.h"
#include "document/list_file.h"
#include "document/user_prompts.h"
#include "platform/volumes.h"
#include "player/image_viewer.h"
#include "player/image_window.h"
#include "player/picture_decoder.h"
#include "player/playback_controller.h"
#include "setup/file_source.h"
#include "setup/setup_controller.h"
#include "setup/slide_list_model.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dirent.h>

using namespace vantaloop;

namespace {

// Answers nothing: benchmarks ask no questions.
class SilentPrompts : public UserPrompts {
public:
    bool askYesNo(const QString &, const QString &, int) override { return false; }
    void showMessage(const QString &text, const QString &, int) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QString chooseFile(FileChoice, const QString &) override { return {}; }
};

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    if (values.isEmpty())
        return 0;
    const auto at = qsizetype(p * double(values.size() - 1) + 0.5);
    return values.at(std::min(at, values.size() - 1));
}

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(u'x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

int decode(const QString &file, QSize fit)
{
    constexpr int runs = 15;
    double best = 1e300;
    QSize natural;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const DecodedPicture picture = decodePicture(file, fit);
        const double t = ms(timer.nsecsElapsed());
        if (!picture.ok()) {
            std::fprintf(stderr, "cannot decode %s: %s\n", qPrintable(file),
                         qPrintable(picture.error));
            return 1;
        }
        natural = picture.naturalSize;
        std::printf("vantaloop run %d: %.1f ms (%dx%d shown)\n", i + 1, t, picture.image.width(),
                    picture.image.height());
        best = std::min(best, t);
    }
    // Qt's own reader on the same file, as it would be used without our path.
    double qtBest = 1e300;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        QImageReader reader(file);
        if (fit.isValid())
            reader.setScaledSize(reader.size().scaled(fit, Qt::KeepAspectRatio));
        const QImage image = reader.read();
        const double t = ms(timer.nsecsElapsed());
        std::printf("qt run %d: %.1f ms\n", i + 1, t);
        qtBest = std::min(qtBest, t);
    }
    const double megapixels = double(natural.width()) * natural.height() / 1e6;
    std::printf("qt QImageReader: %.1f MP/s (best %.1f ms)\n", megapixels / (qtBest / 1000),
                qtBest);
    std::printf(
        "vantaloop decode: %.1f MP/s (best of %d: %.1f ms, %.1f MP%s)\n",
        megapixels / (best / 1000), runs, best, megapixels,
        fit.isValid()
            ? qPrintable(QStringLiteral(", fitted into %1x%2").arg(fit.width()).arg(fit.height()))
            : "");
    return 0;
}

QStringList picturesIn(const QString &dir)
{
    QStringList paths;
    const QDir folder(dir);
    for (const QString &name :
         folder.entryList({"*.jpg", "*.jpeg", "*.bmp", "*.gif", "*.pcx", "*.xbm"}, QDir::Files,
                          QDir::Name | QDir::IgnoreCase))
        paths.append(folder.filePath(name));
    return paths;
}

// Steps through every picture once and times each step until the picture is on
// screen, waiting after each as a viewer would, so decoding ahead has its chance.
QList<double> stepTimes(const QStringList &paths, int viewSize, bool ahead, qint64 *maxCached,
                        qint64 *limit)
{
    SlideListModel list;
    QItemSelectionModel selection(&list);
    PlaybackController playback(&list, &selection);
    ImageWindow window;
    window.setViewSize(viewSize);
    window.viewer()->loader().setDecodeAhead(ahead);
    playback.setDisplay(&window);
    list.addPaths(paths);
    *limit = window.viewer()->loader().cacheLimit();
    QList<double> times;
    bool loaded = false;
    QObject::connect(window.viewer(), &ImageViewer::pictureLoaded, [&loaded] { loaded = true; });
    for (int i = 0; i < paths.size(); ++i) {
        loaded = false;
        QElapsedTimer timer;
        timer.start();
        playback.stepNext();
        while (!loaded)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        times.append(ms(timer.nsecsElapsed()));
        window.viewer()->loader().waitForIdle();
        *maxCached = std::max(*maxCached, window.viewer()->loader().cachedBytes());
    }
    return times;
}

int step(const QString &dir, const QString &view)
{
    const QStringList paths = picturesIn(dir);
    if (paths.size() < 2) {
        std::fprintf(stderr, "%s holds fewer than two pictures\n", qPrintable(dir));
        return 1;
    }
    int viewSize = 0;
    for (int code = 1; code < presentation::ViewSizeCount; ++code) {
        const QSize size = presentation::fixedViewSize(code);
        if (view == QStringLiteral("%1x%2").arg(size.width()).arg(size.height()))
            viewSize = code;
    }
    std::printf("%lld pictures, view %s\n", qlonglong(paths.size()),
                viewSize ? qPrintable(view) : "Auto Zise");
    double aheadMedian = 0, aheadP95 = 0;
    for (bool ahead : {false, true}) {
        qint64 maxCached = 0, limit = 0;
        const QList<double> times = stepTimes(paths, viewSize, ahead, &maxCached, &limit);
        const double median = percentile(times, 0.5);
        const double p95 = percentile(times, 0.95);
        std::printf("decode ahead %s: median %.1f ms, 95th percentile %.1f ms; cache at most "
                    "%.0f MiB of %.0f MiB\n",
                    ahead ? "on" : "off", median, p95, double(maxCached) / (1 << 20),
                    double(limit) / (1 << 20));
        if (ahead) {
            aheadMedian = median;
            aheadP95 = p95;
        }
    }

    // The show's pace: 50 ticks at 200 ms must take 10 s whatever decoding costs.
    SlideListModel list;
    QItemSelectionModel selection(&list);
    PlaybackController playback(&list, &selection);
    ImageWindow window;
    window.setViewSize(viewSize);
    playback.setDisplay(&window);
    list.addPaths(paths);
    playback.setShowInterval(200);
    int ticks = 0;
    QElapsedTimer timer;
    QObject::connect(&playback, &PlaybackController::currentIndexChanged, [&] {
        if (ticks++ == 0)
            timer.start();
    });
    playback.playForward();
    while (ticks <= 50)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double elapsed = ms(timer.nsecsElapsed());
    playback.stopPlay();
    window.viewer()->loader().waitForIdle();
    std::printf("50 ticks at 200 ms: %.1f ms (drift %+.2f %%)\n", elapsed,
                (elapsed - 10000.0) / 100.0);
    std::printf("step to a slide decoded ahead: median %.1f ms, 95th percentile %.1f ms\n",
                aheadMedian, aheadP95);
    return 0;
}

// A plain listing of a tree, as find does: names only, no sorting, no filtering.
qint64 listTree(const QByteArray &path)
{
    qint64 files = 0;
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type == DT_DIR)
            files += listTree(path + '/' + entry->d_name);
        else
            ++files;
    }
    ::closedir(dir);
    return files;
}

int walk(const QString &dir)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 listed = listTree(QFile::encodeName(dir));
    const double listing = ms(timer.nsecsElapsed());
    std::printf("plain listing: %lld files in %.1f ms\n", qlonglong(listed), listing);

    SilentPrompts prompts;
    platform::SystemVolumes volumes;
    SlideListModel list;
    QItemSelectionModel selection(&list);
    PlaybackController playback(&list, &selection);
    DocumentController document(&list, &playback, &prompts, QDir::tempPath());
    SetupController setup(&list, &selection, &playback, &document, &prompts);
    FileSource source(&volumes, &prompts);
    source.openFolder(dir);
    timer.restart();
    const FileSource::Gathered gathered = source.gather(true, {});
    const int added = setup.addFiles(gathered.paths, gathered.skipped);
    const double adding = ms(timer.nsecsElapsed());
    std::printf("recursive Add: %d files in %.1f ms\n", added, adding);
    std::printf("recursive Add / plain listing: %.2f\n", adding / listing);
    return 0;
}

int makeTree(const QString &dir, int folders, int files)
{
    QDir root(dir);
    for (int f = 0; f < folders; ++f) {
        const QString folder = QStringLiteral("album %1/part %2").arg(f / 10).arg(f % 10);
        root.mkpath(folder);
        for (int i = f; i < files; i += folders) {
            QFile file(root.filePath(QStringLiteral("%1/Photo %2.jpg").arg(folder).arg(i)));
            file.open(QIODevice::WriteOnly);
        }
    }
    std::printf("made %d files in %d folders under %s\n", files, folders, qPrintable(dir));
    return 0;
}

int listFile(int n)
{
    QStringList paths;
    QRandomGenerator random(7);
    for (int i = 0; i < n; ++i)
        paths.append(QStringLiteral("/home/user/Pictures/Holiday %1/IMG_%2.JPG")
                         .arg(random.bounded(200))
                         .arg(random.bounded(1000000), 7, 10, QLatin1Char('0')));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.vvv"));

    QElapsedTimer timer;
    timer.start();
    listfile::write(file, paths);
    std::printf("save %d paths: %.1f ms\n", n, ms(timer.nsecsElapsed()));

    SlideListModel list;
    timer.restart();
    list.replaceAll(listfile::read(file).entries);
    const double load = ms(timer.nsecsElapsed());
    std::printf("load %d paths into the sorted list: %.1f ms\n", list.count(), load);

    QStringList copy = paths;
    timer.restart();
    std::sort(copy.begin(), copy.end(), SlideListModel::lessThan);
    const double sort = ms(timer.nsecsElapsed());
    std::printf("case-insensitive sort of the same strings: %.1f ms\n", sort);
    std::printf("load / sort: %.2f\n", load / sort);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: vantaloop-bench decode FILE [--size WxH]\n"
                         "       vantaloop-bench step DIR [--view WxH|auto]\n"
                         "       vantaloop-bench walk DIR\n"
                         "       vantaloop-bench make-tree DIR FOLDERS FILES\n"
                         "       vantaloop-bench listfile N\n");
    return 2;
}

// The offscreen platform warns about every raise of the image window; results only.
void quietWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler(quietWarnings);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    const QString option =
        args.value(2) == QLatin1String("--size") || args.value(2) == QLatin1String("--view")
            ? args.value(3)
            : QString();
    if (command == QLatin1String("decode") && args.size() >= 2)
        return decode(args[1], parseSize(option));
    if (command == QLatin1String("step") && args.size() >= 2)
        return step(args[1], option);
    if (command == QLatin1String("walk") && args.size() == 2)
        return walk(args[1]);
    if (command == QLatin1String("make-tree") && args.size() == 4)
        return makeTree(args[1], args[2].toInt(), args[3].toInt());
    if (command == QLatin1String("listfile") && args.size() == 2)
        return listFile(args[1].toInt());
    return usage();
}
